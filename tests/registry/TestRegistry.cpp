#include "TestRegistry.h"

#include <QTest>
#include <cstring>
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

int runRegisteredTestsIn(int argc, char **argv)
{
    // A first argument that names a class picks that class; the rest goes to Qt Test as usual.
    const char *only = nullptr;
    if (argc > 1) {
        for (const auto &entry : registry()) {
            if (std::strcmp(entry.first, argv[1]) == 0)
                only = argv[1];
        }
    }
    std::vector<char *> args(argv, argv + argc);
    if (only)
        args.erase(args.begin() + 1);

    int failures = 0;
    for (auto &[name, factory] : registry()) {
        if (only && std::strcmp(name, only) != 0)
            continue;
        std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), int(args.size()), args.data());
    }
    return failures == 0 ? 0 : 1;
}
