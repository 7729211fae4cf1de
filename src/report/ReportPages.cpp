#include "ReportPages.h"

#include "WholeFile.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace {
// Long enough to lay out a few pages, short enough that a key press is not felt to wait.
constexpr qint64 SliceMs = 20;
} // namespace

ReportPages::ReportPages(std::unique_ptr<Report> report, QObject *parent)
    : QObject(parent)
    , m_report(std::move(report))
    , m_paginator(*m_report)
{
    // A zero-interval timer fires only when the event queue is empty: idle time.
    m_idle.setInterval(0);
    connect(&m_idle, &QTimer::timeout, this, &ReportPages::countSlice);
}

ReportPages::~ReportPages() = default;

void ReportPages::countInIdleTime()
{
    if (!m_paginator.complete())
        m_idle.start();
}

void ReportPages::countSlice()
{
    // Stopped while it works: a slice that fails (the database has gone away) does not come
    // round again and again; it ends the counting with the one error shown.
    m_idle.stop();
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < SliceMs && m_paginator.layoutNext()) { }
    if (!m_paginator.complete())
        m_idle.start();
    emit pagesChanged();
}

int ReportPages::pageCount()
{
    const bool wasComplete = m_paginator.complete();
    while (m_paginator.layoutNext()) { }
    m_idle.stop();
    if (!wasComplete)
        emit pagesChanged();
    return m_paginator.pagesKnown();
}

void ReportPages::paintPage(QPainter &p, int index)
{
    m_paginator.paintPage(p, index);
}

bool ReportPages::writePdf(const QString &path, QString *problem)
{
    // Laid out before the file is opened: a report that cannot be read leaves no file at all.
    const int pages = pageCount();
    return WholeFile::write(
        path, [&](QIODevice &out) { return writePdf(out, pages); }, problem);
}

bool ReportPages::writePdf(QIODevice &out, int pages)
{
    QPdfWriter pdf(&out);
    pdf.setTitle(m_report->layout().name);
    pdf.setCreator(QStringLiteral("Corvane"));
    // At 720 dots an inch one dot is one report unit.
    pdf.setResolution(int(ReportStyle::UnitsPerInch));
    pdf.setPageLayout(m_paginator.pageLayout());
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            pdf.newPage();
        paintPage(painter, i);
    }
    return painter.end();
}

void ReportPages::print(QPrinter &printer)
{
    const int pages = pageCount();
    // The paper the user chose in the print dialog; the pages are laid out for the locale's
    // paper and scaled to fit another one whole.
    printer.setFullPage(true);
    int from = 0, to = pages - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = printer.fromPage() - 1;
        to = std::min(to, printer.toPage() - 1);
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const double scale
        = std::min(paper.width() / paperSize().width(), paper.height() / paperSize().height());
    for (int i = from; i <= to; ++i) {
        if (i > from)
            printer.newPage();
        painter.save();
        painter.scale(scale, scale);
        paintPage(painter, i);
        painter.restore();
    }
    painter.end();
}
