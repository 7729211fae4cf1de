#include "tst_ToolFiles.h"
#include "TestRegistry.h"

#include "TableDump.h"
#include "ToolProcess.h"

#include "Database.h"
#include "DbError.h"
#include "DemoGenerator.h"
#include "ScratchDatabase.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <sqlite3.h>

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A database of the stock engine without any key, as another program would leave it.
void makeUnencrypted(const QString &path)
{
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    QCOMPARE(sqlite3_exec(db, "CREATE TABLE Customer (Customer TEXT)", nullptr, nullptr, nullptr),
        SQLITE_OK);
    sqlite3_close(db);
}

} // namespace

void tst_ToolFiles::createThenCheckCountsNothing()
{
    const QString file = path(QStringLiteral("empty.db"));
    const ToolRun made = ToolRun::of({ QStringLiteral("create"), file });
    QVERIFY2(made.exitCode == 0, qPrintable(made.err));
    QVERIFY(QFileInfo::exists(file));

    const ToolRun checked = ToolRun::of({ QStringLiteral("check"), file });
    QCOMPARE(checked.exitCode, 0);
    QCOMPARE(checked.out,
        QStringLiteral("integrity: ok\nversion: 3\nCustomer: 0\nEquipment: 0\nTelemarket: 0\n"));
}

void tst_ToolFiles::neverOverwrites_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("existing"); // rows ending in "database" start from a demo file

    QTest::newRow("create over text") << "create" << QByteArray("notes the user keeps\n");
    QTest::newRow("demo over text") << "demo" << QByteArray("notes the user keeps\n");
    QTest::newRow("create over empty file") << "create" << QByteArray("\0", 0);
    QTest::newRow("create over database") << "create" << QByteArray();
    QTest::newRow("demo over database") << "demo" << QByteArray();
    QTest::newRow("backup over text") << "backup" << QByteArray("notes the user keeps\n");
    QTest::newRow("backup over database") << "backup" << QByteArray();
}

void tst_ToolFiles::neverOverwrites()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, existing);
    const QString file = path(
        QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-')));
    if (QByteArray(QTest::currentDataTag()).endsWith("database"))
        QCOMPARE(ToolRun::of({ QStringLiteral("demo"), file, QStringLiteral("--customers"),
                                 QStringLiteral("3") })
                     .exitCode,
            0);
    else
        write(file, existing);
    const QByteArray before = ToolRun::contents(file);

    QStringList arguments { command, file };
    if (command == QLatin1String("backup")) {
        const QString source = path(QStringLiteral("backup-source.db"));
        if (!QFileInfo::exists(source))
            QCOMPARE(ToolRun::of({ QStringLiteral("create"), source }).exitCode, 0);
        arguments.insert(1, source);
    }
    const ToolRun run = ToolRun::of(arguments);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(file) && run.err.contains(QStringLiteral("exists already")),
        qPrintable(run.err));
    QCOMPARE(ToolRun::contents(file), before);
}

void tst_ToolFiles::checkRefusesFilesItCannotRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("text file") << "text";
    QTest::newRow("unencrypted database") << "plain";
    QTest::newRow("other password") << "password";
}

void tst_ToolFiles::checkRefusesFilesItCannotRead()
{
    QFETCH(QString, kind);
    const QString file = path(QStringLiteral("unreadable-") + kind);
    if (kind == QLatin1String("text"))
        write(file, QByteArray(4096, 'x'));
    else if (kind == QLatin1String("plain"))
        makeUnencrypted(file);
    else if (kind == QLatin1String("password"))
        Database::create(file, QStringLiteral("not the program's"));

    const ToolRun run = ToolRun::of({ QStringLiteral("check"), file });
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(file), qPrintable(run.err));
    QVERIFY(!run.out.contains(QStringLiteral("integrity: ok")));
}

void tst_ToolFiles::checkFailsOnDamagedFile()
{
    const QString file = path(QStringLiteral("damaged.db"));
    QCOMPARE(ToolRun::of({ QStringLiteral("demo"), file, QStringLiteral("--customers"),
                             QStringLiteral("200") })
                 .exitCode,
        0);
    QByteArray bytes = ToolRun::contents(file);
    QVERIFY(bytes.size() > 64 * 1024);
    // Pages in the middle of the file: every one of them is table data after the first few.
    for (qsizetype i = bytes.size() / 2; i < bytes.size() / 2 + 4096; ++i)
        bytes[i] = char(~bytes[i]);
    write(file, bytes);

    const ToolRun run = ToolRun::of({ QStringLiteral("check"), file });
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(!run.out.contains(QStringLiteral("integrity: ok")), qPrintable(run.out));
}

void tst_ToolFiles::demoInMissingFolderLeavesNothing()
{
    const QString file = path(QStringLiteral("no/such/folder/demo.db"));
    const ToolRun run = ToolRun::of({ QStringLiteral("demo"), file });
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(file), qPrintable(run.err));
    QVERIFY(!QFileInfo::exists(file));
}

void tst_ToolFiles::demoFileHoldsTheGeneratorsRows()
{
    const QString file = path(QStringLiteral("tool-demo.db"));
    const ToolRun run = ToolRun::of({ QStringLiteral("demo"), file });
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));

    // The tool's default is 300 customers from the first seed.
    ScratchDatabase expected;
    generateDemoData(expected.db(), 300);
    auto written = Database::open(file);
    QCOMPARE(TableDump::allTables(*written), TableDump::allTables(expected.db()));

    const qint64 machines
        = TableDump::count(*written, QStringLiteral("SELECT Count(*) FROM Equipment"));
    const qint64 calls
        = TableDump::count(*written, QStringLiteral("SELECT Count(*) FROM Telemarket"));
    const QString report = QStringLiteral(
        "integrity: ok\nversion: 3\nCustomer: 300\nEquipment: %1\nTelemarket: %2\n")
                               .arg(machines)
                               .arg(calls);
    QCOMPARE(ToolRun::of({ QStringLiteral("check"), file }).out, report);
}

void tst_ToolFiles::demoFileNeedsThePassword()
{
    const QString file = path(QStringLiteral("locked.db"));
    QCOMPARE(ToolRun::of({ QStringLiteral("demo"), file, QStringLiteral("--customers"),
                             QStringLiteral("20") })
                 .exitCode,
        0);

    QVERIFY(!ToolRun::contents(file).startsWith("SQLite format 3"));
    QVERIFY(!ToolRun::contents(file).contains("Telemarket"));
    QVERIFY_THROWS_EXCEPTION(DbError, Database::open(file, QStringLiteral("kxq")));

    // The stock engine without the key cannot even list the tables.
    sqlite3 *raw = nullptr;
    QCOMPARE(
        sqlite3_open_v2(QFile::encodeName(file).constData(), &raw, SQLITE_OPEN_READONLY, nullptr),
        SQLITE_OK);
    const int rc
        = sqlite3_exec(raw, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    sqlite3_close(raw);
    QCOMPARE(rc, SQLITE_NOTADB);

    QCOMPARE(
        TableDump::count(*Database::open(file), QStringLiteral("SELECT Count(*) FROM Customer")),
        qint64(20));
}

CORVANE_TEST(tst_ToolFiles)
