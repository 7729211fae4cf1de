#include "Report.h"
#include "ReportCsv.h"
#include "ReportCsvJob.h"
#include "ReportJobRunner.h"
#include "ReportPages.h"
#include "ReportRowSource.h"
#include "ReportStyle.h"
#include "ReportTemplate.h"
#include "ReportWorkbook.h"
#include "TestRegistry.h"
#include "WorkbookDateFormat.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>
#include <QTest>
#include <limits>
#include <numeric>

namespace {

// Rows from a list, names matched ignoring letter case as the program's database does.
class ListSource : public ReportRowSource
{
public:
    // How a second reader of the rows finds a value: it cannot, it starts at the first row not
    // below it, or it claims to but starts at the first row (a source whose order is not the
    // one it states).
    enum class Seek { None, Exact, Wrong };

    ListSource(
        QStringList columns, QList<QStringList> rows, int *read = nullptr, Seek seek = Seek::None)
        : m_columns(std::move(columns))
        , m_rows(std::move(rows))
        , m_read(read)
        , m_seek(seek)
    { }
    QStringList columnNames() const override { return m_columns; }
    bool next(QStringList &values) override
    {
        if (m_at >= m_rows.size())
            return false;
        values = m_rows[m_at++];
        if (m_read)
            ++*m_read;
        return true;
    }
    QByteArray matchKey(const QString &value) const override
    {
        return value.toCaseFolded().toUtf8();
    }
    // Passes a row by without counting it: only rows whose values are made cost much.
    bool skip() override { return m_at < m_rows.size() && ++m_at > 0; }
    void close() override { }
    int seekColumn() const override { return m_seek == Seek::None ? -1 : 0; }
    std::unique_ptr<ReportRowSource> reopen(const QString &from) const override
    {
        auto again = std::make_unique<ListSource>(m_columns, m_rows, m_read, m_seek);
        while (m_seek == Seek::Exact && !from.isEmpty() && again->m_at < m_rows.size()
            && matchKey(m_rows[again->m_at][0]) < matchKey(from))
            ++again->m_at;
        return again;
    }

private:
    QStringList m_columns;
    QList<QStringList> m_rows;
    qsizetype m_at = 0;
    int *m_read;
    Seek m_seek;
};

const QByteArray Layout
    = "{"
      "  \"name\": \"test\", \"table\": [\"Customer\", \"City\"],"
      "  \"sections\": ["
      "    { \"name\": \"Head\", \"kind\": \"pageHeader\", \"text\": \"Test\" },"
      "    { \"name\": \"Entry\", \"kind\": \"entry\", \"text\": \"{Customer}\","
      "      \"groups\": [ { \"title\": \"Where\", \"lines\": [\"{City}\"] } ] },"
      "    { \"name\": \"Machines\", \"kind\": \"subreport\", \"subreport\": \"Sub\" },"
      "    { \"name\": \"Gap\", \"kind\": \"rule\" },"
      "    { \"name\": \"Foot\", \"kind\": \"pageFooter\", \"aside\": \"Page {Page}[ of {Pages}]\" "
      "}"
      "  ],"
      "  \"subreports\": [ { \"name\": \"Sub\", \"title\": \"Machines\", \"link\": { \"field\": "
      "\"Owner\", \"to\": \"Customer\" },"
      "    \"sections\": [\"Sub_Rows\"], \"columns\": [ { \"header\": \"Brand\", \"text\": "
      "\"{Brand}\" } ] } ]"
      "}";

} // namespace

class tst_ReportEngine : public QObject
{
    Q_OBJECT
private slots:
    void templates_data();
    void templates();
    void csvCells_data();
    void csvCells();
    void textWrapsWhole_data();
    void textWrapsWhole();
    void subreportRowsMatchTheirEntry();
    void subreportRowsLetGoAreFoundAgain_data();
    void subreportRowsLetGoAreFoundAgain();
    void pagesAreLaidOutAsAskedFor();
    void pagesLaidOutAgainAfterTheirRowsWentAreUnchanged_data();
    void pagesLaidOutAgainAfterTheirRowsWentAreUnchanged();
    void pagesDrawTheSameInAnyOrder_data();
    void pagesDrawTheSameInAnyOrder();
    void textDrawsAsShaped_data();
    void textDrawsAsShaped();
    void unknownNamesAreRefused();
    void workbookDateFormats_data();
    void workbookDateFormats();
    void workbookCancelKeepsTheOlderFile();
};

void tst_ReportEngine::templates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("all fields") << "{City}, {State} {Zip}"
                                << "Salem, OR 97301";
    QTest::newRow("all empty") << "{Fax}"
                               << "";
    QTest::newRow("empty around literal") << "Fax {Fax}"
                                          << "";
    QTest::newRow("optional parts") << "[{City}][, {Fax}][ {Zip}]"
                                    << "Salem 97301";
    QTest::newRow("page of unknown") << "Page {Zip}[ of {Fax}]"
                                     << "Page 97301";
    QTest::newRow("no fields") << "Customer Report"
                               << "Customer Report";
    // A count and the noun it counts agree; an empty count shows no noun either.
    QTest::newRow("count of none") << "{None|customer|customers}"
                                   << "0 customers";
    QTest::newRow("count of one") << "End of report: {One|customer|customers}"
                                  << "End of report: 1 customer";
    QTest::newRow("count in groups") << "{Many|customer|customers}"
                                     << "1,001 customers";
    QTest::newRow("no count") << "[{Fax|call|calls} ]{Zip}"
                              << "97301";
}

