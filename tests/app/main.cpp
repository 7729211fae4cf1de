#include "app/CorvaneApplication.h"
#include "tst_ConfigReader.h"
#include "tst_ErrorGuard.h"
#include "tst_MainWindow.h"
#include "tst_StartUp.h"
#include "tst_TypeAhead.h"

#include <QTest>

namespace {

template <typename Test> int run(int argc, char **argv)
{
    Test test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace

int main(int argc, char **argv)
{
    // The program's own application object, so that its event-boundary guard is under test.
    CorvaneApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    int failures = 0;
    failures += run<TestConfigReader>(argc, argv);
    failures += run<TestTypeAhead>(argc, argv);
    failures += run<TestErrorGuard>(argc, argv);
    failures += run<TestMainWindow>(argc, argv);
    failures += run<TestStartUp>(argc, argv);
    return failures == 0 ? 0 : 1;
}
