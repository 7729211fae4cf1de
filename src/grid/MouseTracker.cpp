#include "MouseTracker.h"

#include <QMouseEvent>
#include <QWidget>

MouseTracker::MouseTracker(Handler handler, QObject *parent)
    : QObject(parent)
    , m_handler(std::move(handler))
{ }

void MouseTracker::watch(QWidget *widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool MouseTracker::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        m_handler(static_cast<QWidget *>(watched),
            static_cast<QMouseEvent *>(event)->position().toPoint(), event->type());
        break;
    default:
        break;
    }
    return false;
}
