#pragma once

#include <QObject>
#include <functional>
#include <memory>

// Lets one test executable hold several Qt Test classes: each registers itself with
// CORVANE_TEST(Class). The executable runs them all in turn, or only the one named by its first
// argument, so that each class is a test of its own for CTest ("test_db tst_Like").
using TestFactory = std::function<std::unique_ptr<QObject>()>;
bool registerTest(const char *name, TestFactory factory);

// Runs the registered classes inside an application object made by the caller.
int runRegisteredTestsIn(int argc, char **argv);

template <typename Application>
int runRegisteredTests(int argc, char **argv)
{
    Application app(argc, argv);
    return runRegisteredTestsIn(argc, argv);
}

#define CORVANE_TEST(Class)                                                                        \
    static const bool Class##Registered =                                                          \
        registerTest(#Class, [] { return std::unique_ptr<QObject>(new Class); });
