#include "SearchBench.h"

#include "BenchFigures.h"

#include "BareEngine.h"
#include "DataGrid.h"
#include "Database.h"
#include "DatePicker.h"
#include "DemoGenerator.h"
#include "LiveWordIndex.h"
#include "MDI.h"
#include "MainMod.h"
#include "Recordset.h"
#include "frmNavigator.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <ctime>
#include <functional>

namespace {

struct Search
{
    const char *name;
    std::function<void(frmNavigator &)> set;
};

QString firstValue(const QString &sql)
{
    Recordset rs = gDatabase->openRecordset(sql);
    return rs.eof() ? QString() : rs.field(0).toString();
}

void pickCity(frmNavigator &form, const QString &city)
{
    form.cmbCity->setCurrentIndex(form.cmbCity->findText(city, Qt::MatchFixedString));
}

void checkMonth(QCheckBox *box, DatePicker *start, DatePicker *stop)
{
    box->setChecked(true);
    start->setDate(QDate(2026, 12, 1));
    stop->setDate(QDate(2026, 12, 31));
}

// The searches, with values taken from the data so that each finds something.
QList<Search> searches()
{
    const QString city = firstValue(
        "SELECT City FROM Customer GROUP BY City ORDER BY count(*) DESC, City LIMIT 1");
    const QString brand = firstValue("SELECT Brand FROM Equipment ORDER BY ID LIMIT 1").toLower();
    const QString caller = firstValue("SELECT Telemarketer FROM Telemarket ORDER BY ID LIMIT 1");
    return {
        { "none", [](frmNavigator &) {} },
        { "city", [city](frmNavigator &f) { pickCity(f, city); } },
        { "lease_month",
            [](frmNavigator &f) {
                checkMonth(f.chkLeaseEnds, f.dtLeaseEndsStart, f.dtLeaseEndsStop);
            } },
        { "callback_month",
            [](frmNavigator &f) {
                checkMonth(f.chkCallBack, f.dtCallBackStart, f.dtCallBackStop);
            } },
        { "one_word", [brand](frmNavigator &f) { f.txtSearch->setText(brand); } },
        { "two_words",
            [brand, caller](frmNavigator &f) {
                f.txtSearch->setText(brand);
                f.txtSearch2->setText(caller);
            } },
        { "city_word",
            [city, brand](frmNavigator &f) {
                pickCity(f, city);
                f.txtSearch->setText(brand);
            } },
        // Letters no demo text holds: every row is read and none is found.
        { "no_match_word", [](frmNavigator &f) { f.txtSearch->setText(QStringLiteral("qzxqj")); } },
    };
}

struct Timings
{
    QList<double> wall;
    QList<double> cpu;

    void add(const std::function<void()> &action)
    {
        QElapsedTimer timer;
        const double cpuBefore = processorMs();
        timer.start();
        action();
        wall << double(timer.nsecsElapsed()) / 1e6;
        cpu << processorMs() - cpuBefore;
    }
};

// The window thread's own processor time: the word index is read on another thread meanwhile.
double windowThreadMs()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double timeIt(const std::function<void()> &action)
{
    Timings t;
    t.add(action);
    return t.wall.first();
}

// The menu command to the navigator shown with its four lists filled, from a closed navigator.
QString timeNavigatorOpen(const BenchScale &scale, MDI &main, frmNavigator *form, int runs)
{
    QAction *command = main.findChild<QAction *>(QStringLiteral("CustomerNavigator"));
    Timings t;
    for (int i = 0; i < runs; ++i) {
        form->parentWidget()->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        t.add([&] {
            command->trigger();
            QApplication::processEvents();
        });
        form = main.findChild<frmNavigator *>();
    }
    return QStringLiteral("%1.navigator_open median_ms=%2 cpu_ms=%3 lists=%4")
        .arg(scale.name)
        .arg(median(t.wall), 0, 'f', 1)
        .arg(median(t.cpu), 0, 'f', 1)
        .arg(form->cmbCity->count() + form->cmbZip->count() + form->cmbType->count()
            + form->cmbCustomer->count());
}

// A customer saved as the customer window saves it: read, one field changed, written back.
QList<double> timeSaves(const QString &name, int runs, const std::function<void()> &after)
{
    QList<double> ms;
    for (int i = 0; i < runs; ++i) {
        ms << timeIt([&] {
            Recordset rs = gDatabase->openRecordset(
                QStringLiteral("SELECT * FROM Customer WHERE Customer = ?"), { name });
            rs.edit();
            rs.setField(QStringLiteral("Address2"), i % 2 ? "Suite 1" : "Suite 2");
            rs.update();
        });
        after();
    }
    return ms;
}

void ensureDatabase(const BenchScale &scale, const QString &path)
{
    if (QFileInfo::exists(path))
        return;
    std::fprintf(stderr, "making %s with %d customers...\n", qPrintable(path), scale.customers);
    auto db = Database::create(path);
    generateDemoData(*db, scale.customers);
}

} // namespace

