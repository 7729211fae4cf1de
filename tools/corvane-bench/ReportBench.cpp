#include "ReportBench.h"

#include "BenchFigures.h"

#include "DataGrid.h"
#include "Database.h"
#include "LiveWordIndex.h"
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
#include <sqlite3.h>

namespace {

// A figure of the process's memory from its status, in megabytes: VmHWM the most resident
// memory it has had, VmRSS what it holds now.
double statusMb(const QByteArray &figure)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(figure + ':'))
            return line.mid(figure.size() + 1).trimmed().split(' ').first().toDouble() / 1024;
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
    return statusMb("VmRSS");
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
    // The peak hides whatever is let go after it: what is held now is told beside it, and how
    // much of that is the database engine's (its page caches, its statements).
    return QStringLiteral(
        "%1.%2 median_ms=%3 rows=%4 pages=%5 peak_mb=%6 rss_mb=%7 engine_mb=%8 cpu_ms=%9%10")
        .arg(scale.name, QLatin1String(name))
        .arg(median(t.ms), 0, 'f', 1)
        .arg(rows)
        .arg(t.pages)
        .arg(statusMb("VmHWM"), 0, 'f', 0)
        .arg(statusMb("VmRSS"), 0, 'f', 0)
        .arg(double(sqlite3_memory_used()) / (1 << 20), 0, 'f', 0)
        .arg(median(t.cpuMs), 0, 'f', 1)
        .arg(QStringLiteral(" engine_peak_mb=%1%2")
                 .arg(double(sqlite3_memory_highwater(0)) / (1 << 20), 0, 'f', 0)
                 .arg(extra));
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
        // The navigator's word index is read in the background meanwhile; its memory is
        // counted whole before the reports, not in whichever line it happens to end in.
        if (LiveWordIndex *index = form->wordIndex())
            index->waitForRead();
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
            // Once: every page of the whole base counted, and the memory that holds afterwards;
            // own_mb is the peak above what the process held before: what the report itself
            // took, or more when the process had been higher before.
            const double before = statusMb("VmRSS");
            const Timing t = timeRuns(1, [&] {
                const int before = r.paints();
                r.print();
                r.waitForPaint(before);
                return r.control()->pages()->pageCount();
            });
            lines << line(scale, "report_count_all", t, rows,
                QStringLiteral(" own_mb=%1").arg(statusMb("VmHWM") - before, 0, 'f', 0));
            // Paging back once every page is known: the last page, the first, the middle one,
            // each from the button to the page painted; median_ms is the middle of the three.
            Timing back;
            back.pages = t.pages;
            QString each;
            for (const auto &[name, page] :
                { std::pair { "last", t.pages - 1 }, { "first", 0 }, { "middle", t.pages / 2 } }) {
                const Timing go = timeRuns(1, [&] {
                    const int before = r.paints();
                    r.control()->goToPage(page);
                    r.waitForPaint(before);
                    return t.pages;
                });
                back.ms << go.ms;
                back.cpuMs << go.cpuMs;
                each += QStringLiteral(" %1_ms=%2")
                            .arg(QLatin1String(name))
                            .arg(go.ms.first(), 0, 'f', 1);
            }
            lines << line(scale, "report_page_back", back, rows, each);
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
            ReportJobRunner::runToEnd(job);
            return 0;
        });
        lines << line(scale, "export_xlsx", xlsx, rows,
            QStringLiteral(" own_mb=%1").arg(statusMb("VmHWM") - held, 0, 'f', 0));
        main.close();
    }
    gDatabase.reset();
    return lines;
}
