#include "MDI.h"
#include "Report.h"
#include "ReportPageView.h"
#include "ReportPages.h"
#include "ReportViewer.h"
#include "ReportsFixture.h"
#include "TempDatabase.h"
#include "TestRegistry.h"
#include "Viewer.h"
#include "frmNavReport.h"
#include "frmNavigator.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

// The viewer window as the user handles it: its size, its commands, the files it writes.
class tst_ReportViewerWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fillsItsWindowAfterResizes();
    void secondReportReplacesTheFirst();
    void cancelLeavesTheViewerAsItWas();
    void pagesAndZoomFromTheKeyboard();
    void csvReadsBackWhole();
    void savingCanBeCancelled();
    void everyCommandShowsAtTheFirstSize();
    void printsThePagesTheDialogAsksFor();

private:
    static QList<QStringList> parseCsv(const QString &text);
    std::unique_ptr<ReportsFixture> m_f;
};

void tst_ReportViewerWindow::init()
{
    m_f = std::make_unique<ReportsFixture>();
    for (int i = 0; i < 40; ++i)
        m_f->db().addCustomer(QString("Customer %1").arg(i, 2, 10, QChar('0')),
            { { "City", "Salem" }, { "Phone", "503-555-0100" } });
    m_f->db().addMachine("Customer 01", { { "Brand", "Ricoh" }, { "Model", "MP C3004" } });
    m_f->search();
}

void tst_ReportViewerWindow::cleanup()
{
    ReportViewer::setFileChooser(nullptr);
    ReportViewer::setPrintDialog(nullptr);
    m_f.reset();
}

void tst_ReportViewerWindow::fillsItsWindowAfterResizes()
{
    m_f->printReport();
    Viewer *viewer = m_f->viewer();
    QVERIFY(viewer);
    QCOMPARE(viewer->parentWidget()->windowTitle(), QString("Report Viewer"));
    for (const QSize size : { QSize(700, 500), QSize(320, 240), QSize(1000, 760) }) {
        viewer->parentWidget()->resize(size);
        QApplication::processEvents();
        QCOMPARE(viewer->CRViewer->geometry(), viewer->rect());
    }
    QTRY_VERIFY(viewer->CRViewer->pageView()->paints() > 0);
    viewer->parentWidget()->showMaximized();
    QApplication::processEvents();
    QTRY_VERIFY(viewer->CRViewer->pages()->complete());
    m_f->saveScreenshot("report-viewer.png");
}

void tst_ReportViewerWindow::secondReportReplacesTheFirst()
{
    QTest::mouseClick(m_f->navigator()->btnExport, Qt::LeftButton);
    Viewer *viewer = m_f->viewer();
    QCOMPARE(viewer->CRViewer->pages()->report().name(), QString("crptNavExportReport"));
    QVERIFY(viewer->CRViewer->actSaveCsv->isVisible());
    QVERIFY(m_f->pageTexts(ReportsFixture::screenshotPath("export-list.pdf")).size() >= 1);
    const int windows = m_f->subWindows();

    m_f->printReport();
    QCOMPARE(m_f->viewer(), viewer);
    QCOMPARE(m_f->subWindows(), windows);
    QCOMPARE(viewer->CRViewer->pages()->report().name(), QString("crptNavReport"));
    QVERIFY(!viewer->CRViewer->actSaveCsv->isVisible());
    QCOMPARE(viewer->CRViewer->currentPage(), 0);
}

void tst_ReportViewerWindow::cancelLeavesTheViewerAsItWas()
{
    QTest::mouseClick(m_f->navigator()->btnExport, Qt::LeftButton);
    Viewer *viewer = m_f->viewer();
    ReportPages *shown = viewer->CRViewer->pages();
    viewer->CRViewer->actNext->trigger();
    QCOMPARE(viewer->CRViewer->currentPage(), 1);

    QTest::mouseClick(m_f->navigator()->btnPrint, Qt::LeftButton);
    frmNavReport *options = m_f->dialog();
    QVERIFY(options);
    ReportsFixture::saveScreenshot(options->parentWidget(), "nav-report-dialog.png");
    QCOMPARE(options->chkEquipment->accessibleName(), QString("Suppress Equipment Detail"));
    QCOMPARE(
        options->chkEquipment->nextInFocusChain(), static_cast<QWidget *>(options->chkTelemarket));
    QTest::mouseClick(options->btnCancel, Qt::LeftButton);
    QTRY_VERIFY(!m_f->dialog());
    QCOMPARE(m_f->viewer(), viewer);
    QCOMPARE(viewer->CRViewer->pages(), shown);
    QCOMPARE(viewer->CRViewer->currentPage(), 1);
}

