#include "TestRegistry.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

// The program killed while it writes a report file: the file asked for is either not there or
// whole, never a torso, and a file of that name from before stays whole until the new one is.

namespace {

const QString Writer = QStringLiteral(CORVANE_BUILD_DIR "/report_writer");

// What the writer has written so far into files of the folder it has open: the file it
// writes may have no name there until it is whole, so it is found among the process's open
// files.
qint64 bytesInProgress(qint64 pid, const QString &folder)
{
    qint64 bytes = 0;
    const QString fds = QStringLiteral("/proc/%1/fd/").arg(pid);
    for (const QString &fd : QDir(fds).entryList(QDir::AllEntries | QDir::System)) {
        const QByteArray link = QFile::encodeName(fds + fd);
        char target[4096];
        const ssize_t length = readlink(link.constData(), target, sizeof target);
        struct stat file;
        if (length > 0 && QFile::decodeName(QByteArray(target, length)).startsWith(folder)
            && stat(link.constData(), &file) == 0)
            bytes += file.st_size;
    }
    return bytes;
}

// Empty when the file is whole: a CSV list or a workbook with every row, or a PDF its reader
// accepts.
QString wholeProblem(const QString &format, const QString &path, int rows)
{
    if (format == QLatin1String("csv")) {
        QFile file(path);
        const qsizetype lines = file.open(QIODevice::ReadOnly) ? file.readAll().count("\r\n") : -1;
        return lines == rows + 1 ? QString() : QStringLiteral("%1 lines").arg(lines);
    }
    if (format == QLatin1String("xlsx")) {
        QProcess unzip;
        unzip.start(QStringLiteral("unzip"), { "-p", path, "xl/worksheets/sheet1.xml" });
        unzip.waitForFinished(-1);
        const qsizetype sheetRows = unzip.readAllStandardOutput().count("<row ");
        return unzip.exitCode() == 0 && sheetRows == rows + 1
            ? QString()
            : QStringLiteral("%1 rows, unzip %2").arg(sheetRows).arg(unzip.exitCode());
    }
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), { path });
    info.waitForFinished(-1);
    return info.exitCode() == 0 ? QString() : QString::fromUtf8(info.readAllStandardError());
}

} // namespace

class tst_KilledWrite : public QObject
{
    Q_OBJECT
private slots:
    void fileIsWholeOrAbsent_data();
    void fileIsWholeOrAbsent();
};

void tst_KilledWrite::fileIsWholeOrAbsent_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("rows"); // enough that writing can be cut at several points
    QTest::addColumn<bool>("existing"); // a whole file of that name is there from before
    for (const auto &[format, rows] :
        { std::pair { "csv", 400000 }, { "xlsx", 400000 }, { "pdf", 6000 } }) {
        QTest::addRow("%s, new", format) << QString(format) << rows << false;
        QTest::addRow("%s, over an older one", format) << QString(format) << rows << true;
    }
}

void tst_KilledWrite::fileIsWholeOrAbsent()
{
    QFETCH(QString, format);
    QFETCH(int, rows);
    QFETCH(bool, existing);
    QTemporaryDir dir;
    const QString name = QStringLiteral("list.") + format;
    const QString path = dir.filePath(name);
    const QStringList args = { format, path, QString::number(rows) };

    // A write left to finish: the size it reaches, and the file it leaves, whole.
    QCOMPARE(QProcess::execute(Writer, args), 0);
    QCOMPARE(wholeProblem(format, path, rows), QString());
    const qint64 size = QFileInfo(path).size();
    QVERIFY(QDir(dir.path()).entryList(QDir::Files) == QStringList { name });

    int cutHalfway = 0;
    for (const int percent : { 10, 30, 50, 70, 90 }) {
        if (!existing && QFile::exists(path))
            QVERIFY(QFile::remove(path));
        QProcess writer;
        writer.start(Writer, args);
        QVERIFY(writer.waitForStarted());
        while (writer.state() == QProcess::Running
            && bytesInProgress(writer.processId(), dir.path()) < size * percent / 100) {
            writer.waitForFinished(1);
        }
        if (writer.state() == QProcess::Running) {
            writer.kill();
            ++cutHalfway;
        }
        writer.waitForFinished(-1);
        QCOMPARE(QFile::exists(path) ? wholeProblem(format, path, rows) : QString(), QString());
        QVERIFY(QFile::exists(path) || !existing);
    }
    // The writes were indeed cut while they wrote, not only after they were done.
    QVERIFY(cutHalfway >= 3);
    // Nothing but the file asked for is ever seen in the folder.
    QCOMPARE(
        QDir(dir.path()).entryList(QDir::Files), existing ? QStringList { name } : QStringList());
}

CORVANE_TEST(tst_KilledWrite)
#include "tst_KilledWrite.moc"
