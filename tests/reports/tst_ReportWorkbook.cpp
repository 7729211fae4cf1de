#include "ReportViewer.h"
#include "ReportsFixture.h"
#include "TestRegistry.h"
#include "Viewer.h"
#include "frmNavigator.h"

#include <QAction>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The export list saved as an Excel workbook and read back from the workbook's own XML: each
// value as a spreadsheet shows it and with the type it keeps there.

namespace {

struct Cell
{
    QString type; // "inlineStr" or "s" for a string, "" for a number
    QString value; // as the spreadsheet shows it: "_xHHHH_" stands for the character it codes
    QString format; // the number format of the cell's style, "" for the general one
};

// The cells of a workbook's sheet by reference ("B2"), read from its XML.
struct Workbook
{
    explicit Workbook(const QString &path)
    {
        auto part = [&](const char *name) {
            QProcess unzip;
            unzip.start("unzip", { "-p", path, name });
            unzip.waitForFinished(-1);
            return QString::fromUtf8(unzip.readAllStandardOutput());
        };
        sheet = part("xl/worksheets/sheet1.xml");
        const QString styles = part("xl/styles.xml");
        QHash<QString, QString> codes; // number formats by id, and by style number in turn
        for (const auto &m :
            QRegularExpression("numFmtId=\"(\\d+)\" formatCode=\"([^\"]*)\"").globalMatch(styles))
            codes[m.captured(1)] = m.captured(2);
        QStringList styleFormats;
        for (const auto &m :
            QRegularExpression("<xf numFmtId=\"(\\d+)\"[^>]*xfId=").globalMatch(styles))
            styleFormats << codes.value(m.captured(1));
        static const QRegularExpression cell(
            "<c r=\"(\\w+)\"(?: s=\"(\\d+)\")?(?: t=\"(\\w+)\")?>(?:<v>|<is><t[^>]*>)(.*?)<");
        static const QRegularExpression coded("_x([0-9A-Fa-f]{4})_");
        for (const auto &m : cell.globalMatch(sheet)) {
            QString text = m.captured(4);
            QRegularExpressionMatch c;
            for (qsizetype i = 0; (i = text.indexOf(coded, i, &c)) >= 0; ++i)
                text.replace(i, c.capturedLength(), QChar(c.captured(1).toUShort(nullptr, 16)));
            cells[m.captured(1)]
                = { m.captured(3), text, styleFormats.value(m.captured(2).toInt()) };
        }
    }

    // The cell under the header name in the given sheet row (1 is the header row).
    Cell cell(const QString &header, int row) const
    {
        for (char column = 'A'; column <= 'Z'; ++column)
            if (cells.value(QString("%1%2").arg(column).arg(1)).value == header)
                return cells.value(QString("%1%2").arg(column).arg(row));
        return { "no such header", {}, {} };
    }

    QString sheet;
    QHash<QString, Cell> cells;
};

} // namespace

class tst_ReportWorkbook : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_f = std::make_unique<ReportsFixture>(); }
    void cleanup() { m_f.reset(); }
    void valuesKeepTheirTypes_data();
    void valuesKeepTheirTypes();
    void sameRowsAsTheCsv();

private:
    // The export list of a search, saved through the viewer's command as the path given.
    void save(QAction *ReportViewer::*command, const QString &path)
    {
        ReportViewer::setFileChooser(
            [&](QWidget *, const QString &, const QString &, const QString &) { return path; });
        (m_f->viewer()->CRViewer->*command)->trigger();
        ReportViewer::setFileChooser(nullptr);
        QVERIFY(m_f->finishJob());
    }
    std::unique_ptr<ReportsFixture> m_f;
};

void tst_ReportWorkbook::valuesKeepTheirTypes_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("kind"); // text, empty, date (no time shown) or date and time
    QTest::addColumn<QVariant>("shown"); // the text, or the date's day number with its fraction

    auto text = [](const char *tag, const char *column, const QString &value) {
        QTest::newRow(tag) << column << QVariant(value) << "text" << QVariant(value);
    };
    text("leading zero", "Zip", "04449");
    text("phone with plus", "Phone", "+1 555 0100");
    text("phone in parentheses", "Fax", "(503) 555-0100");
    text("long digit string", "Contact1Phone", "12345678901234567890");
    text("formula", "Address1", "=1+2");
    text("at sign", "Address2", "@home");
    text("minus", "City", "-5");
    text("fifty characters", "Contact1", QString(50, 'W'));
    text("accents", "Contact1Title", "Zürich Ñandú Œuvre");
    text("right to left", "Contact2", "שלום مرحبا");
    text("emoji", "Contact2Title", "Fax 📠 😀");
    text("coded underscore", "Website", "_x0041_ stays _x00e9_");
    QTest::newRow("empty") << "State" << QVariant("") << "empty" << QVariant("");
    const QDate leap(2024, 2, 29); // day 45351 of the spreadsheet's count
    QTest::newRow("date at midnight")
        << "DateEntered" << QVariant(QDateTime(leap, QTime(0, 0))) << "date" << QVariant(45351.0);
    QTest::newRow("date with a time")
        << "DateEntered" << QVariant(QDateTime(leap, QTime(13, 45, 30))) << "date and time"
        << QVariant(45351 + (13 * 3600 + 45 * 60 + 30) / 86400.0);
    // Before March 1900 the spreadsheet's day count is off (it holds 1900 a leap year).
    QTest::newRow("date before 1900")
        << "DateEntered" << QVariant(QDateTime(QDate(1899, 12, 31), QTime(0, 0))) << "text"
        << QVariant("12/31/1899");
}