void tst_ReportViewerWindow::pagesAndZoomFromTheKeyboard()
{
    for (int i = 0; i < 200; ++i)
        m_f->db().addCustomer(QString("More %1").arg(i));
    m_f->search();
    QTest::mouseClick(m_f->navigator()->btnExport, Qt::LeftButton);
    ReportViewer *control = m_f->viewer()->CRViewer;
    m_f->main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_f->main()));
    control->pageView()->setFocus();
    QTRY_VERIFY(control->pageView()->hasFocus());
    QTest::keyClick(control->pageView(), Qt::Key_PageDown);
    QTest::keyClick(control->pageView(), Qt::Key_PageDown);
    QCOMPARE(control->currentPage(), 2);
    QCOMPARE(control->txtPage->text(), QString("3"));
    QTest::keyClick(control->pageView(), Qt::Key_PageUp);
    QCOMPARE(control->currentPage(), 1);
    control->actLast->trigger();
    QVERIFY(control->pages()->complete());
    QCOMPARE(control->currentPage(), control->pages()->pagesKnown() - 1);
    QVERIFY(!control->actNext->isEnabled());

    const double fitted = control->pageView()->scale();
    QTest::keyClick(control->pageView(), Qt::Key_Plus, Qt::ControlModifier);
    QVERIFY(control->pageView()->scale() > fitted);
    QTest::keyClick(control->pageView(), Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(control->pageView(), Qt::Key_Minus, Qt::ControlModifier);
    QVERIFY(control->pageView()->scale() < fitted);
    control->actFitPage->trigger();
    QCOMPARE(control->pageView()->fit(), ReportPageView::Fit::Page);
}

QList<QStringList> tst_ReportViewerWindow::parseCsv(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                cell += c, ++i;
            else if (c == '"')
                quoted = false;
            else
                cell += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            row << cell, cell.clear();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            row << cell, cell.clear();
            rows << row, row.clear();
            ++i;
        } else {
            cell += c;
        }
    }
    return rows;
}

void tst_ReportViewerWindow::csvReadsBackWhole()
{
    const QString tricky[] = { "Comma, Inc.", "The \"Quoted\" Co", "=SUM(A1:A9)", "Élan Ünicode" };
    m_f->db().addCustomer(tricky[0], { { "Address1", "Line one\nLine two" } });
    m_f->db().addCustomer(tricky[1], { { "Phone", "+1 503 555" } });
    m_f->db().addCustomer(tricky[2], { { "Address2", "@home" } });
    m_f->db().addCustomer(tricky[3], { { "City", "-Salem" } });
    m_f->search();
    QTest::mouseClick(m_f->navigator()->btnExport, Qt::LeftButton);

    QTemporaryDir dir;
    const QString path = dir.filePath("customers");
    QString caption, offered;
    ReportViewer::setFileChooser(
        [&](QWidget *, const QString &c, const QString &suggested, const QString &) {
            caption = c;
            offered = QFileInfo(suggested).fileName();
            return path;
        });
    m_f->viewer()->CRViewer->actSaveCsv->trigger();
    QVERIFY(m_f->finishJob());
    QCOMPARE(caption, QString("Save as CSV"));
    QCOMPARE(offered, QString("Customer List.csv"));
    QFile file(path + ".csv");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QList<QStringList> rows = parseCsv(QString::fromUtf8(bytes.mid(3)));
    QCOMPARE(rows.size(), 1 + 44);
    QCOMPARE(rows[0].size(), 21);
    QCOMPARE(rows[0][0], QString("Customer"));
    QCOMPARE(rows[0][20], QString("DateEntered"));
    auto rowOf = [&](const QString &start) {
        for (const QStringList &row : rows)
            if (row[0] == start)
                return row;
        return QStringList();
    };
    QCOMPARE(rowOf(tricky[0]).value(1), QString("Line one\nLine two"));
    QCOMPARE(rowOf(tricky[1]).value(6), QString("'+1 503 555"));
    QCOMPARE(rowOf("'=SUM(A1:A9)").value(2), QString("'@home"));
    QCOMPARE(rowOf(tricky[3]).value(3), QString("'-Salem"));
    for (const QStringList &row : rows)
        QCOMPARE(row.size(), 21);
}

