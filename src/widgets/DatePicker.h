#pragma once

#include <QDateEdit>

// A date box with a drop-down calendar, showing the short date of the user's settings with a
// four-digit year. Entering the box from the keyboard selects the whole date; clicking a part of
// it (day, month or year) selects that part. What the user types is plain text, read as one
// whole date (TypedDate.h) when the user leaves the box or presses Enter. Typed over a selected
// part, it also becomes the date at once whenever it reads as a date with a four-digit year, as
// a part being changed should. A text that is no date is marked as such while it stands and
// never becomes a date: leaving the box goes back to the date it had before the typing, Enter
// keeps the text for mending, Escape gives it up.
class DatePicker : public QDateEdit
{
    Q_OBJECT
public:
    explicit DatePicker(QWidget *parent = nullptr);

signals:
    // The user changed the date (typing, the spin keys or the calendar) or clicked the picker.
    // Setting the date from code does not raise these, nor does a refused text.
    void userChanged();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void stepBy(int steps) override;
    QValidator::State validate(QString &input, int &pos) const override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool userIsActing() const;
    bool typeKey(QKeyEvent *key);
    void beginTyping();
    void textTyped();
    bool finishTyping(bool keepRefused);
    void giveUpTyping();
    void endTyping();
    void selectWholeText();
    QDate typedDate(bool twoDigitYears) const;
    void takeTypedDate(QDate date);
    void showRefusal(bool refused);

    int m_userEvents = 0; // user input events being handled right now
    bool m_typing = false; // the text is the user's own, not yet read back as the date
    bool m_partTyped = false; // the typing began over a part of the date, not the whole
    QDate m_dateBeforeTyping;
    bool m_refused = false; // the text is marked as no date
};
