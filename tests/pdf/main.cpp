#include "TestRegistry.h"

#include <QGuiApplication>

int main(int argc, char **argv)
{
    return runRegisteredTests<QGuiApplication>(argc, argv);
}
