#pragma once

#include "ReportSaveJob.h"

#include <QCoreApplication>
#include <QPainter>
#include <climits>
#include <vector>

class QPaintDevice;
class ReportPages;

// Pages of a report painted onto a paged device (a PDF file, a printer) a slice at a time, so
// that the work can stop between any two pages. A page's footer tells the number of pages, so
// pages not counted yet are counted first, a page a turn, in the same slices. What the device
// is, how it starts a page and what becomes of it at the end or on a cancel is the concrete
// job's.
class ReportPageJob : public ReportSaveJob
{
    Q_DECLARE_TR_FUNCTIONS(ReportPageJob)

public:
    bool step() override;
    qint64 done() const override;
    qint64 total() const override;
    QString progressText() const override;

protected:
    // The pages from first to last (from 0); last may lie past the report's end.
    ReportPageJob(ReportPages &pages, int first, int last = INT_MAX);

    ~ReportPageJob() override;

    // Begins painting; each page is scaled from report units by scale. False when the device
    // cannot be painted on; the job then does nothing. A device that can paint a part of a
    // page after the rest (framesLater) has every page laid out once: the pages are painted
    // as they are counted, and their frames, which tell the number of pages, at the end.
    bool begin(QPaintDevice &device, double scale, bool framesLater = false);
    // With frames later: marks the current page's frame, to be painted later, and returns
    // its mark; then paints that frame between beginFrame and endFrame.
    virtual int placeFrame() { return 0; }
    virtual void beginFrame(int) { }
    virtual void endFrame() { }
    // Starts the device's next page.
    virtual void newPage() = 0;
    bool begun() const { return m_device != nullptr; }
    // Ends the painting, the device taking what it was given; false when it refused it.
    bool endPainting();

    ReportPages &pages() { return m_pages; }

private:
    // Paints or counts one page, or paints one frame left for later; false when nothing is
    // left to do.
    bool advance();
    void paint(int index, bool withFrame);
    void paintFrameLater(std::size_t page);
    void letCountingGo();
    // The last page there is to paint, once the pages are counted; -1 until then.
    int lastKnown() const;

    ReportPages &m_pages;
    QPainter m_painter;
    QPaintDevice *m_device = nullptr;
    double m_scale = 1;
    int m_first;
    int m_last;
    int m_next;
    bool m_ended = false;
    bool m_framesLater = false;
    bool m_holdsCounting = false;
    std::vector<int> m_frames; // the marks of the frames left for later, from the first page
    std::size_t m_framed = 0;
};
