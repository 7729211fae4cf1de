#include "Report.h"
#include "ReportCsv.h"
#include "ReportRowSource.h"
#include "ReportStyle.h"
#include "ReportTemplate.h"
#include "ReportTestData.h"
#include "TestRegistry.h"
#include "WorkbookDateFormat.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace ReportTestData;

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
    void textDrawsAsShaped_data();
    void textDrawsAsShaped();
    void unknownNamesAreRefused();
    void workbookDateFormats_data();
    void workbookDateFormats();
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
CORVANE_TEST(tst_ReportEngine)
#include "tst_ReportEngine.moc"
