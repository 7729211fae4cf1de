#pragma once

#include <QObject>
#include <functional>
#include <memory>

// Lets one test executable hold several Qt Test classes: each registers itself with
// CORVANE_TEST(Class) and main() runs them all in turn.
using TestFactory = std::function<std::unique_ptr<QObject>()>;
bool registerTest(const char *name, TestFactory factory);
int runRegisteredTests(int argc, char **argv);

#define CORVANE_TEST(Class)                                                                        \
    static const bool Class##Registered =                                                          \
        registerTest(#Class, [] { return std::unique_ptr<QObject>(new Class); });
