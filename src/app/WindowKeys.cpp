#include "WindowKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QShortcut>

namespace {

// The children shown, from the back to the front, the active one in front.
QList<QMdiSubWindow *> stacked(QMdiArea *area)
{
    QList<QMdiSubWindow *> children = area->subWindowList(QMdiArea::StackingOrder);
    children.removeIf([](const QMdiSubWindow *child) { return child->isHidden(); });
    if (QMdiSubWindow *active = area->activeSubWindow(); children.removeOne(active))
        children.append(active);
    return children;
}

} // namespace

WindowKeys::WindowKeys(QMainWindow *main, QMdiArea *area)
    : QObject(main)
    , m_main(main)
    , m_area(area)
{
    // Shortcuts of the main window come before the keys reach the focused control, so a grid
    // or a text box in a child does not keep them. Shift+Tab arrives as Backtab.
    auto key = [main](QKeyCombination combination, auto handler) {
        new QShortcut(QKeySequence(combination), main, handler);
    };
    key(Qt::CTRL | Qt::Key_Tab, [this] { nextChild(); });
    key(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, [this] { previousChild(); });
    key(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, [this] { previousChild(); });
    key(QKeyCombination(Qt::Key_F10), [this] { enterMenuBar(); });
}

void WindowKeys::nextChild()
{
    const QList<QMdiSubWindow *> children = stacked(m_area);
    if (children.size() < 2)
        return;
    m_area->setActiveSubWindow(children.at(children.size() - 2));
    children.last()->lower();
}

void WindowKeys::previousChild()
{
    const QList<QMdiSubWindow *> children = stacked(m_area);
    if (children.size() < 2)
        return;
    m_area->setActiveSubWindow(children.first());
}

void WindowKeys::enterMenuBar()
{
    // The bar takes the keyboard when Alt is pressed and released on its own, and offers no
    // other way in: F10 plays it that Alt, where a real one would arrive. A second F10 gives the
    // keyboard back, as Alt does.
    QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : m_main;
    const std::pair<QEvent::Type, Qt::KeyboardModifiers> tap[]
        = { { QEvent::ShortcutOverride, Qt::AltModifier }, { QEvent::KeyPress, Qt::AltModifier },
              { QEvent::KeyRelease, Qt::NoModifier } };
    for (const auto &[type, modifiers] : tap) {
        QKeyEvent key(type, Qt::Key_Alt, modifiers);
        QCoreApplication::sendEvent(focus, &key);
    }
}
