#pragma once

#include <QEvent>
#include <QObject>
#include <QPoint>
#include <functional>

class QWidget;

// Reports every mouse event over the widgets it watches, without taking them away from those
// widgets: the grid needs to know the cell under the pointer whichever of its parts (cells,
// fixed columns, headers) the pointer is over.
class MouseTracker : public QObject
{
public:
    using Handler = std::function<void(QWidget *source, QPoint pos, QEvent::Type type)>;

    MouseTracker(Handler handler, QObject *parent);
    void watch(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Handler m_handler;
};
