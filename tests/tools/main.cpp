#include "TestRegistry.h"

#include <QCoreApplication>

// The tools are programs without windows.
int main(int argc, char **argv) { return runRegisteredTests<QCoreApplication>(argc, argv); }
