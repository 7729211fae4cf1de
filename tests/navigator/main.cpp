#include "CorvaneApplication.h"
#include "TestRegistry.h"

// The program's own application object: its font and its event-boundary guard.
int main(int argc, char **argv) { return runRegisteredTests<CorvaneApplication>(argc, argv); }
