#include "MaskedEdit.h"

#include "Formats.h"

#include <QFocusEvent>

MaskedEdit::MaskedEdit(QWidget *parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (m_showing || text == m_content)
            return;
        m_content = text;
        emit contentChanged();
    });
}

void MaskedEdit::setFormat(const QString &format)
{
    m_format = format;
    if (!hasFocus())
        showFormatted();
}

void MaskedEdit::setContent(const QString &content)
{
    if (content == m_content)
        return;
    m_content = content;
    if (hasFocus())
        display(m_content);
    else
        showFormatted();
    emit contentChanged();
}

void MaskedEdit::focusInEvent(QFocusEvent *event)
{
    display(m_content);
    QLineEdit::focusInEvent(event);
}

void MaskedEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // A context menu of the box itself takes the focus only for a moment.
    if (event->reason() != Qt::PopupFocusReason)
        showFormatted();
}

void MaskedEdit::display(const QString &text)
{
    if (text == QLineEdit::text())
        return;
    m_showing = true;
    setText(text);
    m_showing = false;
}

void MaskedEdit::showFormatted()
{
    display(formatText(m_content, m_format));
}
