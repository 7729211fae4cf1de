#include "ToolProcess.h"

#include <QProcess>
#include <QTest>

ToolRun ToolRun::of(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(CORVANE_BUILD_DIR "/corvane-db"), arguments);
    ToolRun run;
    if (!process.waitForStarted(10000) || !process.waitForFinished(120000)) {
        QTest::qFail("corvane-db did not start or did not finish", __FILE__, __LINE__);
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
