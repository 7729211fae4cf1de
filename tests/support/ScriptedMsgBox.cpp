#include "ScriptedMsgBox.h"

ScriptedMsgBox::ScriptedMsgBox()
{
    MsgBox::setHandler([this](const QString &text, const QString &title, MsgBox::Buttons) {
        return take(text, title);
    });
}

ScriptedMsgBox::~ScriptedMsgBox() { MsgBox::setHandler(nullptr); }

void ScriptedMsgBox::expect(const QString &text, const QString &title, MsgBox::Answer answer)
{
    m_steps.append({text, title, answer});
}

QStringList ScriptedMsgBox::problems() const
{
    QStringList all = m_unexpected;
    for (const Step &step : m_steps)
        all.append(QStringLiteral("never shown: \"%1\" under \"%2\"").arg(step.text, step.title));
    return all;
}

MsgBox::Answer ScriptedMsgBox::take(const QString &text, const QString &title)
{
    m_shown.append(text);
    if (m_steps.isEmpty() || m_steps.first().text != text || m_steps.first().title != title) {
        m_unexpected.append(QStringLiteral("unexpected: \"%1\" under \"%2\"").arg(text, title));
        return MsgBox::Cancel;
    }
    return m_steps.takeFirst().answer;
}
