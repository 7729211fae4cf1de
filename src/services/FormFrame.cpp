#include "FormFrame.h"

#include <QAction>
#include <QEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTimer>
#include <algorithm>

namespace {

class SelectOnFocus : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) {
            if (auto *box = qobject_cast<QLineEdit *>(watched)) {
                QTimer::singleShot(
                    0, box, [box] { box->setSelection(0, int(box->text().size())); });
            }
        }
        return false;
    }
};

} // namespace

void fixFrame(QWidget *form, bool minimizeButton)
{
    auto *frame = qobject_cast<QMdiSubWindow *>(form->parentWidget());
    if (!frame)
        return;
    Qt::WindowFlags flags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    frame->setWindowFlags(flags);
    frame->setFixedSize(form->size().grownBy(frame->contentsMargins()));
}

void placeAtTopLeft(QWidget *form)
{
    QWidget *frame = form->parentWidget() ? form->parentWidget() : form;
    frame->move(0, 0);
}

void keepInside(QMdiSubWindow *frame)
{
    QMdiArea *area = frame->mdiArea();
    if (!area || !area->isVisible())
        return;
    const QSize room = area->viewport()->size();
    const QSize size = frame->size().boundedTo(room);
    if (size != frame->size()) {
        // A fixed border gives way too: a window cut short is better than one out of reach.
        frame->setMinimumSize(frame->minimumSize().boundedTo(size));
        frame->resize(size);
    }
    frame->move(std::clamp(frame->x(), 0, room.width() - size.width()),
        std::clamp(frame->y(), 0, room.height() - size.height()));
}

void bringToFront(QWidget *form)
{
    auto *frame = qobject_cast<QMdiSubWindow *>(form->parentWidget());
    if (!frame || !frame->mdiArea())
        return;
    if (frame->isMinimized())
        frame->showNormal();
    frame->mdiArea()->setActiveSubWindow(frame);
}

void addCloseKey(QMdiSubWindow *frame)
{
    // Close is the last command of the frame's system menu.
    const QList<QAction *> commands
        = frame->systemMenu() ? frame->systemMenu()->actions() : QList<QAction *>();
    if (commands.isEmpty())
        return;
    QAction *close = commands.last();
    QList<QKeySequence> keys = close->shortcuts();
    const QKeySequence ctrlF4(Qt::CTRL | Qt::Key_F4);
    if (!keys.contains(ctrlF4))
        close->setShortcuts(keys << ctrlF4);
}

void selectAllOnFocus(const QList<QLineEdit *> &boxes)
{
    if (boxes.isEmpty())
        return;
    // One filter for the window, gone with it.
    auto *filter = new SelectOnFocus(boxes.first()->window());
    for (QLineEdit *box : boxes)
        box->installEventFilter(filter);
}
