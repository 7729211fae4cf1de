#include "MDI.h"
#include "Report.h"
#include "ReportPages.h"
#include "ReportViewer.h"
#include "ReportsFixture.h"
#include "ScriptedMsgBox.h"
#include "TempDatabase.h"
#include "TestRegistry.h"
#include "Viewer.h"
#include "frmNavReport.h"
#include "frmNavigator.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

// What the navigator's Print and Export put in the viewer, read back from the rendered pages.
class tst_NavigatorReport : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void nothingBeforeTheFirstSearch();
    void entriesHoldTheirOwnDetails_data();
    void entriesHoldTheirOwnDetails();
    void searchWithNoRows();
    void clearKeepsTheLastSearch();
    void dialogPrintsTheTextItWasGiven();
    void pdfHoldsEveryCustomerInOrder();
    void entryLongerThanAPageGoesOn();
    void longValues_data();
    void longValues();

private:
    // The text of one customer's entry: from its heading to the next customer's.
    QString entryOf(const QString &report, const QString &customer, const QString &next);

    std::unique_ptr<ReportsFixture> m_f;
};

void tst_NavigatorReport::init()
{
    m_f = std::make_unique<ReportsFixture>();
    TempDatabase &db = m_f->db();
    db.addCustomer("Acme",
        { { "City", "Salem" }, { "State", "OR" }, { "Zip", "97301" }, { "Contact1", "Ann Lee" },
            { "Type", "Retail" } });
    db.addCustomer("Baker", { { "City", "Bend" }, { "Address1", "12 Oak St" } });
    db.addCustomer("Carter", { { "City", "Salem" } });
    db.addMachine("Acme", { { "Brand", "Ricoh" }, { "Model", "MP-1" } });
    // Stored under another spelling of the same name: the database takes it for Acme's.
    db.addMachine("ACME", { { "Brand", "Xerox" }, { "Model", "XC-2" } });
    db.addMachine("Baker", { { "Brand", "Canon" }, { "Model", "IR-3" } });
    db.addCall("Acme", { { "Telemarketer", "Tess" }, { "Interest", "Wants color" } });
    db.addCall("baker", { { "Telemarketer", "Uma" }, { "Interest", "Call in spring" } });
}

void tst_NavigatorReport::cleanup()
{
    m_f.reset();
}

QString tst_NavigatorReport::entryOf(
    const QString &report, const QString &customer, const QString &next)
{
    const QRegularExpression heading(
        "^\\s*" + customer + "\\b", QRegularExpression::MultilineOption);
    const qsizetype from = report.indexOf(heading);
    if (from < 0)
        return QString();
    const qsizetype to = next.isEmpty() ? report.size()
                                        : report.indexOf(QRegularExpression("^\\s*" + next + "\\b",
                                                             QRegularExpression::MultilineOption),
                                            from + 1);
    return report.mid(from, to < 0 ? -1 : to - from);
}

void tst_NavigatorReport::nothingBeforeTheFirstSearch()
{
    ScriptedMsgBox box;
    box.expect("You must first do a search before printing.", "Nothing to Print");
    box.expect("You must first do a search before exporting.", "Nothing to Export");
    QTest::mouseClick(m_f->navigator()->btnPrint, Qt::LeftButton);
    QTest::mouseClick(m_f->navigator()->btnExport, Qt::LeftButton);
    QVERIFY2(box.problems().isEmpty(), qPrintable(box.problems().join('\n')));
    QVERIFY(!m_f->dialog());
    QVERIFY(!m_f->viewer());
}

void tst_NavigatorReport::entriesHoldTheirOwnDetails_data()
{
    QTest::addColumn<bool>("noEquipment");
    QTest::addColumn<bool>("noCalls");
    QTest::newRow("both details") << false << false;
    QTest::newRow("no equipment") << true << false;
    QTest::newRow("no calls") << false << true;
    QTest::newRow("customers only") << true << true;
}

void tst_NavigatorReport::entriesHoldTheirOwnDetails()
{
    QFETCH(bool, noEquipment);
    QFETCH(bool, noCalls);
    m_f->search();
    m_f->printReport(noEquipment, noCalls);
    QVERIFY(m_f->viewer());
    QVERIFY(!m_f->dialog());
    const QString report = m_f->reportText();
    const QString acme = entryOf(report, "Acme", "Baker");
    const QString baker = entryOf(report, "Baker", "Carter");
    const QString carter = entryOf(report, "Carter", "End of report");
    QVERIFY2(!acme.isEmpty() && !baker.isEmpty() && !carter.isEmpty(), qPrintable(report));
    QVERIFY(acme.contains("Salem, OR 97301"));
    QVERIFY(acme.contains("Ann Lee"));

    QVERIFY2(acme.contains("Ricoh") == !noEquipment, qPrintable(report));
    QCOMPARE(acme.contains("Xerox"), !noEquipment);
    QCOMPARE(baker.contains("Canon"), !noEquipment);
    QCOMPARE(acme.contains("Tess"), !noCalls);
    QCOMPARE(baker.contains("Uma"), !noCalls);
    for (const char *other : { "Canon", "Uma" })
        QVERIFY(!acme.contains(other));
    for (const char *other : { "Ricoh", "Xerox", "Tess" })
        QVERIFY(!baker.contains(other));
    for (const char *other : { "Ricoh", "Xerox", "Canon", "Tess", "Uma" })
        QVERIFY(!carter.contains(other));
    QCOMPARE(carter.contains("No equipment on file."), !noEquipment);
    QCOMPARE(carter.contains("No calls on file."), !noCalls);
    QCOMPARE(report.contains("EQUIPMENT"), !noEquipment);
    QVERIFY(report.contains("End of report: 3 customers"));
}

