#pragma once

#include <QLineEdit>

// A text box with a display format: while it has no focus it shows its content formatted (a
// number under "$#,##0.00;($#,##0.00)" shows as "$1,234.50"); with the focus it shows the
// content as typed, for editing. Text that is no number shows as it stands. Without an input
// mask the prompt character is kept for the mask's sake but never drawn.
class MaskedEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit MaskedEdit(QWidget *parent = nullptr);

    void setFormat(const QString &format);
    void setPromptChar(QChar prompt) { m_prompt = prompt; }

    // What the box holds, as typed or set; not how it shows it without the focus.
    QString content() const { return m_content; }
    void setContent(const QString &content);

signals:
    // The content changed, by typing or by setContent; switching between the two ways of
    // showing it does not count.
    void contentChanged();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void display(const QString &text);
    void showFormatted();

    QString m_format;
    QString m_content;
    QChar m_prompt = QLatin1Char('_');
    bool m_showing = false; // the displayed text is being swapped, not edited
};
