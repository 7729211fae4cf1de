#pragma once

#include "MsgBox.h"

#include <QList>
#include <QString>
#include <QStringList>

// Stands in for the message box while a test runs: each message must be the next one the
// script expects, and is answered as the script says. Anything else is recorded as a failure.
class ScriptedMsgBox
{
public:
    struct Step
    {
        QString text;
        QString title;
        MsgBox::Answer answer = MsgBox::Ok;
    };

    ScriptedMsgBox();
    ~ScriptedMsgBox();

    void expect(const QString &text, const QString &title, MsgBox::Answer answer = MsgBox::Ok);
    // Messages that were not expected, and expected ones that never came.
    QStringList problems() const;
    bool allShown() const { return m_steps.isEmpty(); }
    QStringList shown() const { return m_shown; }

private:
    MsgBox::Answer take(const QString &text, const QString &title);

    QList<Step> m_steps;
    QStringList m_unexpected;
    QStringList m_shown;
};
