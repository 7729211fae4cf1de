#include "ReportPageJob.h"

#include "ReportPages.h"

#include <QElapsedTimer>

ReportPageJob::ReportPageJob(ReportPages &pages, int first, int last)
    : m_pages(pages)
    , m_first(first)
    , m_last(last)
    , m_next(first)
{ }

bool ReportPageJob::begin(QPaintDevice &device, double scale)
{
    if (!m_painter.begin(&device))
        return false;
    m_device = &device;
    m_scale = scale;
    return true;
}

bool ReportPageJob::endPainting()
{
    if (!m_painter.isActive())
        return false;
    m_ended = true;
    return m_painter.end();
}

bool ReportPageJob::step()
{
    if (!m_device || m_ended)
        return false;
    QElapsedTimer timer;
    timer.start();
    do {
        // Every page says which of how many it is, so the pages not known yet are counted
        // first, one page a turn.
        if (!m_pages.complete()) {
            m_pages.hasPage(m_pages.pagesKnown());
            continue;
        }
        if (m_next > lastKnown())
            return false;
        if (m_next > m_first)
            newPage();
        m_painter.save();
        m_painter.scale(m_scale, m_scale);
        m_pages.paintPage(m_painter, m_next);
        m_painter.restore();
        ++m_next;
    } while (timer.elapsed() < SliceMs);
    return !m_pages.complete() || m_next <= lastKnown();
}

int ReportPageJob::lastKnown() const
{
    return m_pages.complete() ? std::min(m_last, m_pages.pagesKnown() - 1) : -1;
}

qint64 ReportPageJob::total() const
{
    const int last = lastKnown();
    return last < 0 ? 0 : std::max(0, last - m_first + 1);
}

QString ReportPageJob::progressText() const
{
    // While the pages are counted, how far the count has come.
    const qint64 all = total();
    if (!m_pages.complete())
        return tr("Page %1").arg(m_pages.pagesKnown());
    return tr("Page %1 of %2").arg(std::min(done() + 1, std::max<qint64>(all, 1))).arg(all);
}
