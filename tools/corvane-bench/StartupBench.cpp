#include "StartupBench.h"

#include "BenchFigures.h"

#include "MDI.h"
#include "MainMod.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>

namespace {

// Milliseconds from starting the process to its "shown", or a negative value when it failed.
double timeOneStart(const QString &folder)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    child.start(
        QCoreApplication::applicationFilePath(), { QLatin1String(StartupChildArgument), folder });
    QByteArray said;
    while (!said.contains("shown") && child.waitForReadyRead(30000))
        said += child.readAllStandardOutput();
    const double ms = said.contains("shown") ? double(timer.nsecsElapsed()) / 1e6 : -1;
    if (!child.waitForFinished(30000))
        child.kill();
    return ms;
}

} // namespace

QStringList runStartupBench(const BenchScale &scale, const QString &path, int runs)
{
    QTemporaryDir folder;
    QFile config(folder.filePath(QStringLiteral("config.txt")));
    if (!config.open(QIODevice::WriteOnly))
        return { QStringLiteral("%1.startup FAILED: no config.txt").arg(scale.name) };
    config.write(
        QStringLiteral("\"Corvane configuration\"\n\"Database\",%1\n\"Call back months\",6\n")
            .arg(path)
            .toUtf8());
    config.close();

    QList<double> ms;
    for (int i = 0; i < runs; ++i) {
        const double run = timeOneStart(folder.path());
        if (run < 0)
            return { QStringLiteral("%1.startup FAILED: no main window").arg(scale.name) };
        ms << run;
    }
    return { QStringLiteral("%1.startup median_ms=%2").arg(scale.name).arg(median(ms), 0, 'f', 1) };
}

int startupChild(const QString &programFolder)
{
    setProgramFolder(programFolder);
    if (const int status = Main(); status != 0)
        return status;
    QWindow *window = mainWindow()->windowHandle();
    while (!window || !window->isExposed()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        window = mainWindow()->windowHandle();
    }
    std::printf("shown\n");
    std::fflush(stdout);
    endRun();
    return 0;
}
