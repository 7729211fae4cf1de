#include "CorvaneApplication.h"
#include "TestRegistry.h"

int main(int argc, char **argv)
{
    // The program's own application object, so that its event-boundary guard is under test.
    CorvaneApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return runRegisteredTestsIn(argc, argv);
}
