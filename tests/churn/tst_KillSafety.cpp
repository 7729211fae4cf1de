#include "ChurnModel.h"
#include "Database.h"
#include "DbError.h"
#include "ScratchDatabase.h"
#include "TestRegistry.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <QThread>

namespace {

constexpr int Kills = 50;
// Where the engine keeps what a transaction needs to be undone or finished: the rollback
// journal, or the write-ahead log with its index.
const QStringList JournalEndings { "-journal", "-wal", "-shm" };

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A rollback journal the engine must play back on opening. Its header is marked valid only
// once it holds every page about to be overwritten; the engine ignores one whose first byte
// is zero.
bool isHotJournal(const QString &path)
{
    const QByteArray bytes = fileBytes(path);
    return !bytes.isEmpty() && bytes.at(0) != '\0';
}

// Adds the first word of every customer name the run wrote. The names are made of a few words
// and numbers, so a file without any of these words holds none of the names in plain text.
void addNameWords(const QByteArray &output, QSet<QByteArray> &words)
{
    for (const QByteArray &line : output.split('\n')) {
        const QList<QByteArray> parts = line.split('\t'); // mark, kind, name, fields
        if (parts.size() > 2)
            words << parts.at(2).split(' ').first();
        if (parts.size() > 3 && parts.at(1) == "rename")
            words << parts.at(3).split(' ').first();
    }
}

// The lines of 'all' that 'some' lacks, one to a line.
QString missingFrom(const QStringList &some, const QStringList &all)
{
    QStringList lacking = all;
    lacking.removeIf([&](const QString &line) { return some.contains(line); });
    return lacking.join(QStringLiteral("\n  "));
}

} // namespace

// The program may be killed at any moment: whatever it reported stored is in the file whole,
// and a change it was making when it died is either all there or not there at all.
class tst_KillSafety : public QObject
{
    Q_OBJECT
private slots:
    void killedAtAnyMoment();

private:
    // One run of the churn program on the file, killed after 'pause' ms, and the file checked.
    void killOnce(int kill, int pause);

    QString m_path;
    quint32 m_seed = 0;
    ChurnModel m_model;
    int m_begun = 0;
    int m_begunStored = 0;
    QSet<QByteArray> m_nameWords;
};

void tst_KillSafety::killedAtAnyMoment()
{
    bool given = false;
    m_seed = qEnvironmentVariable("CORVANE_KILL_SEED").toUInt(&given);
    if (!given)
        m_seed = QRandomGenerator::global()->generate();
    ScratchDatabase scratch;
    scratch.close();
    m_path = scratch.path();

    QElapsedTimer clock;
    clock.start();
    QRandomGenerator pace(m_seed);
    for (int kill = 0; kill < Kills; ++kill) {
        killOnce(kill, int(pace.bounded(3, 300)));
        if (QTest::currentTestFailed())
            return;
    }
    qInfo("%d kills survived, %d changes verified; %d kills came during a change (%d of those "
          "found stored); %lld ms",
        Kills, m_model.changesApplied(), m_begun, m_begunStored, clock.elapsed());
}

void tst_KillSafety::killOnce(int kill, int pause)
{
    const QString where = QStringLiteral(" (CORVANE_KILL_SEED=%1, kill %2)").arg(m_seed).arg(kill);
    QProcess churn;
    churn.start(QStringLiteral(CORVANE_BUILD_DIR "/corvane-churn"),
        { m_path, QString::number(m_seed + quint32(kill)) });
    QByteArray output;
    while (!output.contains("ready\n")) {
        QVERIFY2(churn.waitForReadyRead(30000),
            qPrintable(QString::fromUtf8(churn.readAllStandardError()) + where));
        output += churn.readAllStandardOutput();
    }
    QThread::msleep(pause);
    churn.kill();
    QVERIFY(churn.waitForFinished());
    output += churn.readAllStandardOutput();
    QVERIFY2(churn.exitStatus() == QProcess::CrashExit,
        qPrintable("the churn program ended by itself: "
            + QString::fromUtf8(churn.readAllStandardError()) + where));

    // The file and what the engine left beside it, as the kill left them, hold no name in plain
    // text.
    addNameWords(output, m_nameWords);
    for (const QString &ending : QStringList { QString() } + JournalEndings) {
        const QByteArray bytes = fileBytes(m_path + ending);
        for (const QByteArray &word : std::as_const(m_nameWords))
            QVERIFY2(!bytes.contains(word), qPrintable(m_path + ending + " holds " + word + where));
    }

    QString problem;
    const QStringList begun = m_model.takeRun(output, &problem);
    QVERIFY2(problem.isEmpty(), qPrintable(problem + where));
    QString integrity;
    QStringList stored;
    try {
        const std::unique_ptr<Database> db = Database::open(m_path);
        integrity = db->integrityCheck();
        stored = ChurnModel::stored(*db);
    } catch (const DbError &error) {
        QFAIL(qPrintable(error.message() + where));
    }
    QVERIFY2(integrity == QLatin1String("ok"), qPrintable(integrity + where));
    if (!begun.isEmpty()) {
        ++m_begun;
        // A change under way when the kill came is kept whole or not at all.
        if (stored != m_model.expected()) {
            m_model.apply(begun);
            ++m_begunStored;
        }
    }
    const QStringList expected = m_model.expected();
    QVERIFY2(stored == expected,
        qPrintable(
            QStringLiteral("the file holds rows it should not:\n  %1\nand lacks:\n  %2\n%3%4")
                .arg(missingFrom(expected, stored), missingFrom(stored, expected),
                    begun.isEmpty() ? QString() : "begun: " + begun.join(' '), where)));
    // Opening rolled back an unfinished change and closing wrote the log into the file. The
    // engine leaves a rollback journal it never needed (killed before it marked the journal
    // valid, so the file was not yet written): such a journal is cold, and deleting it from
    // here could take away a journal another program is just writing.
    QVERIFY2(!isHotJournal(m_path + JournalEndings.first()), qPrintable("hot journal" + where));
    for (const QString &ending : JournalEndings.mid(1))
        QVERIFY2(!QFile::exists(m_path + ending), qPrintable(m_path + ending + where));
}

CORVANE_TEST(tst_KillSafety)
#include "tst_KillSafety.moc"
