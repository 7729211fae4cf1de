#include "tst_ToolPassword.h"
#include "TestRegistry.h"

#include "TableDump.h"
#include "ToolInstallation.h"

#include "Database.h"
#include "DbError.h"
#include "PreparedStatement.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <optional>

namespace {

const QString Probe = QStringLiteral("Plaintext Probe Office Supplies");

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file and the engine's side files, as anyone who copies them would read them.
bool showsPlainText(const QString &path)
{
    for (const char *suffix : { "", "-journal", "-wal" }) {
        const QByteArray bytes = contents(path + QLatin1String(suffix));
        if (bytes.contains(Probe.toUtf8()) || bytes.contains("CREATE TABLE"))
            return true;
    }
    return false;
}

QString journalMode(Database &db)
{
    return TableDump::select(db, QStringLiteral("PRAGMA journal_mode")).at(0).at(0).toString();
}

std::optional<QString> openingPassword(const QString &path, const QStringList &candidates)
{
    for (const QString &password : candidates) {
        try {
            if (Database::open(path, password)->integrityCheck() == QLatin1String("ok"))
                return password;
        } catch (const DbError &) { }
    }
    return std::nullopt;
}

QByteArray answers(const QStringList &lines)
{
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

} // namespace

void tst_ToolPassword::setAndReturn_data()
{
    QTest::addColumn<QString>("journal");
    QTest::newRow("rollback journal") << "delete";
    QTest::newRow("write-ahead log") << "wal";
}

void tst_ToolPassword::setAndReturn()
{
    QFETCH(QString, journal);
    const QString file = path(QStringLiteral("own-%1.db").arg(journal));
    QStringList before;
    {
        auto db = Database::create(file);
        PreparedStatement::run(db->handle(), QStringLiteral("PRAGMA journal_mode = ") + journal);
        db->execute(QStringLiteral("INSERT INTO Customer (Customer) VALUES (?)"), { Probe });
        before = TableDump::allTables(*db);
    }
    ToolInstallation installation;
    const QString problem = installation.prepare();
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    const QString own = QStringLiteral("Sesame öffne dich");

    // Each step: what the tool is told, and the one password that opens the file afterwards.
    const QList<std::pair<QStringList, QString>> steps {
        { { own, own }, own },
        { { own, QString(), QString() }, QString::fromLatin1(Database::Password) },
    };
    for (const auto &[input, opens] : steps) {
        const ToolRun run = installation.run({ QStringLiteral("password"), file }, answers(input));
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(!showsPlainText(file));
        const QString wrong
            = opens == own ? QString::fromLatin1(Database::Password) : QStringLiteral("KXQ ");
        QVERIFY_THROWS_EXCEPTION(DbError, Database::open(file, wrong));
        auto db = Database::open(file, opens);
        QCOMPARE(TableDump::allTables(*db), before);
        // Whatever the file's journal was, the program keeps it in the write-ahead journal.
        QCOMPARE(journalMode(*db), QStringLiteral("wal"));
        db.reset();
        const ToolRun check = installation.run(
            { QStringLiteral("check"), file }, opens == own ? answers({ own }) : QByteArray());
        QVERIFY2(check.out.startsWith(QStringLiteral("integrity: ok")), qPrintable(check.err));
        QVERIFY(!showsPlainText(file));
    }
}

void tst_ToolPassword::refusals_data()
{
    QTest::addColumn<QStringList>("input");
    QTest::addColumn<QString>("said"); // a part of the message

    QTest::newRow("answers differ") << QStringList { "one", "two" } << "the two answers differ";
    QTest::newRow("input ends before the repeat")
        << QStringList { "one" } << "no new password was given";
    QTest::newRow("Corvane running") << QStringList { "one", "one" } << "Corvane is running";
    QTest::newRow("current password unknown")
        << QStringList { "guess", "guess", "guess", "new", "new" } << "the password is wrong";
}

void tst_ToolPassword::refusals()
{
    QFETCH(QStringList, input);
    QFETCH(QString, said);
    const QString file = path(QStringLiteral("refused-%1.db").arg(QTest::currentDataTag()));
    if (said.contains(QLatin1String("password is wrong")))
        Database::create(file, QStringLiteral("known to the user alone"));
    else
        Database::create(file);
    ToolInstallation installation;
    const QString problem = installation.prepare();
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    if (said.startsWith(QLatin1String("Corvane")))
        QVERIFY(installation.startCorvane());
    const QByteArray before = contents(file);

    const ToolRun run = installation.run({ QStringLiteral("password"), file }, answers(input));
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(said), qPrintable(run.err));
    QCOMPARE(contents(file), before);
}

// The engine keeps the pages as they were in its journal until the re-key commits, so a run cut
// short anywhere leaves a file that the old password opens (the journal is rolled back), or, had
// it committed, the new one.
void tst_ToolPassword::killedMidRekey()
{
    const QString file = path(QStringLiteral("killed.db"));
    const ToolRun made = ToolRun::of(
        { QStringLiteral("demo"), file, QStringLiteral("--customers"), QStringLiteral("8000") });
    QVERIFY2(made.exitCode == 0, qPrintable(made.err));
    const QString counts = ToolRun::of({ QStringLiteral("check"), file }).out;
    const qint64 size = QFileInfo(file).size();
    const QString journal = file + QStringLiteral("-journal");

    QString current = QString::fromLatin1(Database::Password);
    int cutShort = 0;
    // Killed once the journal holds this share of the file.
    for (const double share : { 0.0, 0.2, 0.5, 0.8 }) {
        const QString next = QStringLiteral("key %1").arg(share);
        QStringList input { next, next };
        if (current != QLatin1String(Database::Password))
            input.prepend(current);

        QProcess tool;
        tool.start(ToolRun::builtTool(), { QStringLiteral("password"), file });
        QVERIFY(tool.waitForStarted());
        tool.write(answers(input));
        tool.closeWriteChannel();
        while (!tool.readAllStandardOutput().contains("re-encrypting") && tool.waitForReadyRead())
            ;
        while (tool.state() == QProcess::Running && QFileInfo(journal).size() <= share * size)
            QThread::usleep(200);
        if (QFileInfo::exists(journal))
            ++cutShort;
        tool.kill();
        tool.waitForFinished();

        const std::optional<QString> opens = openingPassword(file, { next, current });
        QVERIFY2(opens,
            qPrintable(QStringLiteral("neither \"%1\" nor \"%2\" opens the file after "
                                      "a kill at %3")
                           .arg(next, current)
                           .arg(share)));
        current = *opens;
        QVERIFY(!showsPlainText(file));
        const ToolRun check = ToolRun::of({ QStringLiteral("check"), file },
            current == QLatin1String(Database::Password) ? QByteArray() : answers({ current }));
        QCOMPARE(check.out, counts);
    }
    QVERIFY2(cutShort > 0, "no kill came while the re-key ran");
}

CORVANE_TEST(tst_ToolPassword)
