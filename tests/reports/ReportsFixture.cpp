#include "ReportsFixture.h"

#include "MDI.h"
#include "ReportJobRunner.h"
#include "ReportPages.h"
#include "ReportViewer.h"
#include "Viewer.h"
#include "frmNavReport.h"
#include "frmNavigator.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

ReportsFixture::ReportsFixture()
{
    setUp(QSize(1100, 800));
    main().registry().open<frmNavigator>();
}

frmNavigator *ReportsFixture::navigator() const
{
    return main().registry().find<frmNavigator>();
}

frmNavReport *ReportsFixture::dialog() const
{
    return main().registry().find<frmNavReport>();
}

Viewer *ReportsFixture::viewer() const
{
    return main().registry().find<Viewer>();
}

int ReportsFixture::subWindows() const
{
    return int(main().area()->subWindowList().size());
}

void ReportsFixture::search(const QString &word)
{
    navigator()->txtSearch->setText(word);
    QTest::mouseClick(navigator()->btnFind, Qt::LeftButton);
}

QString ReportsFixture::fit(const QString &text, int width)
{
    QString out = text;
    while (out.size() < width)
        out += ' ' + text;
    return out.left(width);
}

QString ReportsFixture::numberedWords(const QString &stem, int words)
{
    QStringList out;
    for (int i = 0; i < words; ++i)
        out << QString("%1%2").arg(stem).arg(i, 4, 10, QChar('0'));
    return out.join(' ');
}

void ReportsFixture::addLongCustomer(
    const QString &name, const QString &column, const QString &value)
{
    auto fill = [&](QVariantMap row, const QStringList &columns) {
        for (const QString &c : columns)
            if (c == column)
                row[c] = value;
            else if (c == "Notes" || c == "Interest")
                row[c] = numberedWords(c.toLower(), 100);
            else if (c.endsWith("Email") || c == "SN" || c == "Website")
                row[c] = fit(c + ".of.the.customer@example.com", c == "Website" ? 100 : 50);
            else
                row[c] = fit(c + " of the customer", 50);
        return row;
    };
    const QString customer = column == "Customer" ? value : name;
    db().addCustomer(customer,
        fill({ { "DateEntered", "2023-04-05 10:20:30" } },
            { "Address1", "Address2", "City", "State", "Zip", "Phone", "Fax", "Website", "Type",
                "Contact1", "Contact1Title", "Contact1Phone", "Contact1Fax", "Contact1Email",
                "Contact2", "Contact2Title", "Contact2Phone", "Contact2Fax", "Contact2Email" }));
    db().addMachine(customer,
        fill({ { "DateLeased", "2024-01-05" }, { "LeaseEnds", "2027-01-05" },
                 { "MonthlyPayment", 99999999.99 } },
            { "Brand", "Model", "SN", "Provider", "LeaseTerm", "MonthlyVolume", "Satisfied",
                "Notes" }));
    db().addCall(customer,
        fill({ { "DateofCall", "2024-02-03" }, { "NextCallBack", "2024-08-03" } },
            { "Telemarketer", "Interest" }));
}

void ReportsFixture::printReport(bool suppressEquipment, bool suppressTelemarket)
{
    QTest::mouseClick(navigator()->btnPrint, Qt::LeftButton);
    frmNavReport *options = dialog();
    QVERIFY(options);
    options->chkEquipment->setChecked(suppressEquipment);
    options->chkTelemarket->setChecked(suppressTelemarket);
    QTest::mouseClick(options->btnPrint, Qt::LeftButton);
}

bool ReportsFixture::finishJob() const
{
    return QTest::qWaitFor(
        [this] { return !viewer() || !viewer()->CRViewer->jobs()->running(); }, 600000);
}

QString ReportsFixture::pdfText(const QStringList &options, const QString &pdfPath) const
{
    QTemporaryDir dir;
    const QString pdf = pdfPath.isEmpty() ? dir.filePath("report.pdf") : pdfPath;
    if (!viewer() || !viewer()->CRViewer->pages()->writePdf(pdf))
        return {};
    QProcess text;
    text.start("pdftotext", options + QStringList { pdf, "-" });
    text.waitForFinished(60000);
    return QString::fromUtf8(text.readAllStandardOutput());
}

QStringList ReportsFixture::pageTexts(const QString &pdfPath) const
{
    QStringList pages = pdfText({ "-layout" }, pdfPath).split(QChar('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QString ReportsFixture::reportText() const
{
    return pageTexts().join(QChar('\n'));
}

QString ReportsFixture::drawnText() const
{
    return pdfText({ "-raw" });
}

QList<QList<ReportsFixture::Word>> ReportsFixture::pageWords(const QString &pdfPath) const
{
    static const QRegularExpression word("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                                         "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>");
    QList<QList<Word>> pages;
    for (const QString &page : pdfText({ "-bbox" }, pdfPath).split("<page ").mid(1)) {
        QList<Word> words;
        for (auto m = word.globalMatch(page); m.hasNext();) {
            const auto w = m.next();
            words << Word { QRectF(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                                QPointF(w.captured(3).toDouble(), w.captured(4).toDouble())),
                w.captured(5) };
        }
        pages << words;
    }
    return pages;
}