void tst_ReportEngine::templates()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const QHash<QString, QString> values = { { "City", "Salem" }, { "State", "OR" },
        { "Zip", "97301" }, { "Fax", "" }, { "None", "0" }, { "One", "1" }, { "Many", "1,001" } };
    QCOMPARE(
        ReportTemplate(text).render([&](const QString &f) { return values.value(f); }), expected);
    // The same from a table's row, the fields found as its columns once: columns in another
    // order and case than the template names them, one it does not name and a row before it
    // must not put another value in a field's place.
    QStringList columns { "Unused" }, row { "x" };
    for (auto it = values.constKeyValueBegin(); it != values.constKeyValueEnd(); ++it) {
        columns.prepend(it->first.toLower());
        row.prepend(it->second);
    }
    ReportTable table;
    table.setDataSource(std::make_unique<ListSource>(
                            columns, QList<QStringList> { QStringList(row.size(), "wrong"), row }),
        3);
    QVERIFY(table.ensureRow(1));
    const ReportTemplate bound(text);
    QCOMPARE(bound.render(table, 1, bound.columnsIn(table)), expected);
}

void tst_ReportEngine::csvCells_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("cell");
    QTest::newRow("plain") << "Acme"
                           << "Acme";
    QTest::newRow("comma") << "Acme, Inc."
                           << "\"Acme, Inc.\"";
    QTest::newRow("quote") << "The \"Best\""
                           << "\"The \"\"Best\"\"\"";
    QTest::newRow("line break") << "a\nb"
                                << "\"a\nb\"";
    QTest::newRow("formula") << "=1+2"
                             << "'=1+2";
    QTest::newRow("plus") << "+1 555"
                          << "'+1 555";
    QTest::newRow("minus with comma") << "-1,5"
                                      << "\"'-1,5\"";
    QTest::newRow("at") << "@SUM(A1)"
                        << "'@SUM(A1)";
    QTest::newRow("empty") << ""
                           << "";
}

void tst_ReportEngine::csvCells()
{
    QFETCH(QString, value);
    QFETCH(QString, cell);
    QCOMPARE(ReportCsv::cell(value), cell);
}

void tst_ReportEngine::textWrapsWhole_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("box"); // a text exactly as wide as the box
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("at a space") << "alpha beta gamma delta"
                                << "alpha beta gamma"
                                << QStringList { "alpha beta gamma", "delta" };
    QTest::newRow("inside a word wider than the box")
        << "ab abcdabcdabcd"
        << "abcdabcd" << QStringList { "ab", "abcdabcd", "abcd" };
    QTest::newRow("at line breaks")
        << "first\r\nsecond\rthird\n\nfourth\n"
        << "first second" << QStringList { "first", "second", "third", "", "fourth" };
    QTest::newRow("empty") << ""
                           << "x" << QStringList {};
}

void tst_ReportEngine::textDrawsAsShaped_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("text");
    QTest::newRow("kerned pairs") << int(ReportStyle::Cell) << "AVAWAY To Ta Yo Wa LT P.";
    QTest::newRow("kerned around spaces") << int(ReportStyle::Heading) << "A Top Y";
    QTest::newRow("date and amount") << int(ReportStyle::Cell) << "12/31/2019 $1,045.50";
    QTest::newRow("Latin-1 letters") << int(ReportStyle::Body) << "Müller & Söhne, Québec ß";
    QTest::newRow("e-mail in bold") << int(ReportStyle::TableHeader) << "j.doe@acme-office.com";
    QTest::newRow("italic note") << int(ReportStyle::Note) << "fi fl ffi office (AT&T)";
    QTest::newRow("beyond Latin-1") << int(ReportStyle::Cell) << "Łódź – Ωmega “quoted”";
    QTest::newRow("soft hyphen") << int(ReportStyle::Cell) << "Copy\u00adcenter";
    QTest::newRow("tab") << int(ReportStyle::Cell) << "Ricoh\tAficio";
}

void tst_ReportEngine::textDrawsAsShaped()
{
    QFETCH(int, role);
    QFETCH(QString, text);
    const ReportStyle &style = ReportStyle::instance();
    const auto r = ReportStyle::Role(role);
    QCOMPARE(style.advance(r, text), style.metrics(r).horizontalAdvance(text));
    // Drawn by the style and by Qt's own text drawing, the same pixels at the viewer's scale.
    auto image = [&](bool own) {
        QImage out(900, 60, QImage::Format_RGB32);
        out.fill(Qt::white);
        QPainter p(&out);
        p.scale(0.25, 0.25);
        p.setFont(style.font(r));
        p.setPen(style.ink);
        const QRectF box(13.3, 20.7, 3400, style.lineHeight(r));
        if (own)
            style.drawLine(p, r, text, box, true);
        else
            p.drawText(QPointF(box.right() - style.metrics(r).horizontalAdvance(text),
                           box.top() + style.metrics(r).ascent()),
                text);
        return out;
    };
    QCOMPARE(image(true), image(false));
}

