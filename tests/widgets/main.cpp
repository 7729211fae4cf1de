#include "TestRegistry.h"

#include <QApplication>

int main(int argc, char **argv)
{
    return runRegisteredTests<QApplication>(argc, argv);
}
