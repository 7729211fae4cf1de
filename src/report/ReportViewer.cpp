#include "ReportViewer.h"

#include "ReportCsv.h"
#include "ReportPageView.h"
#include "ReportPages.h"
#include "ReportWorkbook.h"
#include "WholeFile.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
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

// What was not saved, naming the file, and the system's own words for why.
QString failure(const QString &what, const QString &path, const QString &problem)
{
    const QString text = what.arg(QDir::toNativeSeparators(path));
    return problem.isEmpty() ? text : text + QStringLiteral("\n\n") + problem;
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
    for (QAction *a : { actFitWidth, actFitPage, actZoomIn, actZoomOut, actPrint, actSavePdf })
        a->setEnabled(m_pages != nullptr);
    // A plain list can also go to a spreadsheet; a report with details cannot.
    for (QAction *a : { actSaveCsv, actSaveXlsx }) {
        a->setVisible(m_pages && m_pages->report().layout().csv);
        a->setEnabled(m_pages && m_pages->report().layout().csv);
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
    QString path = fileChooser()(this, caption, suggested, filter);
    if (!path.isEmpty() && !path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    return path;
}

void ReportViewer::print()
{
    if (!m_pages)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(m_pages->pageLayout());
    printer.setDocName(m_pages->report().layout().title);
    printer.setFromTo(1, m_pages->pageCount());
    if (printDialog()(this, printer))
        m_pages->print(printer);
}

void ReportViewer::savePdf()
{
    if (!m_pages)
        return;
    const QString path = choose(tr("Save as PDF"), QStringLiteral(".pdf"), tr("PDF files (*.pdf)"));
    QString problem;
    if (!path.isEmpty() && !m_pages->writePdf(path, &problem))
        emit saveFailed(failure(tr("The report could not be saved as %1."), path, problem));
}

void ReportViewer::saveCsv()
{
    if (!m_pages || !m_pages->report().layout().csv)
        return;
    const QString path = choose(tr("Save as CSV"), QStringLiteral(".csv"), tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    QString problem;
    if (!WholeFile::write(
            path, [this](QIODevice &out) { return ReportCsv::write(m_pages->report(), out); },
            &problem))
        emit saveFailed(failure(tr("The list could not be saved as %1."), path, problem));
}

void ReportViewer::saveXlsx()
{
    if (!m_pages || !m_pages->report().layout().csv)
        return;
    const QString path = choose(
        tr("Save as Excel Workbook"), QStringLiteral(".xlsx"), tr("Excel workbooks (*.xlsx)"));
    if (path.isEmpty())
        return;
    ReportWorkbook job(m_pages->report(), path);
    while (job.step()) { }
    QString problem;
    if (!job.finish(&problem))
        emit saveFailed(failure(tr("The list could not be saved as %1."), path, problem));
}
