#include "ReportsFixture.h"

#include "MDI.h"
#include "ReportPages.h"
#include "ReportViewer.h"
#include "TempDatabase.h"
#include "Viewer.h"
#include "frmNavReport.h"
#include "frmNavigator.h"

#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

ReportsFixture::ReportsFixture()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_db = std::make_unique<TempDatabase>();
    m_main = std::make_unique<MDI>();
    m_main->resize(1100, 800);
    m_main->show();
    m_main->registry().open<frmNavigator>();
}

ReportsFixture::~ReportsFixture()
{
    m_main.reset();
    m_db.reset();
}

frmNavigator *ReportsFixture::navigator() const
{
    return m_main->registry().find<frmNavigator>();
}

frmNavReport *ReportsFixture::dialog() const
{
    return m_main->registry().find<frmNavReport>();
}

Viewer *ReportsFixture::viewer() const
{
    return m_main->registry().find<Viewer>();
}

int ReportsFixture::subWindows() const
{
    return int(m_main->area()->subWindowList().size());
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

QList<QList<ReportsFixture::Word>> ReportsFixture::pageWords() const
{
    static const QRegularExpression word("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                                         "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>");
    QList<QList<Word>> pages;
    for (const QString &page : pdfText({ "-bbox" }).split("<page ").mid(1)) {
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

void ReportsFixture::savePage(int index, const QString &path) const
{
    ReportPages *pages = viewer()->CRViewer->pages();
    pages->pageCount(); // "Page N of M" as the printed page shows it
    // Report units are tenths of a point: 0.2 pixels each is 144 pixels to the inch.
    const double scale = 0.2;
    QImage image((pages->paperSize() * scale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    pages->paintPage(painter, index);
    painter.end();
    image.save(path);
}
