#pragma once

#include <QDateEdit>

// A date box with a drop-down calendar, showing the short date of the user's settings with a
// four-digit year. Clicking a part of the date (day, month or year) selects it, so that typing
// replaces that part.
class DatePicker : public QDateEdit
{
    Q_OBJECT
public:
    explicit DatePicker(QWidget *parent = nullptr);

signals:
    // The user changed the date (typing, the spin keys or the calendar) or clicked the picker.
    // Setting the date from code does not raise these.
    void userChanged();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool userIsActing() const;

    int m_userEvents = 0; // user input events being handled right now
};
