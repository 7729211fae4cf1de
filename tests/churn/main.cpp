#include "TestRegistry.h"

#include <QCoreApplication>

// The kill tests reopen the file through the db layer only; the windows run in the churn
// program they start.
int main(int argc, char **argv)
{
    return runRegisteredTests<QCoreApplication>(argc, argv);
}
