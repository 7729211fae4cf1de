#include "Report.h"
#include "ReportCsvJob.h"
#include "ReportJobRunner.h"
#include "ReportPages.h"
#include "ReportTestData.h"
#include "TestRegistry.h"

#include <QFile>
#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>
#include <QTest>
#include <limits>
#include <numeric>

using namespace ReportTestData;

namespace {

// The pages of the test layout over customers (name, city) and their machines (owner, brand).
std::unique_ptr<ReportPages> openPages(
    const QList<QStringList> &customers, const QList<QStringList> &machines)
{
    auto report = std::make_unique<Report>(ReportLayout::fromJson(Layout));
    report->OpenSubreport("Sub")->table(1).setDataSource(
        std::make_unique<ListSource>(QStringList { "Owner", "Brand" }, machines), 3);
    report->table(1).setDataSource(
        std::make_unique<ListSource>(QStringList { "Customer", "City" }, customers), 3);
    report->DiscardSavedData();
    report->ReadRecords();
    return std::make_unique<ReportPages>(std::move(report));
}

} // namespace

// Pages laid out as far as they are asked for, in any order, from rows that may have been let
// go and read again, with each subreport's rows beside their entry.
class tst_ReportPaging : public QObject
{
    Q_OBJECT
private slots:
    void subreportRowsMatchTheirEntry();
    void subreportRowsLetGoAreFoundAgain_data();
    void subreportRowsLetGoAreFoundAgain();
    void firstReadingGoesOnWhereItStood_data();
    void firstReadingGoesOnWhereItStood();
    void pagesAreLaidOutAsAskedFor();
    void pagesLaidOutAgainAfterTheirRowsWentAreUnchanged_data();
    void pagesLaidOutAgainAfterTheirRowsWentAreUnchanged();
    void pagesDrawTheSameInAnyOrder_data();
    void pagesDrawTheSameInAnyOrder();
    void rowsOfVeryManyLinesKeepThemAll();
};

void tst_ReportPaging::subreportRowsMatchTheirEntry()
{
    Report report(ReportLayout::fromJson(Layout));
    int subRead = 0;
    report.OpenSubreport("Sub")->table(1).setDataSource(
        std::make_unique<ListSource>(QStringList { "Owner", "Brand" },
            QList<QStringList> { { "acme", "Ricoh" }, { "ACME", "Xerox" }, { "Baker", "Canon" },
                { "Zed", "Kyocera" } },
            &subRead),
        3);
    report.table(1).setDataSource(
        std::make_unique<ListSource>(QStringList { "Customer", "City" },
            QList<QStringList> { { "Acme", "Salem" }, { "Baker", "Bend" } }),
        3);
    report.DiscardSavedData();
    report.ReadRecords();
    ReportTable &sub = report.OpenSubreport("Sub")->table(1);
    QCOMPARE(sub.rowsMatching("Acme"), (std::vector<int> { 0, 1 }));
    // Reading stopped once past Acme's rows, not at the end of the table.
    QVERIFY(subRead < 4);
    QCOMPARE(sub.rowsMatching("baker"), (std::vector<int> { 2 }));
    QCOMPARE(sub.rowsMatching("Nobody"), std::vector<int> {});
    QCOMPARE(sub.text(1, 1), QString("Xerox"));
}

void tst_ReportPaging::subreportRowsLetGoAreFoundAgain_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("from"); // the rows found, [from, to)
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("readAgain"); // at most, in rows
    // Blocks of 256 rows: A 0-99, B 100-299, C 300-1099, E 1100-1299; the last block stays.
    QTest::newRow("in the first block") << "a" << 0 << 100 << 256;
    QTest::newRow("over a block's end") << "B" << 100 << 300 << 512;
    QTest::newRow("filling blocks between") << "c" << 300 << 1100 << 512;
    QTest::newRow("into the last block") << "E" << 1100 << 1300 << 256;
    QTest::newRow("between two names") << "D" << 0 << 0 << 256;
    QTest::newRow("before the first") << "0" << 0 << 0 << 0;
    QTest::newRow("after the last") << "Z" << 0 << 0 << 0;
}

void tst_ReportPaging::subreportRowsLetGoAreFoundAgain()
{
    QFETCH(QString, value);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, readAgain);
    QList<QStringList> rows;
    for (int r = 0; r < 1300; ++r)
        rows << QStringList { r < 100 ? "A"
                : r < 300             ? "B"
                : r < 1100            ? "C"
                                      : "e",
            QString::number(r) };
    int read = 0;
    ReportTable table;
    table.setDataSource(std::make_unique<ListSource>(
                            QStringList { "Owner", "Row" }, rows, &read, ListSource::Seek::Exact),
        3);
    table.setLinkColumn("Owner");
    table.setRowBudget(1);
    table.readAll();
    QCOMPARE(table.rowsHeld(), 1300 - 5 * ReportTable::BlockRows);
    read = 0;
    std::vector<int> expected(size_t(to - from));
    std::iota(expected.begin(), expected.end(), from);
    QCOMPARE(table.rowsMatching(value), expected);
    QVERIFY2(read <= readAgain, qPrintable(QString::number(read)));
    if (from < to)
        QCOMPARE(table.text(to - 1, 1), QString::number(to - 1));
}