QStringList runSearchBench(
    const BenchScale &scale, const QString &path, int runs, const QString &only, bool withBare)
{
    ensureDatabase(scale, path);
    gDatabase = Database::open(path);
    BareEngine bare(path);
    // Saves with no navigator open, which logs no changed rows.
    const QString saved = firstValue(QStringLiteral("SELECT Customer FROM Customer LIMIT 1"));
    const QList<double> savesClosed = timeSaves(saved, 41, [] {});

    MDI main;
    main.show();
    QElapsedTimer sinceOpen;
    sinceOpen.start();
    const double cpuAtOpen = processorMs();
    auto *form = main.registry().open<frmNavigator>();
    form->parentWidget()->showMaximized();
    QApplication::processEvents();

    QStringList lines;
    const QList<Search> all = searches();
    // The first search with a word right after the window opened: the word index is still
    // being read, on another thread, so the search takes the engine's path.
    if (only.isEmpty() || only == QLatin1String("first_one_word")) {
        all[4].set(*form);
        Timings first;
        const double threadBefore = windowThreadMs();
        first.add([form] {
            form->UpdateGrids();
            QApplication::processEvents();
        });
        lines << QStringLiteral("%1.first_one_word median_ms=%2 cpu_ms=%3 window_cpu_ms=%4 rows=%5")
                     .arg(scale.name)
                     .arg(first.wall.first(), 0, 'f', 1)
                     .arg(first.cpu.first(), 0, 'f', 1)
                     .arg(windowThreadMs() - threadBefore, 0, 'f', 1)
                     .arg(form->vsfgCustomers->rows() - 1);
    }
    if (LiveWordIndex *index = form->wordIndex()) {
        index->waitForRead();
        index->current(*gDatabase);
        lines << QStringLiteral("%1.word_index ready_ms=%2 cpu_ms=%3 mb=%4")
                     .arg(scale.name)
                     .arg(double(sinceOpen.nsecsElapsed()) / 1e6, 0, 'f', 1)
                     .arg(processorMs() - cpuAtOpen, 0, 'f', 1)
                     .arg(double(index->bytes()) / (1 << 20), 0, 'f', 1);
    }
    for (const Search &search : all) {
        if (!only.isEmpty() && only != QLatin1String(search.name))
            continue;
        form->btnClear->click();
        search.set(*form);
        // End to end: the statement, the grid filled and fitted, and the window ready to paint.
        auto ours = [form] {
            form->UpdateGrids();
            QApplication::processEvents();
        };
        ours();
        Timings oursT;
        for (int i = 0; i < runs; ++i)
            oursT.add(ours);
        const QList<double> &oursMs = oursT.wall;

        const QString bareSql = BareEngine::bareStatement(form->searchSQL());
        const int rows = form->vsfgCustomers->rows() - 1;
        int bareRows = rows;
        QList<double> bareMs { 0 };
        if (withBare) {
            bareRows = bare.run(bareSql);
            bareMs.clear();
            for (int i = 0; i < runs; ++i)
                bareMs << timeIt([&] { bareRows = bare.run(bareSql); });
        }

        const double x = median(oursMs), y = median(bareMs);
        QString line = QStringLiteral("%1.%2 median_ms=%3 cpu_ms=%4 bare_ms=%5 ratio=%6 rows=%7")
                           .arg(scale.name, QLatin1String(search.name))
                           .arg(x, 0, 'f', 1)
                           .arg(median(oursT.cpu), 0, 'f', 1)
                           .arg(y, 0, 'f', 1)
                           .arg(x / y, 0, 'f', 3)
                           .arg(rows);
        if (rows != bareRows)
            line += QStringLiteral(" MISMATCH bare_rows=%1").arg(bareRows);
        lines << line;
    }
    // Saves with the navigator open, then what the next search spends bringing its index up to
    // date with the saved row.
    if (LiveWordIndex *index = form->wordIndex(); index && only.isEmpty()) {
        QList<double> follow;
        const QList<double> savesOpen
            = timeSaves(saved, 41, [&] { follow << timeIt([&] { index->current(*gDatabase); }); });
        lines << QStringLiteral("%1.customer_save median_ms=%2 navigator_open_ms=%3 follow_ms=%4")
                     .arg(scale.name)
                     .arg(median(savesClosed), 0, 'f', 3)
                     .arg(median(savesOpen), 0, 'f', 3)
                     .arg(median(follow), 0, 'f', 3);
    }
    if (only.isEmpty() || only == QLatin1String("navigator_open"))
        lines << timeNavigatorOpen(scale, main, form, runs);
    main.close();
    gDatabase.reset();
    return lines;
}
