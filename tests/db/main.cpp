#include "TestCaseRules.h"
#include "TestDialect.h"
#include "TestLike.h"
#include "TestOpening.h"
#include "TestRecordset.h"
#include "TestStatements.h"
#include "TestTextRows.h"

#include <QCoreApplication>
#include <QTest>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int failures = 0;
    const auto run = [&](QObject &&test) { failures += QTest::qExec(&test, argc, argv); };
    run(TestDialect());
    run(TestLike());
    run(TestCaseRules());
    run(TestStatements());
    run(TestRecordset());
    run(TestOpening());
    run(TestTextRows());
    return failures == 0 ? 0 : 1;
}