void tst_NavigatorReport::searchWithNoRows()
{
    m_f->search("no such word");
    m_f->printReport();
    QString report = m_f->reportText();
    QVERIFY2(report.contains("No customers were found by this search."), qPrintable(report));
    QVERIFY(!report.contains("Acme"));
    QVERIFY(report.contains("Page 1 of 1"));

    QTest::mouseClick(m_f->navigator()->btnExport, Qt::LeftButton);
    report = m_f->reportText();
    QVERIFY(report.contains("Customer List"));
    QVERIFY(report.contains("No customers were found by this search."));
}

void tst_NavigatorReport::clearKeepsTheLastSearch()
{
    m_f->search("bend");
    QTest::mouseClick(m_f->navigator()->btnClear, Qt::LeftButton);
    QTest::mouseClick(m_f->navigator()->btnExport, Qt::LeftButton);
    QString report = m_f->reportText();
    QVERIFY(report.contains("Baker"));
    QVERIFY(!report.contains("Acme"));
    QVERIFY2(report.contains("\n1 customer\n"), qPrintable(report));

    m_f->printReport();
    report = m_f->reportText();
    QVERIFY(report.contains("Baker"));
    QVERIFY(report.contains("Canon"));
    QVERIFY(!report.contains("Acme"));
    QVERIFY(report.contains("End of report: 1 customer\n"));
}

void tst_NavigatorReport::dialogPrintsTheTextItWasGiven()
{
    m_f->search("salem");
    QTest::mouseClick(m_f->navigator()->btnPrint, Qt::LeftButton);
    frmNavReport *options = m_f->dialog();
    QVERIFY(options);
    QCOMPARE(options->sql(), m_f->navigator()->searchSQL());
    options->chkEquipment->setChecked(true);

    // A newer search does not reach the open dialog...
    m_f->search("bend");
    QTest::mouseClick(options->btnPrint, Qt::LeftButton);
    const QString report = m_f->reportText();
    QVERIFY(report.contains("Acme"));
    QVERIFY(report.contains("Carter"));
    QVERIFY(!report.contains("Baker"));
    QVERIFY(!report.contains("Ricoh"));

    // ...until Print is pressed again in the navigator, which keeps its check boxes as they are.
    QTest::mouseClick(m_f->navigator()->btnPrint, Qt::LeftButton);
    QVERIFY(!m_f->dialog()->chkEquipment->isChecked()); // a fresh dialog starts unchecked
    m_f->dialog()->chkEquipment->setChecked(true);
    QTest::mouseClick(m_f->navigator()->btnPrint, Qt::LeftButton);
    QVERIFY(m_f->dialog()->chkEquipment->isChecked());
    QCOMPARE(m_f->dialog()->sql(), m_f->navigator()->searchSQL());
}

void tst_NavigatorReport::pdfHoldsEveryCustomerInOrder()
{
    QStringList names;
    for (int i = 0; i < 120; ++i) {
        const QString name = QString("Customer %1").arg(i, 3, 10, QChar('0'));
        names << name;
        m_f->db().addCustomer(name, { { "Address1", QString("%1 Main St").arg(i) } });
        for (int m = 0; m < i % 4; ++m)
            m_f->db().addMachine(name, { { "Brand", "Brand" }, { "Notes", QString(300, 'n') } });
    }
    m_f->search("customer");
    m_f->printReport();
    const QStringList pages = m_f->pageTexts();
    QVERIFY(pages.size() > 5);
    const QString all = pages.join('\n');
    qsizetype at = 0;
    for (const QString &name : names) {
        const qsizetype found = all.indexOf(
            QRegularExpression("^\\s*" + name + "\\b", QRegularExpression::MultilineOption), at);
        QVERIFY2(found >= 0, qPrintable(name + " missing or out of order"));
        at = found + 1;
    }
    for (int i = 0; i < pages.size(); ++i)
        QVERIFY2(pages[i].contains(QString("Page %1 of %2").arg(i + 1).arg(pages.size())),
            qPrintable(pages[i].right(200)));
    // Every entry is whole on one page: a name never heads two pages.
    for (const QString &name : names) {
        int pagesWithName = 0;
        for (const QString &page : pages)
            pagesWithName += page.contains(name) ? 1 : 0;
        QCOMPARE(pagesWithName, 1);
    }
}