void tst_ReportViewerWindow::savingCanBeCancelled()
{
    m_f->printReport();
    ReportViewer *control = m_f->viewer()->CRViewer;
    int asked = 0;
    QString offered;
    ReportViewer::setFileChooser(
        [&](QWidget *, const QString &, const QString &suggested, const QString &) {
            ++asked;
            offered = QFileInfo(suggested).fileName();
            return QString();
        });
    control->actSavePdf->trigger();
    QCOMPARE(asked, 1);
    QCOMPARE(offered, QString("Customer Report.pdf"));
    QVERIFY(!control->actSaveCsv->isEnabled());

    QTemporaryDir dir;
    ReportViewer::setFileChooser([&](QWidget *, const QString &, const QString &, const QString &) {
        return dir.filePath("r.pdf");
    });
    control->actSavePdf->trigger();
    QVERIFY(m_f->finishJob());
    QFile pdf(dir.filePath("r.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
}

void tst_ReportViewerWindow::everyCommandShowsAtTheFirstSize()
{
    // The main window at the size it opens with; the viewer then opens as large as it allows.
    m_f->main().resize(MDI().size());
    for (int i = 0; i < 400; ++i)
        m_f->db().addCustomer(QString("More %1").arg(i));
    m_f->search();
    QTest::mouseClick(m_f->navigator()->btnExport, Qt::LeftButton);
    ReportViewer *control = m_f->viewer()->CRViewer;
    auto *bar = control->findChild<QToolBar *>();
    auto everyCommandShows = [&] {
        // Laid out as the window system would before the next paint; pages are not counted.
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        for (QAction *action : bar->actions()) {
            if (!action->isVisible())
                continue;
            QWidget *button = bar->widgetForAction(action);
            if (!button || !button->isVisible() || !bar->rect().contains(button->geometry())
                || button->width() < button->minimumSizeHint().width())
                return false;
        }
        return true;
    };
    QVERIFY(!control->pages()->complete());
    QVERIFY(everyCommandShows());
    m_f->saveScreenshot("viewer-first-size-counting.png");
    QTRY_VERIFY(control->pages()->complete());
    QVERIFY(everyCommandShows());
}

void tst_ReportViewerWindow::printsThePagesTheDialogAsksFor()
{
    m_f->printReport();
    ReportViewer *control = m_f->viewer()->CRViewer;
    QTemporaryDir dir;
    const QString out = dir.filePath("printed.pdf");
    bool answer = false;
    int shown = 0;
    ReportViewer::setPrintDialog([&](QWidget *, QPrinter &printer) {
        ++shown;
        // What the user picks in the system's dialog: a printer that writes a file, pages 2-3.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 3);
        return answer;
    });
    control->actPrint->trigger(); // Cancel in the dialog prints nothing
    QCOMPARE(shown, 1);
    QVERIFY(!QFile::exists(out));

    answer = true;
    m_f->main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_f->main()));
    control->pageView()->setFocus();
    QTest::keyClick(control->pageView(), Qt::Key_P, Qt::ControlModifier);
    QVERIFY(m_f->finishJob());
    QCOMPARE(shown, 2);
    QProcess text;
    text.start("pdftotext", { "-layout", out, "-" });
    QVERIFY(text.waitForFinished(60000));
    const QStringList pages
        = QString::fromUtf8(text.readAllStandardOutput()).split(QChar('\f'), Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 2);
    const int total = control->pages()->pagesKnown();
    QVERIFY(pages[0].contains(QString("Page 2 of %1").arg(total)));
    QVERIFY(pages[1].contains(QString("Page 3 of %1").arg(total)));
}

CORVANE_TEST(tst_ReportViewerWindow)
#include "tst_ReportViewerWindow.moc"