void tst_ReportPaging::firstReadingGoesOnWhereItStood_data()
{
    QTest::addColumn<ListSource::Seek>("seek");
    QTest::addColumn<bool>("tried"); // whether a new reader is tried at all
    QTest::newRow("sought") << ListSource::Seek::Exact << true;
    QTest::newRow("sought wrongly") << ListSource::Seek::Wrong << true;
    QTest::newRow("cannot seek") << ListSource::Seek::None << false;
}

// A long first reading goes on from new readers of the source: every row comes once, in
// order, also where one name's rows (in changing letter case) go on past the point where the
// reader is handed on, and where a new reader does not stand where the old one did.
void tst_ReportPaging::firstReadingGoesOnWhereItStood()
{
    QFETCH(ListSource::Seek, seek);
    QFETCH(bool, tried);
    const QStringList cases { "Name %1", "NAME %1", "name %1" };
    QList<QStringList> rows;
    for (int r = 0; r < 6000; ++r)
        rows << QStringList { cases[r % 3].arg(r / 700, 2, 10, QChar('0')), QString::number(r) };
    int read = 0;
    ReportTable table;
    table.setDataSource(
        std::make_unique<ListSource>(QStringList { "Owner", "Row" }, rows, &read, seek), 3);
    table.setRowBudget(std::numeric_limits<qint64>::max());
    table.readAll();
    QCOMPARE(table.rowsRead(), 6000);
    for (int r = 0; r < 6000; ++r)
        QCOMPARE(table.text(r, 1), QString::number(r));
    // A new reader reads the last row again, to be sure where it stands.
    QCOMPARE(read > 6000, tried);
}

void tst_ReportPaging::pagesAreLaidOutAsAskedFor()
{
    QList<QStringList> customers, machines;
    for (int i = 0; i < 400; ++i) {
        const QString name = QString("C%1").arg(i, 4, 10, QChar('0'));
        customers << QStringList { name, "Salem" };
        for (int m = 0; m < i % 5; ++m)
            machines << QStringList { name, "Brand" };
    }
    int customersRead = 0;
    auto report = std::make_unique<Report>(ReportLayout::fromJson(Layout));
    report->OpenSubreport("Sub")->table(1).setDataSource(
        std::make_unique<ListSource>(QStringList { "Owner", "Brand" }, machines), 3);
    report->table(1).setDataSource(
        std::make_unique<ListSource>(QStringList { "Customer", "City" }, customers, &customersRead),
        3);
    report->DiscardSavedData();
    report->ReadRecords();
    ReportPages pages(std::move(report));
    QVERIFY(pages.hasPage(0));
    QVERIFY(!pages.complete());
    QVERIFY2(customersRead < 40, "the first page must not read the whole table");
    const int count = pages.pageCount();
    QVERIFY(count > 10);
    QCOMPARE(customersRead, 400);
    QVERIFY(!pages.hasPage(count));
}

void tst_ReportPaging::pagesLaidOutAgainAfterTheirRowsWentAreUnchanged_data()
{
    QTest::addColumn<ListSource::Seek>("seek");
    QTest::addColumn<double>("at"); // the page, as a share of the pages
    const QList<std::pair<const char *, ListSource::Seek>> seeks { { "read from start",
                                                                       ListSource::Seek::None },
        { "sought", ListSource::Seek::Exact }, { "sought wrongly", ListSource::Seek::Wrong } };
    // The second customer's machines fill the first pages: a fifth of the way is inside them.
    const QList<std::pair<const char *, double>> pages { { "first page", 0 },
        { "inside a long entry", 0.2 }, { "middle", 0.5 }, { "last", 1 } };
    for (const auto &[how, seek] : seeks)
        for (const auto &[page, at] : pages)
            QTest::addRow("%s, %s", page, how) << seek << at;
}

