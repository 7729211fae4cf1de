#include "FormFrame.h"

#include <QEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTimer>

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

void selectAllOnFocus(const QList<QLineEdit *> &boxes)
{
    if (boxes.isEmpty())
        return;
    // One filter for the window, gone with it.
    auto *filter = new SelectOnFocus(boxes.first()->window());
    for (QLineEdit *box : boxes)
        box->installEventFilter(filter);
}
