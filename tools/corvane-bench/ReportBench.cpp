#include "ReportBench.h"

#include "BenchFigures.h"

#include "DataGrid.h"
#include "Database.h"
#include "MDI.h"
#include "MainMod.h"
#include "ReportCsvJob.h"
#include "ReportJobRunner.h"
#include "ReportPageView.h"
#include "ReportPages.h"
#include "ReportViewer.h"
#include "ReportWorkbook.h"
#include "Viewer.h"
#include "frmNavReport.h"
#include "frmNavigator.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <ctime>
#include <functional>

namespace {

// A figure of the process's memory in megabytes: "VmHWM:" the most it has had resident since
// it started or since forgetPeak, "VmRSS:" what it has resident now.
double memoryMb(const char *field = "VmHWM:")
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

// Starts the peak afresh from what the process holds now (the pages of the reports timed
// before), so that the memory a later line's own work adds can be told apart; that memory
// comes out as own_mb.
double forgetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
    return memoryMb("VmRSS:");
}

struct Timing
{
    QList<double> ms;
    QList<double> cpuMs; // the process's own processor time: what a shared machine cannot inflate
    int pages = 0;
};

Timing timeRuns(int runs, const std::function<int()> &run)
{
    Timing t;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const double cpu = processorMs();
        t.pages = run();
        t.ms << double(timer.nsecsElapsed()) / 1e6;
        t.cpuMs << processorMs() - cpu;
    }
    return t;
}

class Runner
{
public:
    explicit Runner(MDI &main)
        : m_main(main)
    { }

    frmNavigator *navigator() { return m_main.registry().find<frmNavigator>(); }
    ReportViewer *control() { return m_main.registry().find<Viewer>()->CRViewer; }

    void print()
    {
        navigator()->btnPrint->click();
        m_main.registry().find<frmNavReport>()->btnPrint->click();
    }
    void exportList() { navigator()->btnExport->click(); }

    int paints() { return m_main.registry().find<Viewer>() ? control()->pageView()->paints() : 0; }
    // Until the viewer has painted a page since it had painted `before`.
    void waitForPaint(int before)
    {
        while (paints() <= before)
            QApplication::processEvents();
    }

private:
    MDI &m_main;
};

QString line(const BenchScale &scale, const char *name, const Timing &t, int rows,
    const QString &extra = QString())
{
    return QStringLiteral("%1.%2 median_ms=%3 rows=%4 pages=%5 peak_mb=%6 cpu_ms=%7%8")
        .arg(scale.name, QLatin1String(name))
        .arg(median(t.ms), 0, 'f', 1)
        .arg(rows)
        .arg(t.pages)
        .arg(memoryMb(), 0, 'f', 0)
        .arg(median(t.cpuMs), 0, 'f', 1)
        .arg(extra);
}

} // namespace

QStringList runReportBench(
    const BenchScale &scale, const QString &path, int runs, const QString &pdfCopy)
{
    gDatabase = Database::open(path);
    QStringList lines;
    {
        MDI main;
        main.show();
        auto *form = main.registry().open<frmNavigator>();
        form->parentWidget()->showMaximized();
        QApplication::processEvents();
        form->btnFind->click(); // no criteria: every customer
        QApplication::processEvents();
        const int rows = form->vsfgCustomers->rows() - 1;
        Runner r(main);
        QTemporaryDir dir;

        auto firstPage = [&](const char *name, const std::function<void()> &open) {
            Timing t = timeRuns(runs, [&] {
                const int before = r.paints();
                open();
                r.waitForPaint(before);
                return r.control()->pages()->pagesKnown();
            });
            // Counting every page is what the viewer does in idle time after the first one;
            // at L that takes minutes, so there pages= is what was known at the first paint.
            QString extra;
            if (scale.name == QLatin1String("M")) {
                QElapsedTimer count;
                count.start();
                t.pages = r.control()->pages()->pageCount();
                extra = QStringLiteral(" count_all_ms=%1").arg(double(count.elapsed()), 0, 'f', 0);
            }
            lines << line(scale, name, t, rows, extra);
        };
        firstPage("report_first_page", [&] { r.print(); });
        firstPage("export_first_page", [&] { r.exportList(); });
        if (scale.name == QLatin1String("L")) {
            // Once: every page of the whole base counted, and the memory that holds afterwards.
            const Timing t = timeRuns(1, [&] {
                const int before = r.paints();
                r.print();
                r.waitForPaint(before);
                return r.control()->pages()->pageCount();
            });
            lines << line(scale, "report_count_all", t, rows);
        }

        if (scale.name == QLatin1String("M")) {
            const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
            // Three runs: the median of a run of several seconds settles quickly.
            const Timing t = timeRuns(std::min(runs, 3), [&] {
                r.print();
                r.control()->pages()->writePdf(pdf);
                return r.control()->pages()->pagesKnown();
            });
            lines << line(scale, "report_pdf", t, rows);
            if (!pdfCopy.isEmpty()) {
                QFile::remove(pdfCopy);
                QFile::copy(pdf, pdfCopy);
            }
        }
        const Timing csv = timeRuns(runs, [&] {
            r.exportList();
            // Run to its end in one go: the slices the viewer would spread over its idle time.
            ReportCsvJob job(
                r.control()->pages()->report(), dir.filePath(QStringLiteral("list.csv")));
            ReportJobRunner::runToEnd(job);
            return 0;
        });
        lines << line(scale, "export_csv", csv, rows);
        const double held = forgetPeak();
        const Timing xlsx = timeRuns(runs, [&] {
            r.exportList();
            ReportWorkbook job(r.control()->pages()->report(), dir.filePath("list.xlsx"));
            while (job.step()) { }
            job.finish(nullptr);
            return 0;
        });
        lines << line(scale, "export_xlsx", xlsx, rows,
            QStringLiteral(" own_mb=%1").arg(memoryMb() - held, 0, 'f', 0));
        main.close();
    }
    gDatabase.reset();
    return lines;
}
