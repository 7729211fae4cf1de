#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

// Answers the start-up password window as a user would: types each answer and presses OK, or
// presses Cancel where an answer is Cancel or none is left. Keeps what the window showed.
class PasswordAnswers : public QObject
{
    Q_OBJECT
public:
    static const QString Cancel;

    PasswordAnswers();
    void setAnswers(const QStringList &answers) { m_answers = answers; }

    // The line under the field each time the window asked ("" the first time).
    QStringList notes;
    // Whether the field hid what was typed, each time.
    QList<bool> masked;
    // What a screen reader calls the field, the file and the buttons, the first time.
    QStringList names;
    // Where the first look at the window is saved, if anywhere.
    QString screenshotPath;

private:
    void answer();

    QStringList m_answers;
    QTimer m_timer;
};
