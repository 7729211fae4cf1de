#include "ReportViewer.h"

#include "ReportCsvJob.h"
#include "ReportJobRunner.h"
#include "ReportPageView.h"
#include "ReportPages.h"
#include "ReportPdfJob.h"
#include "ReportPrintJob.h"
#include "ReportWorkbook.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

ReportViewer::FileChooser systemFileChooser()
{
    return [](QWidget *parent, const QString &caption, const QString &suggested,
               const QString &filter) {
        return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
    };
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

ReportViewer::PrintDialog systemPrintDialog()
{
    return [](QWidget *parent, QPrinter &printer) {
        QPrintDialog box(&printer, parent);
        return box.exec() == QDialog::Accepted;
    };
}

// A command's picture, 16 points square, drawn in the colour of the buttons' text.
constexpr int PictureSize = 16;
QIcon commandPicture(const QWidget *viewer, const std::function<void(QPainter &)> &draw)
{
    const qreal ratio = viewer->devicePixelRatioF();
    QPixmap pixmap(QSize(PictureSize, PictureSize) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(viewer->palette().color(QPalette::ButtonText), 1.5));
    p.setBrush(viewer->palette().color(QPalette::ButtonText));
    draw(p);
    return QIcon(pixmap);
}

// A page command's picture: a triangle pointing the way it turns the pages, with a bar at its
// tip for the first or the last page.
QIcon pageArrow(const QWidget *viewer, bool forward, bool toEnd)
{
    return commandPicture(viewer, [&](QPainter &p) {
        p.setPen(Qt::NoPen);
        if (!forward) {
            p.translate(PictureSize, 0);
            p.scale(-1, 1);
        }
        const qreal tip = toEnd ? 11 : 12.5;
        p.drawPolygon(QPolygonF { { tip - 8, 3 }, { tip, 8 }, { tip - 8, 13 } });
        if (toEnd)
            p.drawRect(QRectF(11.5, 3, 2, 10));
    });
}

// The zoom commands' pictures: a magnifying glass with a plus or a minus, and for fitting the
// page a page between two bars, across for its width or upright for the whole page. The commands
// show as pictures so that every command of the bar shows at the window's first size.
QIcon zoomPicture(const QWidget *viewer, QChar kind)
{
    return commandPicture(viewer, [&](QPainter &p) {
        p.setBrush(Qt::NoBrush);
        if (kind == QLatin1Char('+') || kind == QLatin1Char('-')) {
            p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
            p.drawLine(QPointF(4.5, 6.5), QPointF(8.5, 6.5));
            if (kind == QLatin1Char('+'))
                p.drawLine(QPointF(6.5, 4.5), QPointF(6.5, 8.5));
            QPen handle = p.pen();
            handle.setWidthF(2.5);
            p.setPen(handle);
            p.drawLine(QPointF(10, 10), QPointF(14, 14));
            return;
        }
        if (kind != QLatin1Char('w')) { // upright: the same picture turned a quarter
            p.translate(PictureSize, 0);
            p.rotate(90);
        }
        p.drawRect(QRectF(4.5, 3.5, 7, 9));
        p.drawLine(QPointF(1.5, 2), QPointF(1.5, 14));
        p.drawLine(QPointF(14.5, 2), QPointF(14.5, 14));
    });
}

ReportViewer::FileChooser &fileChooser()
{
    static ReportViewer::FileChooser chooser = systemFileChooser();
    return chooser;
}

ReportViewer::PrintDialog &printDialog()
{
    static ReportViewer::PrintDialog dialog = systemPrintDialog();
    return dialog;
}

} // namespace

void ReportViewer::setFileChooser(FileChooser chooser)
{
    fileChooser() = chooser ? std::move(chooser) : systemFileChooser();
}

void ReportViewer::setPrintDialog(PrintDialog dialog)
{
    printDialog() = dialog ? std::move(dialog) : systemPrintDialog();
}

