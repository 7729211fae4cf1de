#pragma once

#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <memory>

class PasswordAnswers;

class tst_StartUp : public QObject
{
    Q_OBJECT
public:
    tst_StartUp();
    ~tst_StartUp() override;

private slots:
    void init();
    void cleanup();

    void goodStart();
    void databasePath_data();
    void databasePath();
    void stops_data();
    void stops();
    void secondCopy();
    void ownPassword_data();
    void ownPassword();

private:
    QList<QPair<QString, QString>> m_messages; // text, title
    QString m_startFolder;
    std::unique_ptr<PasswordAnswers> m_password;
};