void tst_ReportWorkbook::valuesKeepTheirTypes()
{
    QFETCH(QString, column);
    QFETCH(QVariant, stored);
    QFETCH(QString, kind);
    QFETCH(QVariant, shown);
    m_f->db().addCustomer("Tricky", { { column, stored } });
    m_f->search();
    QTest::mouseClick(m_f->navigator()->btnExport, Qt::LeftButton);
    QTemporaryDir dir;
    save(&ReportViewer::actSaveXlsx, dir.filePath("list.xlsx"));
    const Cell cell = Workbook(dir.filePath("list.xlsx")).cell(column, 2);

    if (kind == "text") {
        QVERIFY2(cell.type == "inlineStr" || cell.type == "s", qPrintable(cell.type));
        QCOMPARE(cell.value, shown.toString());
    } else if (kind == "empty") {
        QCOMPARE(cell.type + cell.value, QString()); // no cell, not an empty text
    } else {
        QCOMPARE(cell.type, QString());
        QCOMPARE(cell.value.toDouble(), shown.toDouble());
        // Shown in the user's form, with the time only where there is one.
        QVERIFY2(cell.format.startsWith("m/d/yyyy"), qPrintable(cell.format));
        QCOMPARE(cell.format.contains("h:mm:ss"), kind == "date and time");
    }
}

void tst_ReportWorkbook::sameRowsAsTheCsv()
{
    // Names in another order than they were entered, some left out by the search word; customer
    // k entered on day 44927 + k (1 January 2023 onwards) at 9:k.
    for (int i = 0; i < 60; ++i) {
        const int k = (i * 37) % 60;
        m_f->db().addCustomer(QString("Customer %1").arg(k, 2, 10, QChar('0')),
            { { "City", i % 3 ? "Salem" : "Eugene" }, { "Address1", i % 5 ? "" : "=A1" },
                { "DateEntered", QDateTime(QDate(2023, 1, 1).addDays(k), QTime(9, k)) } });
    }
    m_f->search("Salem");
    QTest::mouseClick(m_f->navigator()->btnExport, Qt::LeftButton);
    QTemporaryDir dir;
    save(&ReportViewer::actSaveXlsx, dir.filePath("list.xlsx"));
    save(&ReportViewer::actSaveCsv, dir.filePath("list.csv"));
    const Workbook book(dir.filePath("list.xlsx"));
    QFile file(dir.filePath("list.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    // No value here holds a comma, a quote or a line break.
    const QStringList lines = QString::fromUtf8(file.readAll().mid(3)).split("\r\n");

    QCOMPARE(lines.size(), 1 + 40 + 1);
    for (int row = 1; row < lines.size(); ++row) {
        const QStringList csv = lines[row - 1].split(',');
        const int k = csv[0].section(' ', 1).toInt();
        for (int c = 0; c < csv.size(); ++c) {
            const Cell cell = book.cell(lines[0].section(',', c, c), row);
            if (row > 1 && c == 20) // DateEntered
                QVERIFY(cell.type.isEmpty()
                    && qAbs(cell.value.toDouble() - (44927 + k + (9 * 60 + k) / 1440.0)) < 1e-8);
            else
                QCOMPARE(cell.value, csv[c].startsWith("'=") ? csv[c].mid(1) : csv[c]);
        }
    }
    QCOMPARE(book.cells.value("A42").value, QString());
    // The header stays in sight and filters every column of every row.
    QVERIFY(book.sheet.contains(R"(ySplit="1")") && book.sheet.contains(R"(state="frozen")"));
    QVERIFY(book.sheet.contains(R"(<autoFilter ref="A1:U41"/>)"));
}

CORVANE_TEST(tst_ReportWorkbook)
#include "tst_ReportWorkbook.moc"
