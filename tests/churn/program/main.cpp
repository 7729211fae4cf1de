#include "Churner.h"
#include "CorvaneApplication.h"
#include "Database.h"
#include "DbError.h"
#include "MDI.h"
#include "MsgBox.h"
#include "ProgramValues.h"

#include <QTimer>
#include <cstdio>
#include <cstdlib>

// corvane-churn DATABASE SEED: changes the customers of an existing database through the
// program's own windows, without a screen, until it is killed. Test support; never installed.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    CorvaneApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    bool isNumber = false;
    const quint32 seed = arguments.value(2).toUInt(&isNumber);
    if (arguments.size() != 3 || !isNumber) {
        std::fputs("usage: corvane-churn DATABASE SEED\n", stderr);
        return 2;
    }

    // The one question the changes meet is the delete question; any other message (an engine
    // error above all) ends the run with the message, for the test to show.
    MsgBox::setHandler([](const QString &text, const QString &title, MsgBox::Buttons) {
        if (title == QLatin1String("Delete Confirmation"))
            return MsgBox::Yes;
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
        std::fflush(stderr);
        std::_Exit(3);
    });
    try {
        gDatabase = Database::open(arguments.at(1));
    } catch (const DbError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 2;
    }
    gDatabasePath = arguments.at(1);
    gCallBackMonths = 6;

    MDI main;
    WindowRegistry::setProgramRegistry(&main.registry());
    main.show();
    Churner churner(main, seed);
    QTimer::singleShot(0, &churner, &Churner::start);
    return app.exec();
}
