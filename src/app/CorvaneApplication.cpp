#include "CorvaneApplication.h"

#include "ErrorGuard.h"
#include "DbError.h"
#include "DialogFont.h"
#include "ProgramIcon.h"

CorvaneApplication::CorvaneApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
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