ReportViewer::ReportViewer(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("CRViewer"));
    m_runner = std::make_unique<ReportJobRunner>(this);
    connect(m_runner.get(), &ReportJobRunner::ended, this,
        [this](ReportJobRunner::Outcome outcome, const QString &problem) {
            jobEnded(outcome == ReportJobRunner::Outcome::Failed, problem);
        });
    m_toolBar = new QToolBar(this);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    m_toolBar->setIconSize(QSize(iconSize, iconSize));
    m_view = new ReportPageView(this);
    m_view->setAccessibleName(QStringLiteral("Report page"));

    // Every command shows at the window's first size: the page commands are arrows, and the
    // page count has its room from the start, so that the bar does not shift while pages are
    // counted.
    actFirst = addCommand(
        tr("First"), { QKeySequence(Qt::CTRL | Qt::Key_Home) }, pageArrow(this, false, true));
    actPrevious = addCommand(
        tr("Previous"), { QKeySequence(Qt::Key_PageUp) }, pageArrow(this, false, false));
    txtPage = new QLineEdit(this);
    txtPage->setAccessibleName(QStringLiteral("Page"));
    txtPage->setValidator(new QIntValidator(1, 1 << 30, txtPage));
    txtPage->setMaximumWidth(
        txtPage->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
    txtPage->setAlignment(Qt::AlignCenter);
    m_toolBar->addWidget(txtPage);
    lblPages = new QLabel(this);
    lblPages->setContentsMargins(4, 0, 4, 0);
    lblPages->setMinimumWidth(
        lblPages->fontMetrics().horizontalAdvance(tr("of %1+").arg(99999)) + 8);
    m_toolBar->addWidget(lblPages);
    actNext
        = addCommand(tr("Next"), { QKeySequence(Qt::Key_PageDown) }, pageArrow(this, true, false));
    actLast = addCommand(
        tr("Last"), { QKeySequence(Qt::CTRL | Qt::Key_End) }, pageArrow(this, true, true));
    m_toolBar->addSeparator();
    actFitWidth = addCommand(tr("Fit Width"), {}, zoomPicture(this, QLatin1Char('w')));
    actFitPage = addCommand(tr("Fit Page"), {}, zoomPicture(this, QLatin1Char('p')));
    actZoomIn = addCommand(tr("Zoom In"),
        { QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal) },
        zoomPicture(this, QLatin1Char('+')));
    actZoomOut = addCommand(tr("Zoom Out"), { QKeySequence(Qt::CTRL | Qt::Key_Minus) },
        zoomPicture(this, QLatin1Char('-')));
    m_toolBar->addSeparator();
    actPrint = addCommand(tr("Print…"), { QKeySequence(Qt::CTRL | Qt::Key_P) });
    actSavePdf = addCommand(tr("Save as PDF…"), {});
    actSaveCsv = addCommand(tr("Save as CSV…"), {});
    actSaveXlsx = addCommand(tr("Save as Excel Workbook…"), {});

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_view, 1);

    connect(actFirst, &QAction::triggered, this, [this] { goToPage(0); });
    connect(actPrevious, &QAction::triggered, this, [this] { goToPage(currentPage() - 1); });
    connect(actNext, &QAction::triggered, this, [this] { goToPage(currentPage() + 1); });
    connect(actLast, &QAction::triggered, this, [this] {
        if (m_pages)
            goToPage(m_pages->pageCount() - 1);
    });
    connect(actFitWidth, &QAction::triggered, this,
        [this] { m_view->setFit(ReportPageView::Fit::Width); });
    connect(actFitPage, &QAction::triggered, this,
        [this] { m_view->setFit(ReportPageView::Fit::Page); });
    connect(actZoomIn, &QAction::triggered, this, [this] { m_view->zoomBy(1.25); });
    connect(actZoomOut, &QAction::triggered, this, [this] { m_view->zoomBy(0.8); });
    connect(actPrint, &QAction::triggered, this, &ReportViewer::print);
    connect(actSavePdf, &QAction::triggered, this, &ReportViewer::savePdf);
    connect(actSaveCsv, &QAction::triggered, this, &ReportViewer::saveCsv);
    connect(actSaveXlsx, &QAction::triggered, this, &ReportViewer::saveXlsx);
    connect(txtPage, &QLineEdit::returnPressed, this,
        [this] { goToPage(txtPage->text().toInt() - 1); });
    updateCommands();
}

ReportViewer::~ReportViewer() = default;

