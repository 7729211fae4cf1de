#include "tst_ToolCommandLine.h"
#include "TestRegistry.h"

#include "ToolProcess.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString Usage = QStringLiteral("Usage: corvane-db create PATH");
// Stands for the test's own file name in the argument tables.
const QString PathMark = QStringLiteral("@");

} // namespace

void tst_ToolCommandLine::refusesBadArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("problem");

    QTest::newRow("no command") << QStringList {} << "no command given";
    QTest::newRow("unknown command")
        << QStringList { "make", PathMark } << "unknown command \"make\"";
    QTest::newRow("command in capitals")
        << QStringList { "CREATE", PathMark } << "unknown command \"CREATE\"";
    QTest::newRow("help with more")
        << QStringList { "--help", "create" } << "unknown command \"--help\"";
    QTest::newRow("create without path") << QStringList { "create" } << "create needs the PATH";
    QTest::newRow("create with empty path")
        << QStringList { "create", "" } << "create needs the PATH";
    QTest::newRow("create with two paths")
        << QStringList { "create", PathMark, "other.db" } << "unexpected argument \"other.db\"";
    QTest::newRow("create with count") << QStringList { "create", PathMark, "--customers", "5" }
                                       << "unknown option \"--customers\" for create";
    QTest::newRow("check without path") << QStringList { "check" } << "check needs the PATH";
    QTest::newRow("check with two paths")
        << QStringList { "check", PathMark, PathMark } << "unexpected argument";
    QTest::newRow("demo without path") << QStringList { "demo" } << "demo needs the PATH";
    QTest::newRow("backup without destination")
        << QStringList { "backup", PathMark } << "backup needs DB and DEST";
    QTest::newRow("restore with empty database")
        << QStringList { "restore", PathMark, "" } << "restore needs BACKUP and DB";
    QTest::newRow("password with two paths")
        << QStringList { "password", PathMark, "other.db" } << "unexpected argument \"other.db\"";
    QTest::newRow("demo with count only")
        << QStringList { "demo", "--customers", "5" } << "demo needs the PATH";
    QTest::newRow("demo unknown option")
        << QStringList { "demo", PathMark, "--force" } << "unknown option \"--force\" for demo";
    QTest::newRow("count missing")
        << QStringList { "demo", PathMark, "--customers" } << "--customers needs a number";
    QTest::newRow("count empty") << QStringList { "demo", PathMark, "--customers=" }
                                 << "--customers needs a whole number, not \"\"";
    QTest::newRow("count not a number") << QStringList { "demo", PathMark, "--customers", "many" }
                                        << "--customers needs a whole number, not \"many\"";
    QTest::newRow("count with letters")
        << QStringList { "demo", PathMark, "--customers", "12x" } << "needs a whole number";
    QTest::newRow("count with sign")
        << QStringList { "demo", PathMark, "--customers", "+5" } << "needs a whole number";
    QTest::newRow("count negative")
        << QStringList { "demo", PathMark, "--customers", "-5" } << "needs a whole number";
    QTest::newRow("count with blank")
        << QStringList { "demo", PathMark, "--customers", " 5" } << "needs a whole number";
    QTest::newRow("count fraction")
        << QStringList { "demo", PathMark, "--customers=2.5" } << "needs a whole number";
    QTest::newRow("count zero") << QStringList { "demo", PathMark, "--customers", "0" }
                                << "--customers must be from 1 to 100000, not 0";
    QTest::newRow("count one too many") << QStringList { "demo", PathMark, "--customers", "100001" }
                                        << "must be from 1 to 100000, not 100001";
    QTest::newRow("count past int") << QStringList { "demo", PathMark, "--customers",
        "99999999999" } << "must be from 1 to 100000";
    QTest::newRow("count twice") << QStringList { "demo", PathMark, "--customers", "5",
        "--customers=6" } << "--customers given twice";
    QTest::newRow("demo with two paths") << QStringList { "demo", PathMark, "--customers", "5",
        "x.db" } << "unexpected argument \"x.db\"";
}

void tst_ToolCommandLine::refusesBadArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, problem);
    QVERIFY(m_dir.isValid());
    // A file of the row's own, so that a row wrongly accepted cannot spoil the next.
    const QString path
        = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".db"));
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^@$")), path);

    const ToolRun run = ToolRun::of(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.startsWith(QStringLiteral("corvane-db: ")), qPrintable(run.err));
    QVERIFY2(run.err.contains(problem), qPrintable(run.err));
    QVERIFY2(run.err.contains(Usage), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    // A refused command line touches nothing.
    QVERIFY(!QFileInfo::exists(path));
}

void tst_ToolCommandLine::acceptsCustomerCountForms_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("customers");

    QTest::newRow("default") << QStringList { "demo", PathMark } << 300;
    QTest::newRow("count after path") << QStringList { "demo", PathMark, "--customers", "7" } << 7;
    QTest::newRow("count before path") << QStringList { "demo", "--customers", "8", PathMark } << 8;
    QTest::newRow("count joined") << QStringList { "demo", PathMark, "--customers=9" } << 9;
    QTest::newRow("smallest") << QStringList { "demo", PathMark, "--customers", "1" } << 1;
    QTest::newRow("leading zero") << QStringList { "demo", PathMark, "--customers", "012" } << 12;
}

void tst_ToolCommandLine::acceptsCustomerCountForms()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, customers);
    const QString path
        = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".db"));
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^@$")), path);

    const ToolRun made = ToolRun::of(arguments);
    QVERIFY2(made.exitCode == 0, qPrintable(made.err));
    QVERIFY(made.err.isEmpty());
    const ToolRun checked = ToolRun::of({ QStringLiteral("check"), path });
    QCOMPARE(checked.exitCode, 0);
    QVERIFY2(checked.out.contains(QStringLiteral("\nCustomer: %1\n").arg(customers)),
        qPrintable(checked.out));
}

void tst_ToolCommandLine::helpGoesToStandardOutput()
{
    for (const QString &flag : { QStringLiteral("--help"), QStringLiteral("-h") }) {
        const ToolRun run = ToolRun::of({ flag });
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith(Usage));
        QVERIFY(run.err.isEmpty());
    }
}

CORVANE_TEST(tst_ToolCommandLine)
