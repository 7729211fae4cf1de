#include "tst_ToolPassword.h"
#include "TestRegistry.h"

#include "TableDump.h"
#include "ToolInstallation.h"

#include "Database.h"
#include "DbError.h"

#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <QThread>

namespace {

const QString Probe = QStringLiteral("Plaintext Probe Office Supplies");
const QString BuiltIn = QString::fromLatin1(Database::Password);

// The file and the engine's side files, as anyone who copies them would read them.
bool showsPlainText(const QString &path)
{
    for (const char *suffix : { "", "-journal", "-wal" }) {
        const QByteArray bytes = ToolRun::contents(path + suffix);
        if (bytes.contains(Probe.toUtf8()) || bytes.contains("CREATE TABLE"))
            return true;
    }
    return false;
}

QString openingPassword(const QString &path, const QStringList &candidates)
{
    for (const QString &password : candidates) {
        try {
            if (Database::open(path, password)->integrityCheck() == "ok")
                return password;
        } catch (const DbError &) { }
    }
    return {};
}

// What the tool reads: the lines, and before them the file's own password if it has one.
QByteArray answers(QStringList lines, const QString &current = BuiltIn)
{
    if (current != BuiltIn)
        lines.prepend(current);
    if (lines.isEmpty())
        return {};
    return (lines.join('\n') + '\n').toUtf8();
}

} // namespace

// The file is in the write-ahead journal, as any opening leaves it, so the re-key goes through
// a rollback journal and back.
void tst_ToolPassword::setAndReturn()
{
    const QString file = path("own.db");
    QStringList before;
    {
        auto db = Database::create(file);
        db->execute("INSERT INTO Customer (Customer) VALUES (?)", { Probe });
        before = TableDump::allTables(*db);
    }
    ToolInstallation installation;
    const QString own = QStringLiteral("Sesame öffne dich");
    // A password of the file's own, then back (two empty answers): each time the new one opens
    // the file, with the same rows, and the old one does not.
    QString current = BuiltIn;
    for (const QString &next : { own, BuiltIn }) {
        const QStringList told
            = next == BuiltIn ? QStringList { QString(), QString() } : QStringList { own, own };
        const ToolRun run = installation.run({ "password", file }, answers(told, current));
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(!showsPlainText(file));
        QVERIFY_THROWS_EXCEPTION(DbError, Database::open(file, current));
        QCOMPARE(TableDump::allTables(*Database::open(file, next)), before);
        current = next;
        const ToolRun check = installation.run({ "check", file }, answers({}, current));
        QVERIFY2(check.out.startsWith("integrity: ok"), qPrintable(check.err));
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
    Database::create(
        file, said.contains("password is wrong") ? "known to the user alone" : BuiltIn);
    ToolInstallation installation;
    if (said.startsWith("Corvane"))
        QVERIFY(installation.startCorvane());
    const QByteArray before = ToolRun::contents(file);

    const ToolRun run = installation.run({ "password", file }, answers(input));
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(said), qPrintable(run.err));
    QCOMPARE(ToolRun::contents(file), before);
}

// The engine keeps the pages as they were in its journal until the re-key commits, so a run cut
// short anywhere leaves a file that the old password opens (the journal is rolled back), or, had
// it committed, the new one.
void tst_ToolPassword::killedMidRekey()
{
    const QString file = path("killed.db"), journal = file + "-journal";
    const ToolRun made = ToolRun::of({ "demo", file, "--customers", "8000" });
    QVERIFY2(made.exitCode == 0, qPrintable(made.err));
    const QString counts = ToolRun::of({ "check", file }).out;
    const qint64 size = QFileInfo(file).size();

    QString current = BuiltIn;
    int cutShort = 0;
    // Killed once the journal holds this share of the file.
    for (const double share : { 0.0, 0.2, 0.5, 0.8 }) {
        const QString next = QStringLiteral("key %1").arg(share);
        QProcess tool;
        tool.start(ToolRun::builtTool(), { "password", file });
        QVERIFY(tool.waitForStarted());
        tool.write(answers({ next, next }, current));
        tool.closeWriteChannel();
        while (!tool.readAllStandardOutput().contains("re-encrypting") && tool.waitForReadyRead())
            ;
        while (tool.state() == QProcess::Running && QFileInfo(journal).size() <= share * size)
            QThread::usleep(200);
        cutShort += QFileInfo::exists(journal);
        tool.kill();
        tool.waitForFinished();

        const QString opens = openingPassword(file, { next, current });
        QVERIFY2(!opens.isEmpty(),
            qPrintable(QStringLiteral("neither \"%1\" nor \"%2\" opens the file after a kill at %3")
                           .arg(next, current)
                           .arg(share)));
        current = opens;
        QVERIFY(!showsPlainText(file));
        QCOMPARE(ToolRun::of({ "check", file }, answers({}, current)).out, counts);
    }
    QVERIFY2(cutShort > 0, "no kill came while the re-key ran");
}

CORVANE_TEST(tst_ToolPassword)
