#include "CorvaneApplication.h"

#include "DbError.h"
#include "DialogFont.h"
#include "DialogStyle.h"
#include "ErrorGuard.h"
#include "ProgramIcon.h"

CorvaneApplication::CorvaneApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    // Every window, built now or later, draws its frames and text the way it was laid out for.
    setStyle(new DialogStyle);
    useDialogFont();
    setWindowIcon(programIcon());
}

bool CorvaneApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const DbError &error) {
        showEngineError(error);
        // The event did not do its work: a close that failed half-way leaves the window open.
        event->ignore();
        return false;
    }
}
