#include "TestRegistry.h"

#include <QApplication>
#include <QTest>
#include <vector>

namespace {

std::vector<std::pair<const char *, TestFactory>> &registry()
{
    static std::vector<std::pair<const char *, TestFactory>> tests;
    return tests;
}

} // namespace

bool registerTest(const char *name, TestFactory factory)
{
    registry().emplace_back(name, std::move(factory));
    return true;
}

int runRegisteredTests(int argc, char **argv)
{
    QApplication app(argc, argv);
    int failures = 0;
    for (auto &[name, factory] : registry()) {
        std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
