#include "ReportPageJob.h"

#include "ReportPages.h"

#include <QElapsedTimer>

ReportPageJob::ReportPageJob(ReportPages &pages, int first, int last)
    : m_pages(pages)
    , m_first(first)
    , m_last(last)
    , m_next(first)
{ }

ReportPageJob::~ReportPageJob()
{
    letCountingGo();
}

bool ReportPageJob::begin(QPaintDevice &device, double scale, bool framesLater)
{
    if (!m_painter.begin(&device))
        return false;
    m_device = &device;
    m_scale = scale;
    m_framesLater = framesLater;
    if (framesLater) {
        m_pages.holdCounting(true);
        m_holdsCounting = true;
    }
    return true;
}

void ReportPageJob::letCountingGo()
{
    if (m_holdsCounting)
        m_pages.holdCounting(false);
    m_holdsCounting = false;
}

bool ReportPageJob::endPainting()
{
    letCountingGo();
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
        if (!advance())
            return false;
    } while (timer.elapsed() < SliceMs);
    return true;
}

bool ReportPageJob::advance()
{
    if (m_pages.complete()) {
        if (m_next <= lastKnown()) {
            paint(m_next++, true);
            return true;
        }
        if (m_framed < m_frames.size()) {
            paintFrameLater(m_framed++);
            return true;
        }
        return false;
    }
    // Every page says which of how many it is. Without frames painted later, the pages are
    // counted first, one a turn; with them, each page is painted as it is counted.
    if (!m_framesLater || m_next > m_pages.pagesKnown())
        m_pages.hasPage(m_pages.pagesKnown());
    else
        paint(m_next++, false);
    return true;
}

void ReportPageJob::paint(int index, bool withFrame)
{
    if (index > m_first)
        newPage();
    m_painter.save();
    m_painter.scale(m_scale, m_scale);
    if (withFrame) {
        m_pages.paintPage(m_painter, index);
    } else {
        // The frame goes under the rest, where a page painted whole has it too.
        m_frames.push_back(placeFrame());
        m_pages.paintBody(m_painter, index);
    }
    m_painter.restore();
}

void ReportPageJob::paintFrameLater(std::size_t page)
{
    beginFrame(m_frames[page]);
    m_painter.save();
    m_painter.scale(m_scale, m_scale);
    m_pages.paintFrame(m_painter, m_first + int(page));
    m_painter.restore();
    endFrame();
}

qint64 ReportPageJob::done() const
{
    // Once the bodies are all painted, the frames left for later are what is being done.
    if (m_pages.complete() && m_next > lastKnown() && !m_frames.empty())
        return qint64(m_framed);
    return m_next - m_first;
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
