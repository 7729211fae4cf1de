#include "ReportsFixture.h"

#include "MDI.h"
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

void ReportsFixture::printReport(bool suppressEquipment, bool suppressTelemarket)
{
    QTest::mouseClick(navigator()->btnPrint, Qt::LeftButton);
    frmNavReport *options = dialog();
    QVERIFY(options);
    options->chkEquipment->setChecked(suppressEquipment);
    options->chkTelemarket->setChecked(suppressTelemarket);
    QTest::mouseClick(options->btnPrint, Qt::LeftButton);
}

QStringList ReportsFixture::pageTexts(const QString &pdfPath) const
{
    QTemporaryDir dir;
    const QString pdf = pdfPath.isEmpty() ? dir.filePath("report.pdf") : pdfPath;
    if (!viewer() || !viewer()->CRViewer->pages()->writePdf(pdf))
        return {};
    QProcess text;
    text.start("pdftotext", { "-layout", pdf, "-" });
    text.waitForFinished(60000);
    QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(QChar('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QString ReportsFixture::reportText() const
{
    return pageTexts().join(QChar('\n'));
}
