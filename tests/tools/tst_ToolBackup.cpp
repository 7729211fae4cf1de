#include "tst_ToolBackup.h"
#include "TestRegistry.h"

#include "TableDump.h"
#include "ToolInstallation.h"

#include "Database.h"
#include "DbError.h"
#include "PreparedStatement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QThread>
#include <atomic>
#include <thread>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Saves customers one at a time on a connection of its own, as Corvane does while the backup
// runs beside it, until told to stop.
class Writer
{
public:
    explicit Writer(const QString &path)
        : m_thread([this, path] { write(path); })
    { }
    ~Writer()
    {
        m_stop = true;
        m_thread.join();
    }

    int committed() const { return m_committed; }
    QString failure() const { return m_failure; }

private:
    void write(const QString &path)
    {
        try {
            auto db = Database::open(path);
            while (!m_stop) {
                db->execute(QStringLiteral("INSERT INTO Customer (Customer) VALUES (?)"),
                    { QStringLiteral("Customer %1").arg(m_committed + 1) });
                ++m_committed;
                // A user saves now and then: a writer that never lets go of the file would
                // keep every reader out, Corvane's own included.
                QThread::msleep(1);
            }
        } catch (const DbError &error) {
            m_failure = error.message();
        }
    }

    std::atomic<int> m_committed { 0 };
    std::atomic<bool> m_stop { false };
    QString m_failure;
    std::thread m_thread;
};

QString demo(const QString &path, int customers)
{
    const ToolRun run = ToolRun::of({ QStringLiteral("demo"), path, QStringLiteral("--customers"),
        QString::number(customers) });
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
    const QString file = path(QStringLiteral("busy-%1.db").arg(journal));
    const QString copy = path(QStringLiteral("busy-%1.backup").arg(journal));
    auto keeper = Database::create(file);
    PreparedStatement::run(keeper->handle(), QStringLiteral("PRAGMA journal_mode = ") + journal);
    keeper.reset();

    int before = 0;
    ToolRun run;
    {
        Writer writer(file);
        while (writer.committed() < 50 && writer.failure().isEmpty())
            QThread::yieldCurrentThread();
        before = writer.committed();
        run = ToolRun::of({ QStringLiteral("backup"), file, copy });
        QVERIFY2(writer.failure().isEmpty(), qPrintable(writer.failure()));
    }
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QVERIFY2(ToolRun::of({ QStringLiteral("check"), copy }).exitCode == 0, "the copy fails check");

    // Every row saved before the backup began, and the rows of one moment: no gap.
    auto copied = Database::open(copy);
    const qint64 rows = TableDump::count(*copied, QStringLiteral("SELECT Count(*) FROM Customer"));
    QVERIFY2(rows >= before, qPrintable(QStringLiteral("%1 of %2 rows").arg(rows).arg(before)));
    QCOMPARE(TableDump::count(*copied, QStringLiteral("SELECT Max(rowid) FROM Customer")), rows);
    QCOMPARE(
        TableDump::count(*copied,
            QStringLiteral("SELECT Count(*) FROM Customer WHERE Customer = 'Customer ' || rowid")),
        rows);
}

void tst_ToolBackup::restoreKeepsReplacedFile()
{
    const QString file = path(QStringLiteral("kept.db"));
    const QString backup = path(QStringLiteral("kept.backup"));
    QVERIFY(demo(file, 5).isEmpty());
    QCOMPARE(ToolRun::of({ QStringLiteral("backup"), file, backup }).exitCode, 0);
    // Saved after the backup: only the kept file has it afterwards.
    Database::open(file)->execute(
        QStringLiteral("INSERT INTO Customer (Customer) VALUES (?)"), { QStringLiteral("Later") });
    const QByteArray replaced = contents(file);

    ToolInstallation installation;
    const QString problem = installation.prepare();
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    const ToolRun run = installation.run({ QStringLiteral("restore"), backup, file });
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));

    QCOMPARE(contents(file + QStringLiteral(".before-restore")), replaced);
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
    const QString file = path(QStringLiteral("refusing-%1.db").arg(fault));
    const QString backup = path(QStringLiteral("refusing-%1.backup").arg(fault));
    const QString kept = file + QStringLiteral(".before-restore");
    QVERIFY(demo(file, 3).isEmpty());
    if (fault == QLatin1String("password"))
        Database::create(backup, QStringLiteral("unknown"));
    else if (fault != QLatin1String("missing"))
        QVERIFY(demo(backup, 200).isEmpty());

    const auto write = [](const QString &name, const QByteArray &bytes) {
        QFile file(name);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) >= 0;
    };
    QByteArray bytes = contents(backup);
    // The pages in the middle hold table data.
    for (qsizetype i = bytes.size() / 2; i < qMin(bytes.size(), bytes.size() / 2 + 4096); ++i)
        bytes[i] = char(~bytes[i]);
    if (fault == QLatin1String("damaged"))
        QVERIFY(write(backup, bytes));
    if (fault == QLatin1String("text"))
        QVERIFY(write(backup, bytes.fill('x')));
    if (fault == QLatin1String("kept"))
        QVERIFY(write(kept, "kept by the user"));
    ToolInstallation installation;
    const QString problem = installation.prepare();
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    if (fault == QLatin1String("running"))
        QVERIFY(installation.startCorvane());
    const QByteArray keptBefore = contents(kept);
    const QByteArray before = contents(file);

    const ToolRun run = installation.run({ QStringLiteral("restore"), backup, file });
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(said), qPrintable(run.err));
    QCOMPARE(contents(file), before);
    QCOMPARE(contents(kept), keptBefore);
    QCOMPARE(QDir(m_dir.path()).entryList({ QStringLiteral("*.part") }, QDir::Hidden | QDir::Files),
        QStringList());
}

CORVANE_TEST(tst_ToolBackup)