void tst_ReportPaging::pagesLaidOutAgainAfterTheirRowsWentAreUnchanged()
{
    QFETCH(ListSource::Seek, seek);
    QFETCH(double, at);
    QList<QStringList> customers, machines;
    for (int i = 0; i < 700; ++i) {
        const QString name = QString("C%1").arg(i, 4, 10, QChar('0'));
        customers << QStringList { i % 3 ? name : name.toLower(), QString("City %1").arg(i) };
        for (int m = 0; m < (i == 1 ? 1500 : i % 5); ++m)
            machines << QStringList { i % 2 ? name : name.toLower(), QString("Brand %1").arg(m) };
    }
    // The same report twice: one keeps every row, the other as few as it can.
    auto pagesOf = [&](qint64 budget) {
        auto report = std::make_unique<Report>(ReportLayout::fromJson(Layout));
        ReportTable &sub = report->OpenSubreport("Sub")->table(1);
        sub.setDataSource(
            std::make_unique<ListSource>(QStringList { "Owner", "Brand" }, machines, nullptr, seek),
            3);
        report->table(1).setDataSource(
            std::make_unique<ListSource>(
                QStringList { "Customer", "City" }, customers, nullptr, seek),
            3);
        report->DiscardSavedData();
        report->ReadRecords();
        sub.setRowBudget(budget);
        report->table(1).setRowBudget(budget);
        return std::make_unique<ReportPages>(std::move(report));
    };
    auto drawing = [](ReportPages &pages, int page) {
        QPicture picture;
        QPainter painter(&picture);
        pages.paintPage(painter, page);
        painter.end();
        return QByteArray(picture.data(), picture.size());
    };
    QTemporaryDir dir;
    auto csv = [&dir](ReportPages &pages) {
        const QString path = dir.filePath("list.csv");
        ReportCsvJob job(pages.report(), path);
        QFile file(path);
        return ReportJobRunner::runToEnd(job) && file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                                : QByteArray();
    };
    const auto whole = pagesOf(std::numeric_limits<qint64>::max());
    const auto kept = pagesOf(1);
    const int count = whole->pageCount();
    QCOMPARE(kept->pageCount(), count);
    ReportTable &machineRows = kept->report().OpenSubreport("Sub")->table(1);
    QVERIFY(machineRows.rowsHeld() < machineRows.rowsRead() / 4);
    QVERIFY(kept->report().table(1).rowsHeld() < kept->report().table(1).rowsRead());

    const int page = std::min(count - 1, int(at * count));
    const QByteArray first = drawing(*whole, page);
    QCOMPARE(drawing(*kept, page), first);
    // Far away and back again: the rows the page needs were let go on the way.
    drawing(*kept, page < count / 2 ? count - 1 : 0);
    QCOMPARE(drawing(*kept, page), first);
    QCOMPARE(csv(*kept), csv(*whole));
}

void tst_ReportPaging::pagesDrawTheSameInAnyOrder_data()
{
    QTest::addColumn<QList<int>>("order");
    QTest::newRow("each the next one unknown") << QList<int> { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 };
    QTest::newRow("jumping ahead, then back") << QList<int> { 4, 2, 5, 6, 0, 9, 7 };
    QTest::newRow("the same page twice") << QList<int> { 0, 0, 1, 3, 3 };
}

void tst_ReportPaging::pagesDrawTheSameInAnyOrder()
{
    QFETCH(QList<int>, order);
    auto open = [] {
        QList<QStringList> customers, machines;
        for (int i = 0; i < 300; ++i) {
            const QString name = QString("C%1").arg(i, 4, 10, QChar('0'));
            customers << QStringList { name, i % 7 ? "Salem" : "" };
            for (int m = 0; m < i % 6; ++m)
                machines << QStringList { name, QString("Brand %1").arg(m) };
        }
        return openPages(customers, machines);
    };
    auto image = [](ReportPages &pages, int index) {
        QImage out(QSize(200, 260), QImage::Format_RGB32);
        out.fill(Qt::white);
        QPainter p(&out);
        p.scale(200 / pages.paperSize().width(), 260 / pages.paperSize().height());
        pages.paintPage(p, index);
        return out;
    };
    // Drawn straight away, a page is laid out as it is drawn; the reference lays each out
    // first.
    const auto drawn = open(), reference = open();
    for (int index : order) {
        QVERIFY(reference->hasPage(index));
        QCOMPARE(image(*drawn, index), image(*reference, index));
        QCOMPARE(drawn->pagesKnown(), reference->pagesKnown());
    }
    // Then on to the end, the last page with its total.
    for (int index = order.last() + 1; reference->hasPage(index); ++index)
        QCOMPARE(image(*drawn, index), image(*reference, index));
    QVERIFY(drawn->complete());
    QCOMPARE(drawn->pageCount(), reference->pageCount());
}

void tst_ReportPaging::rowsOfVeryManyLinesKeepThemAll()
{
    // A row's lines are kept small once measured; a row of more lines than that holds must
    // not come out shorter when a later page lays it out again.
    auto pagesFor = [](int lines) {
        const QList<QStringList> customers { { "A", "Salem" }, { "B", "Bend" } };
        const QList<QStringList> machines { { "A", "Brand" },
            { "B", QString("x\n").repeated(lines - 1) + "x" }, { "B", "Brand" } };
        return openPages(customers, machines)->pageCount();
    };
    const int fewer = pagesFor(60000);
    const int more = pagesFor(70000);
    QVERIFY2(more > fewer + fewer / 10, qPrintable(QString("%1 <= %2").arg(more).arg(fewer)));
}

CORVANE_TEST(tst_ReportPaging)
#include "tst_ReportPaging.moc"
