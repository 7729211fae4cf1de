#include "TestDemoData.h"
#include "TestDemoParts.h"
#include "TestToolCommandLine.h"
#include "TestToolFiles.h"

#include <QCoreApplication>
#include <QTest>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int failures = 0;
    const auto run = [&](QObject &&test) { failures += QTest::qExec(&test, argc, argv); };
    run(TestDemoParts());
    run(TestDemoData());
    run(TestToolCommandLine());
    run(TestToolFiles());
    return failures == 0 ? 0 : 1;
}
