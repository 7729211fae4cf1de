#include "DatePicker.h"

#include "Formats.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::Timer: // the spin keys and buttons repeat on a timer while held
        return true;
    default:
        return false;
    }
}

} // namespace

DatePicker::DatePicker(QWidget *parent)
    : QDateEdit(parent)
{
    setCalendarPopup(true);
    setDisplayFormat(fourDigitYearDateFormat());
    // A click on the text goes to the line edit inside, not to the picker itself.
    lineEdit()->installEventFilter(this);
    connect(this, &QDateEdit::dateChanged, this, [this] {
        if (userIsActing())
            emit userChanged();
    });
}

void DatePicker::mousePressEvent(QMouseEvent *event)
{
    // The drop-down button and the frame around the text.
    emit clicked();
    QDateEdit::mousePressEvent(event);
}

bool DatePicker::event(QEvent *event)
{
    // Tab and Shift+Tab leave the picker for the next field of the window, as in every other
    // field; the arrow keys move between the parts of the date.
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            QWidget::focusNextPrevChild(key->key() == Qt::Key_Tab);
            return true;
        }
    }
    if (!isUserInput(event->type()))
        return QDateEdit::event(event);
    ++m_userEvents;
    const bool handled = QDateEdit::event(event);
    --m_userEvents;
    return handled;
}

bool DatePicker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress)
        emit clicked();
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton
        && !lineEdit()->hasSelectedText()) {
        // The press put the cursor into a part of the date; with that part selected, what the
        // user types next replaces it instead of being wedged into its digits.
        setSelectedSection(currentSection());
    }
    return QDateEdit::eventFilter(watched, event);
}

bool DatePicker::userIsActing() const
{
    if (m_userEvents > 0)
        return true;
    // While the drop-down calendar is open, a date can only come from the user picking it.
    const QCalendarWidget *calendar = calendarWidget();
    return calendar && calendar->isVisible();
}
