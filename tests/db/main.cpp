#include "TestRegistry.h"

#include <QCoreApplication>

// The engine's tests run without a window system: the db layer knows nothing of widgets.
int main(int argc, char **argv) { return runRegisteredTests<QCoreApplication>(argc, argv); }
