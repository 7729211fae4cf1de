#include "ChildForm.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

void ChildForm::closeEvent(QCloseEvent *event)
{
    if (!queryUnload()) {
        event->ignore();
        return;
    }
    unload();
    event->accept();
    emit unloaded();
    // A window that closes itself takes its frame with it. When the frame started the close,
    // this returns at once: the frame is closing already.
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->close();
}