void tst_ReportEngine::textWrapsWhole()
{
    QFETCH(QString, text);
    QFETCH(QString, box);
    QFETCH(QStringList, lines);
    const ReportStyle &style = ReportStyle::instance();
    const double width = style.advance(ReportStyle::Cell, box) + 0.5;
    const QStringList wrapped = style.lines(ReportStyle::Cell, text, width);
    QCOMPARE(wrapped, lines);
    for (const QString &line : wrapped)
        QVERIFY2(style.advance(ReportStyle::Cell, line) <= width, qPrintable(line));
    QCOMPARE(style.lineCount(ReportStyle::Cell, text, width), std::max<int>(1, lines.size()));
}

void tst_ReportEngine::subreportRowsMatchTheirEntry()
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

void tst_ReportEngine::subreportRowsLetGoAreFoundAgain_data()
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

void tst_ReportEngine::subreportRowsLetGoAreFoundAgain()
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

void tst_ReportEngine::pagesAreLaidOutAsAskedFor()
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

void tst_ReportEngine::pagesLaidOutAgainAfterTheirRowsWentAreUnchanged_data()
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

void tst_ReportEngine::pagesLaidOutAgainAfterTheirRowsWentAreUnchanged()
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

void tst_ReportEngine::pagesDrawTheSameInAnyOrder_data()
{
    QTest::addColumn<QList<int>>("order");
    QTest::newRow("each the next one unknown") << QList<int> { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 };
    QTest::newRow("jumping ahead, then back") << QList<int> { 4, 2, 5, 6, 0, 9, 7 };
    QTest::newRow("the same page twice") << QList<int> { 0, 0, 1, 3, 3 };
}

void tst_ReportEngine::pagesDrawTheSameInAnyOrder()
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
        auto report = std::make_unique<Report>(ReportLayout::fromJson(Layout));
        report->OpenSubreport("Sub")->table(1).setDataSource(
            std::make_unique<ListSource>(QStringList { "Owner", "Brand" }, machines), 3);
        report->table(1).setDataSource(
            std::make_unique<ListSource>(QStringList { "Customer", "City" }, customers), 3);
        report->DiscardSavedData();
        report->ReadRecords();
        return std::make_unique<ReportPages>(std::move(report));
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

void tst_ReportEngine::unknownNamesAreRefused()
{
    Report report(ReportLayout::fromJson(Layout));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, report.OpenSubreport("Subreport9"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, report.section("Section99"));
    QVERIFY(report.section("Sub_Rows"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, report.table(2));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, report.ReadRecords());
    QVERIFY_THROWS_EXCEPTION(std::runtime_error,
        ReportLayout::fromJson("{\"sections\":[{\"name\":\"A\",\"kind\":\"nonsense\"}]}"));
}

void tst_ReportEngine::workbookDateFormats_data()
{
    QTest::addColumn<QString>("qt");
    QTest::addColumn<QString>("workbook");
    QTest::newRow("United States") << "M/d/yyyy h:mm:ss AP"
                                   << "m/d/yyyy h:mm:ss AM/PM";
    QTest::newRow("words in quotes") << "d 'de' MMMM 'de' yyyy"
                                     << R"(d "de" mmmm "de" yyyy)";
    QTest::newRow("letters without quotes") << "yyyy/M/d H時mm分ss秒"
                                            << R"(yyyy/m/d h"時"mm"分"ss"秒")";
    QTest::newRow("quotes") << "h 'o''clock' '\"'ap"
                            << R"(h "o'clock" \"am/pm)";
}

void tst_ReportEngine::workbookDateFormats()
{
    QFETCH(QString, qt);
    QFETCH(QString, workbook);
    QCOMPARE(WorkbookDateFormat::fromQt(qt), workbook);
}

// A workbook cancelled once it is written, before it is put in place, leaves the older file.
void tst_ReportEngine::workbookCancelKeepsTheOlderFile()
{
    QTemporaryDir dir;
    QFile older(dir.filePath("list.xlsx"));
    QVERIFY(older.open(QIODevice::WriteOnly) && older.write("older") == 5);
    older.close();
    QList<QStringList> rows;
    for (int i = 0; i < 1000; ++i)
        rows << QStringList { QString("Customer %1").arg(i), "Salem" };
    Report report(ReportLayout::fromJson(Layout));
    report.table(1).setDataSource(
        std::make_unique<ListSource>(QStringList { "Customer", "City" }, rows), 3);
    ReportWorkbook job(report, older.fileName());
    while (job.step()) { }
    QCOMPARE(job.progressText(), "Row 1000 of 1000");
    job.cancel();
    QVERIFY(!job.finish(nullptr));
    QVERIFY(older.open(QIODevice::ReadOnly));
    QCOMPARE(older.readAll(), "older");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "list.xlsx" });
}

CORVANE_TEST(tst_ReportEngine)
#include "tst_ReportEngine.moc"