QAction *ReportViewer::addCommand(
    const QString &text, const QList<QKeySequence> &keys, const QIcon &icon)
{
    auto *action = new QAction(text, this);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
    m_toolBar->addAction(action);
    if (!icon.isNull()) {
        // Shown as its picture; the caption stays its name and its tip.
        action->setIcon(icon);
        if (auto *button = qobject_cast<QToolButton *>(m_toolBar->widgetForAction(action)))
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    return action;
}

void ReportViewer::setReportSource(std::unique_ptr<Report> report)
{
    m_view->setPages(nullptr);
    if (m_pages && m_pages.get() == m_jobPages) {
        disconnect(m_pages.get(), nullptr, this, nullptr);
        m_retired = std::move(m_pages);
    }
    m_pages = std::make_unique<ReportPages>(std::move(report));
    connect(m_pages.get(), &ReportPages::pagesChanged, this, [this] {
        updateCommands();
        if (m_pages->complete())
            m_view->viewport()->update(); // "Page N of M" now that M is known
    });
}

void ReportViewer::ViewReport()
{
    m_view->setPages(m_pages.get());
    if (m_pages)
        m_pages->countInIdleTime();
    updateCommands();
}

int ReportViewer::currentPage() const
{
    return m_view->page();
}

void ReportViewer::goToPage(int index)
{
    if (!m_pages || index < 0 || !m_pages->hasPage(index))
        return;
    m_view->setPage(index);
    updateCommands();
}

void ReportViewer::updateCommands()
{
    const bool shown = m_pages != nullptr;
    const int page = currentPage();
    const bool complete = m_pages && m_pages->complete();
    const int known = m_pages ? m_pages->pagesKnown() : 0;
    actFirst->setEnabled(shown && page > 0);
    actPrevious->setEnabled(shown && page > 0);
    actNext->setEnabled(shown && (!complete || page + 1 < known));
    actLast->setEnabled(shown && (!complete || page + 1 < known));
    for (QAction *a : { actFitWidth, actFitPage, actZoomIn, actZoomOut })
        a->setEnabled(m_pages != nullptr);
    // One piece of printing or saving at a time.
    const bool idle = !m_runner->running();
    actPrint->setEnabled(m_pages && idle);
    actSavePdf->setEnabled(m_pages && idle);
    // A plain list can also go to a spreadsheet; a report with details cannot.
    for (QAction *a : { actSaveCsv, actSaveXlsx }) {
        a->setVisible(m_pages && m_pages->report().layout().csv);
        a->setEnabled(m_pages && m_pages->report().layout().csv && idle);
    }
    txtPage->setText(m_pages ? QString::number(page + 1) : QString());
    // The page shown is known to be there before the count has reached it.
    lblPages->setText(!m_pages ? QString()
            : complete         ? tr("of %1").arg(known)
                               : tr("of %1+").arg(std::max(known, page + 1)));
}

QString ReportViewer::choose(const QString &caption, const QString &suffix, const QString &filter)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QDir(folder).filePath(m_pages->report().layout().title + suffix);
    const QPointer<ReportViewer> alive(this);
    QString path = fileChooser()(this, caption, suggested, filter);
    if (!alive || !m_pages)
        return QString();
    if (!path.isEmpty() && !path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    return path;
}

void ReportViewer::print()
{
    if (!m_pages || m_runner->running())
        return;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageLayout(m_pages->pageLayout());
    printer->setDocName(m_pages->report().layout().title);
    // The dialog opens at once: the range it offers is the whole report once the pages are
    // counted, and its own default until then.
    if (m_pages->complete())
        printer->setFromTo(1, m_pages->pagesKnown());
    const QPointer<ReportViewer> alive(this);
    if (!printDialog()(this, *printer) || !alive || !m_pages)
        return;
    auto job = std::make_unique<ReportPrintJob>(*m_pages, std::move(printer));
    const QString failed = job->toFile()
        ? tr("The report could not be printed to %1.").arg(native(job->target()))
        : tr("The report could not be printed on %1.").arg(job->target());
    startJob(std::move(job), tr("Print"), failed);
}

void ReportViewer::savePdf()
{
    if (!m_pages || m_runner->running())
        return;
    const QString path = choose(tr("Save as PDF"), QStringLiteral(".pdf"), tr("PDF files (*.pdf)"));
    if (!path.isEmpty())
        startJob(std::make_unique<ReportPdfJob>(*m_pages, path), tr("Save as PDF"),
            tr("The report could not be saved as %1.").arg(native(path)));
}

void ReportViewer::saveCsv()
{
    if (!m_pages || !m_pages->report().layout().csv || m_runner->running())
        return;
    const QString path = choose(tr("Save as CSV"), QStringLiteral(".csv"), tr("CSV files (*.csv)"));
    if (!path.isEmpty())
        startJob(std::make_unique<ReportCsvJob>(m_pages->report(), path), tr("Save as CSV"),
            tr("The list could not be saved as %1.").arg(native(path)));
}

void ReportViewer::startJob(
    std::unique_ptr<ReportSaveJob> job, const QString &caption, const QString &failed)
{
    m_failed = failed;
    m_jobPages = m_pages.get();
    m_runner->start(std::move(job), caption);
    updateCommands();
}

void ReportViewer::jobEnded(bool failed, const QString &problem)
{
    m_jobPages = nullptr;
    m_retired.reset();
    updateCommands();
    // What was not done, naming the file, and the system's own words for why.
    if (failed)
        emit saveFailed(problem.isEmpty() ? m_failed : m_failed + QStringLiteral("\n\n") + problem);
}

void ReportViewer::saveXlsx()
{
    if (!m_pages || !m_pages->report().layout().csv || m_runner->running())
        return;
    const QString path = choose(
        tr("Save as Excel Workbook"), QStringLiteral(".xlsx"), tr("Excel workbooks (*.xlsx)"));
    if (!path.isEmpty())
        startJob(std::make_unique<ReportWorkbook>(m_pages->report(), path),
            tr("Save as Excel Workbook"),
            tr("The list could not be saved as %1.").arg(native(path)));
}
