#include "ToolProcess.h"

#include <QFile>
#include <QProcess>
#include <QTest>

ToolRun ToolRun::of(const QStringList &arguments, const QByteArray &input, const QString &program)
{
    QProcess process;
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForStarted(10000)) {
        QTest::qFail("corvane-db did not start", __FILE__, __LINE__);
        return run;
    }
    // A tool that asks more than the test answers meets the end of its input, never a wait.
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000)) {
        QTest::qFail("corvane-db did not finish", __FILE__, __LINE__);
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QByteArray ToolRun::contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
