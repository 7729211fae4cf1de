#include "tst_ToolBackup.h"
#include "TestRegistry.h"

#include "TableDump.h"
#include "ToolInstallation.h"

#include "Database.h"
#include "DbError.h"
#include "PreparedStatement.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QThread>
#include <atomic>
#include <thread>

namespace {

QString demo(const QString &path, int customers)
{
    const ToolRun run = ToolRun::of({ "demo", path, "--customers", QString::number(customers) });
    return run.exitCode == 0 ? QString() : run.err;
}

} // namespace

void tst_ToolBackup::backupHoldsEveryCommittedRow_data()
{
    QTest::addColumn<QString>("journal");
    QTest::newRow("rollback journal") << "DELETE";
    QTest::newRow("write-ahead log") << "WAL";
}

void tst_ToolBackup::backupHoldsEveryCommittedRow()
{
    QFETCH(QString, journal);
    const QString file = path("busy-" + journal + ".db"),
                  copy = path("busy-" + journal + ".backup");
    PreparedStatement::run(Database::create(file)->handle(), "PRAGMA journal_mode = " + journal);

    // Customers saved one at a time on a connection of their own, as Corvane does while the
    // backup runs beside it.
    std::atomic<int> committed { 0 };
    std::atomic<bool> failed { false };
    QString failure;
    int before = 0;
    ToolRun run;
    {
        std::jthread writer([&](std::stop_token stop) {
            try {
                auto db = Database::open(file);
                while (!stop.stop_requested()) {
                    db->execute("INSERT INTO Customer (Customer) VALUES (?)",
                        { QStringLiteral("Customer %1").arg(committed + 1) });
                    ++committed;
                    // A writer that never lets go of the file would keep every reader out.
                    QThread::msleep(1);
                }
            } catch (const DbError &error) {
                failure = error.message();
                failed = true;
            }
        });
        while (committed < 50 && !failed)
            QThread::yieldCurrentThread();
        before = committed;
        run = ToolRun::of({ "backup", file, copy });
    }
    QVERIFY2(!failed, qPrintable(failure));
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QVERIFY2(ToolRun::of({ "check", copy }).exitCode == 0, "the copy fails check");

    // Every row saved before the backup began, and the rows of one moment: no gap.
    auto copied = Database::open(copy);
    const qint64 rows = TableDump::count(*copied, "SELECT Count(*) FROM Customer");
    QVERIFY2(rows >= before, qPrintable(QStringLiteral("%1 of %2 rows").arg(rows).arg(before)));
    QCOMPARE(TableDump::count(*copied, "SELECT Max(rowid) FROM Customer"), rows);
    QCOMPARE(TableDump::count(
                 *copied, "SELECT Count(*) FROM Customer WHERE Customer = 'Customer ' || rowid"),
        rows);
}

void tst_ToolBackup::restoreKeepsReplacedFile()
{
    const QString file = path("kept.db"), backup = path("kept.backup");
    QVERIFY(demo(file, 5).isEmpty());
    QCOMPARE(ToolRun::of({ "backup", file, backup }).exitCode, 0);
    // Saved after the backup: only the kept file has it afterwards.
    Database::open(file)->execute("INSERT INTO Customer (Customer) VALUES (?)", { "Later" });
    const QByteArray replaced = ToolRun::contents(file);

    const ToolRun run = ToolInstallation().run({ "restore", backup, file });
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(ToolRun::contents(file + ".before-restore"), replaced);
    QCOMPARE(
        TableDump::allTables(*Database::open(file)), TableDump::allTables(*Database::open(backup)));
}

void tst_ToolBackup::restoreRefuses_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("said"); // a part of the message
    QTest::newRow("Corvane running") << "running"
                                     << "Corvane is running";
    QTest::newRow("replaced file kept already") << "kept"
                                                << "before-restore exists already";
    QTest::newRow("backup damaged") << "damaged"
                                    << "integrity";
    QTest::newRow("backup not a database") << "text"
                                           << "could not be opened";
    QTest::newRow("backup of an unknown password") << "password"
                                                   << "password is wrong";
    QTest::newRow("backup missing") << "missing"
                                    << "does not exist";
}

void tst_ToolBackup::restoreRefuses()
{
    QFETCH(QString, fault);
    QFETCH(QString, said);
    const QString file = path("refusing-" + fault + ".db"),
                  backup = path("refusing-" + fault + ".backup");
    const QString kept = file + ".before-restore";
    QVERIFY(demo(file, 3).isEmpty());
    if (fault == "password")
        Database::create(backup, "unknown");
    else if (fault != "missing")
        QVERIFY(demo(backup, 200).isEmpty());

    QByteArray bytes = ToolRun::contents(backup);
    if (fault == "text")
        bytes.fill('x');
    // The pages in the middle hold table data.
    for (qsizetype i = bytes.size() / 2; fault == "damaged" && i < bytes.size() / 2 + 4096; ++i)
        bytes[i] = char(~bytes[i]);
    QFile written(fault == "kept" ? kept : backup);
    if (fault == "kept" || fault == "text" || fault == "damaged")
        QVERIFY(written.open(QIODevice::WriteOnly)
            && written.write(fault == "kept" ? "kept" : bytes) > 0);
    written.close();
    ToolInstallation installation;
    if (fault == "running")
        QVERIFY(installation.startCorvane());
    const QByteArray keptBefore = ToolRun::contents(kept), before = ToolRun::contents(file);

    const ToolRun run = installation.run({ "restore", backup, file });
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(said), qPrintable(run.err));
    QCOMPARE(ToolRun::contents(file), before);
    QCOMPARE(ToolRun::contents(kept), keptBefore);
    QCOMPARE(QDir(m_dir.path()).entryList({ "*.part" }, QDir::Hidden | QDir::Files), QStringList());
}

CORVANE_TEST(tst_ToolBackup)