void tst_NavigatorReport::entryLongerThanAPageGoesOn()
{
    for (int i = 0; i < 90; ++i)
        m_f->db().addMachine("Baker",
            { { "Brand", QString("Brand%1").arg(i, 2, 10, QChar('0')) },
                { "Notes", QString("note %1 ").repeated(30).arg(i) } });
    m_f->search("bend");
    m_f->printReport();
    const QStringList pages = m_f->pageTexts();
    QVERIFY(pages.size() >= 3);
    for (int p = 1; p < pages.size(); ++p) {
        // Each later page names the entry again and repeats the table's headers.
        QVERIFY2(pages[p].contains("Baker (continued)"), qPrintable(pages[p].left(400)));
        QVERIFY(pages[p].contains("Serial No."));
    }
    // Every machine once, in order, none lost at a page break.
    const QString all = pages.join('\n');
    qsizetype at = 0;
    for (int i = 0; i < 90; ++i) {
        const qsizetype found = all.indexOf(QString("Brand%1").arg(i, 2, 10, QChar('0')), at);
        QVERIFY2(found > at, qPrintable(QString::number(i)));
        at = found;
    }
    QVERIFY(pages.last().contains("Uma"));
}

void tst_NavigatorReport::longValues_data()
{
    QTest::addColumn<QString>("layout");
    QTest::newRow("report") << "report";
    QTest::newRow("export") << "export";
}

void tst_NavigatorReport::longValues()
{
    QFETCH(QString, layout);
    // Every customer as long as the database lets it be, one column of each holding a value
    // whose words are looked for; the one longer than a page goes on over pages.
    auto fit = &ReportsFixture::fit;
    QList<std::pair<QString, QString>> values;
    auto add = [&](const char *column, const QString &value) { values.append({ column, value }); };
    add("Customer", fit("Northwestern Regional Office Equipment Leasing Co", 50));
    add("Type", fit("Government agency, county purchasing", 50));
    add("Contact1Title", fit("Director of Facilities", 50));
    add("Contact1Email", fit("accounts.payable.department@northwestern.example", 50));
    add("Phone", fit("+1 (206) 555-0142 extension 4410 ask for", 50));
    if (layout == "report") {
        add("Website", fit("https://www.northwestern-regional-office-equipment.example/", 100));
        add("SN", fit("QX7Q4K9X2M8P3L6R5T1", 50));
        add("Provider", fit("Pacific Business Machines Leasing", 50));
        add("LeaseTerm", fit("sixty months with a buyout", 50));
        add("MonthlyVolume", fit("12,500 black and 3,000 color", 50));
        add("Notes", ReportsFixture::numberedWords("remark", 400));
        add("Interest", ReportsFixture::numberedWords("want", 1500));
    }
    for (int i = 0; i < 25; ++i) {
        const auto [column, value] = i < values.size() ? values[i] : std::pair<QString, QString>();
        m_f->addLongCustomer(
            fit(QString("Customer %1 full").arg(i, 2, 10, QChar('0')), 50), column, value);
    }
    m_f->search();
    if (layout == "export")
        QTest::mouseClick(m_f->navigator()->btnExport, Qt::LeftButton);
    else
        m_f->printReport();

    // Each value's words in order, each whole: the lines a value wraps onto follow one another
    // in the order they are drawn, so with the white space taken out they join up again.
    QString drawn = m_f->drawnText();
    drawn.remove(QRegularExpression("\\s"));
    for (const auto &[column, value] : values) {
        qsizetype at = 0;
        for (const QString &word : value.split(' ', Qt::SkipEmptyParts)) {
            at = drawn.indexOf(word, at);
            QVERIFY2(at >= 0, qPrintable(column + ": " + word + " is missing or out of order"));
            at += word.size();
        }
    }
    QVERIFY2(!drawn.contains(QChar(0x2026)), "a value was cut short");

    // Every text in a place of its own: a row drawn taller than it was counted, or a line
    // wider than its column, would run into the next row or column.
    QDir().mkpath(CORVANE_BUILD_DIR "/screenshots");
    const QString shot = CORVANE_BUILD_DIR "/screenshots/" + layout + "-long-values";
    const auto pages = m_f->pageWords(shot + ".pdf");
    QProcess::execute("pdftoppm",
        { "-f", "2", "-l", "2", "-r", "144", "-png", "-singlefile", shot + ".pdf", shot });
    QVERIFY(pages.size() > 2);
    for (int p = 0; p < pages.size(); ++p)
        for (int i = 0; i < pages[p].size(); ++i)
            for (int j = i + 1; j < pages[p].size(); ++j) {
                const auto &a = pages[p][i], &b = pages[p][j];
                QVERIFY2(!a.box.adjusted(0.2, 0.2, -0.2, -0.2).intersects(b.box),
                    qPrintable(
                        QString("page %1: '%2' runs into '%3'").arg(p + 1).arg(a.text, b.text)));
            }
    // Counted and drawn alike: every page knows the last.
    const QStringList texts = m_f->pageTexts();
    QCOMPARE(texts.size(), pages.size());
    for (int p = 0; p < texts.size(); ++p)
        QVERIFY(texts[p].contains(QString("Page %1 of %2").arg(p + 1).arg(texts.size())));
}

CORVANE_TEST(tst_NavigatorReport)
#include "tst_NavigatorReport.moc"
