#include "ReportPageView.h"

#include "ReportPages.h"
#include "ReportStyle.h"

#include <QPainter>
#include <QScrollBar>

namespace {
constexpr int Desk = 12; // grey around the page, in pixels
constexpr double MinScale = 0.02, MaxScale = 1.0;
} // namespace

ReportPageView::ReportPageView(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
}

void ReportPageView::setPages(ReportPages *pages)
{
    m_pages = pages;
    m_page = 0;
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

void ReportPageView::setPage(int index)
{
    m_page = index;
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

void ReportPageView::setFit(Fit fit)
{
    if (fit == Fit::None)
        m_zoom = scale();
    m_fit = fit;
    updateScrollBars();
    viewport()->update();
}

double ReportPageView::scale() const
{
    if (!m_pages || m_fit == Fit::None)
        return m_zoom;
    const QSizeF paper = m_pages->paperSize();
    const double byWidth = (viewport()->width() - 2 * Desk) / paper.width();
    const double byHeight = (viewport()->height() - 2 * Desk) / paper.height();
    const double s = m_fit == Fit::Width ? byWidth : std::min(byWidth, byHeight);
    return std::clamp(s, MinScale, MaxScale);
}

void ReportPageView::zoomBy(double factor)
{
    m_zoom = std::clamp(scale() * factor, MinScale, MaxScale);
    m_fit = Fit::None;
    updateScrollBars();
    viewport()->update();
}

QSize ReportPageView::pagePixels() const
{
    if (!m_pages)
        return {};
    const QSizeF paper = m_pages->paperSize() * scale();
    return { int(paper.width()), int(paper.height()) };
}

void ReportPageView::updateScrollBars()
{
    const QSize page = pagePixels() + QSize(2 * Desk, 2 * Desk);
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, page.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, std::max(0, page.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(20);
}

void ReportPageView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void ReportPageView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void ReportPageView::paintEvent(QPaintEvent *)
{
    if (!m_pages || !m_pages->hasPage(m_page))
        return;
    QPainter p(viewport());
    const QSize page = pagePixels();
    const int x
        = std::max(Desk, (viewport()->width() - page.width()) / 2) - horizontalScrollBar()->value();
    const int y = Desk - verticalScrollBar()->value();
    p.fillRect(QRect(x + 3, y + 3, page.width(), page.height()), QColor(0, 0, 0, 60));
    p.fillRect(QRect(x, y, page.width(), page.height()), Qt::white);
    p.translate(x, y);
    const double s = scale();
    p.scale(s, s);
    m_pages->paintPage(p, m_page);
    ++m_paints;
    emit painted(m_page);
}
