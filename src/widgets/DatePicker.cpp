#include "DatePicker.h"

#include "Formats.h"
#include "TypedDate.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>

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

// Keys that write into the text, as against keys that move, step or leave.
bool writesText(const QKeyEvent *key)
{
    const bool command
        = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return (!key->text().isEmpty() && key->text().at(0).isPrint() && !command)
        || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete
        || key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut);
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
        // Whatever set the date, the box now shows a date.
        showRefusal(false);
        if (userIsActing())
            emit userChanged();
    });
}

void DatePicker::mousePressEvent(QMouseEvent *event)
{
    // The drop-down button and the frame around the text. The calendar opens on the typed date.
    emit clicked();
    finishTyping(false);
    QDateEdit::mousePressEvent(event);
}

void DatePicker::focusInEvent(QFocusEvent *event)
{
    QDateEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    // Entered from the keyboard, the whole date is selected, so that a date typed replaces it.
    if (!m_typing && reason != Qt::MouseFocusReason && reason != Qt::PopupFocusReason)
        selectWholeText();
}

void DatePicker::focusOutEvent(QFocusEvent *event)
{
    const Qt::FocusReason reason = event->reason();
    if (m_typing && (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)) {
        // A menu or another program has the focus for a while; the typing goes on after it.
        lineEdit()->event(event);
        QWidget::focusOutEvent(event);
        return;
    }
    finishTyping(false);
    QDateEdit::focusOutEvent(event);
}

void DatePicker::contextMenuEvent(QContextMenuEvent *event)
{
    // The menu's Paste, Cut and Delete write into the text as keys do.
    beginTyping();
    QDateEdit::contextMenuEvent(event);
    if (m_typing)
        textTyped();
}

void DatePicker::stepBy(int steps)
{
    finishTyping(false);
    QDateEdit::stepBy(steps);
}

QValidator::State DatePicker::validate(QString &input, int &pos) const
{
    // While the user types, any text may stand; it is read as a whole date, not keystroke by
    // keystroke.
    if (m_typing)
        return QValidator::Intermediate;
    return QDateEdit::validate(input, pos);
}

bool DatePicker::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (typeKey(key))
            return true;
        // Tab and Shift+Tab leave the picker for the next field of the window, as in every
        // other field; the arrow keys move between the parts of the date.
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            QWidget::focusNextPrevChild(key->key() == Qt::Key_Tab);
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // The box announces its date again on Enter, changed or not; the typed date has
            // been taken already, so an Enter that leaves the date as it was is no change at
            // all, and windows that count changes must not hear one.
            const QDate before = date();
            bool handled = false;
            {
                const QSignalBlocker quiet(this);
                handled = QDateEdit::event(event);
            }
            if (date() != before)
                emit dateChanged(date());
            emit editingFinished();
            // The date confirmed, a date typed next replaces it whole, as on entering the box.
            selectWholeText();
            return handled;
        }
    }
    if (event->type() == QEvent::InputMethod) {
        beginTyping();
        lineEdit()->event(event);
        textTyped();
        return true;
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
    if (watched == lineEdit()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            emit clicked();
            break;
        case QEvent::MouseButtonRelease:
            // The press put the cursor into a part of the date; with that part selected, what
            // the user types next replaces it instead of being wedged into its digits.
            if (!m_typing && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton
                && !lineEdit()->hasSelectedText())
                setSelectedSection(currentSection());
            break;
        case QEvent::KeyPress:
            // Keys sent to the text itself rather than to the picker.
            if (typeKey(static_cast<QKeyEvent *>(event)))
                return true;
            break;
        default:
            break;
        }
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

// Handles a key that types, or that ends the typing; false leaves the key to the date box.
bool DatePicker::typeKey(QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A refused text stays for mending; a date goes on to the box's own Enter.
        return !finishTyping(true);
    case Qt::Key_Escape:
        if (!m_typing)
            return false;
        giveUpTyping();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_F4:
        finishTyping(false);
        return false;
    default:
        break;
    }
    // Once typing, the cursor keys, selection and clipboard work on the text as in any text box.
    const bool typing = m_typing && !(key->modifiers() & Qt::AltModifier);
    if (!typing && !writesText(key))
        return false;
    beginTyping();
    lineEdit()->event(key);
    textTyped();
    return true;
}

void DatePicker::beginTyping()
{
    if (m_typing)
        return;
    m_typing = true;
    const QString selected = lineEdit()->selectedText();
    m_partTyped = selected != lineEdit()->text() || selected.isEmpty();
    m_dateBeforeTyping = date();
    // The date box reads each key and cursor move part by part and puts its own text back;
    // while the user types, the text is theirs alone.
    lineEdit()->blockSignals(true);
}

void DatePicker::textTyped()
{
    // A part changes the date as soon as the text is a date again; a two-digit year waits, as
    // it may be the start of four. A whole date typed is read when it is finished.
    if (const QDate date = typedDate(false); m_partTyped && date.isValid())
        takeTypedDate(date);
    showRefusal(!typedDate(true).isValid());
}

// Reads the typed text as the date, or gives it up (keepRefused: keeps a text that is no date).
// Returns whether the text was a date.
bool DatePicker::finishTyping(bool keepRefused)
{
    if (!m_typing)
        return true;
    const QDate date = typedDate(true);
    if (!date.isValid()) {
        if (!keepRefused)
            giveUpTyping();
        return false;
    }
    takeTypedDate(date);
    endTyping();
    return true;
}

// Back to the date from before the typing; that is no change of the user's.
void DatePicker::giveUpTyping()
{
    if (m_typing)
        setDate(m_dateBeforeTyping);
    endTyping();
}

// Shows the picker's date in its own form again.
void DatePicker::endTyping()
{
    if (!m_typing)
        return;
    lineEdit()->setText(textFromDateTime(dateTime()));
    selectWholeText();
    m_typing = false;
    lineEdit()->blockSignals(false);
    showRefusal(false);
}

// Unseen by the date box, so that the spin keys still step the part it has chosen.
void DatePicker::selectWholeText()
{
    const QSignalBlocker quiet(lineEdit());
    lineEdit()->selectAll();
}

QDate DatePicker::typedDate(bool twoDigitYears) const
{
    const QDate date
        = readTypedDate(lineEdit()->text(), displayFormat(), QDate::currentDate(), twoDigitYears);
    // Outside its range the box would quietly take its nearest date instead.
    if (!date.isValid() || date < minimumDate() || date > maximumDate())
        return {};
    return date;
}

void DatePicker::takeTypedDate(QDate date)
{
    if (date == this->date())
        return;
    const QString text = lineEdit()->text();
    const int cursor = lineEdit()->cursorPosition();
    ++m_userEvents; // the user typed it, whichever event ends the typing
    setDate(date);
    --m_userEvents;
    if (m_typing && lineEdit()->text() != text) {
        // The box wrote the date in its own form; the user goes on typing in theirs.
        lineEdit()->setText(text);
        lineEdit()->setCursorPosition(cursor);
    }
}

void DatePicker::showRefusal(bool refused)
{
    if (refused == m_refused)
        return;
    m_refused = refused;
    QPalette marked;
    if (refused) {
        marked = palette();
        marked.setColor(QPalette::Base, QColor(255, 200, 200));
    }
    setPalette(marked);
    setAccessibleDescription(refused ? QStringLiteral("Not a date") : QString());
}
