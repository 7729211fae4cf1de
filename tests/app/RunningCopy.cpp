#include "RunningCopy.h"

#include "ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

// What /proc tells of a process: its scheduling state and the CPU time it has used.
struct ProcessState
{
    char state = '?';
    qint64 ticks = -1;
    bool operator==(const ProcessState &) const = default;
};

ProcessState processState(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    const QByteArray line = stat.readAll();
    // The fields after the command name, which is in parentheses and may hold blanks.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return {};
    return { fields[0].at(0), fields[11].toLongLong() + fields[12].toLongLong() };
}

bool hasOpen(qint64 pid, const QString &path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QFileInfo &fd : fds.entryInfoList(QDir::Files | QDir::System))
        if (fd.symLinkTarget() == target)
            return true;
    return false;
}

} // namespace

RunningCopy::~RunningCopy()
{
    kill();
}

QString RunningCopy::start(const ProgramFolder &folder, const QString &databasePath)
{
    const QString built = QStringLiteral(CORVANE_BUILD_DIR "/corvane");
    const QString copy = folder.filePath(QStringLiteral("corvane"));
    if (!QFile::copy(built, copy))
        return QStringLiteral("cannot copy %1 (is the corvane program built?)").arg(built);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    m_process.setProcessEnvironment(env);
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
    // Started from elsewhere: the copy finds its config.txt by its own folder.
    m_process.setWorkingDirectory(QDir::tempPath());
    m_process.start(copy, {});
    if (!m_process.waitForStarted())
        return QStringLiteral("cannot start the copy: %1").arg(m_process.errorString());

    for (int tries = 0; tries < 600; ++tries) {
        if (!running())
            return QStringLiteral("the copy ended with status %1").arg(m_process.exitCode());
        if (settled(databasePath))
            return {};
        QTest::qWait(50);
    }
    return QStringLiteral("the copy did not settle within 30 seconds");
}

// Asking the guard itself would be no good: holding it even for a moment while the copy checks
// it would turn the copy away. The copy checks it right after opening its database (which takes
// a while: the key is derived slowly on purpose) and then waits for events, so a copy that has
// its database open and sleeps without using the processor is past the check.
bool RunningCopy::settled(const QString &databasePath)
{
    const qint64 pid = m_process.processId();
    if (!hasOpen(pid, databasePath))
        return false;
    const ProcessState before = processState(pid);
    QTest::qWait(200);
    const ProcessState after = processState(pid);
    return before.state == 'S' && before == after;
}

void RunningCopy::kill()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished();
    }
}
