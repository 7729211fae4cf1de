#pragma once

#include "ReportBands.h"

#include <QPageLayout>
#include <QSizeF>
#include <vector>

class QPainter;
class Report;

// Breaks a report into pages one page at a time, as far as they are asked for. Only where
// each page starts is kept (an entry and a band within it), never a page's drawing: a page is
// drawn by laying it out again from its start, so a report of 100,000 customers holds no more
// than its rows. An entry that does not fit in the rest of a page moves whole to the next one;
// one too long for any page goes on over pages, its name and table headers repeated.
class ReportPaginator
{
public:
    explicit ReportPaginator(Report &report);

    // Letter in the United States and the other countries that use it, A4 elsewhere, as the
    // user's locale says; the orientation the layout asks for.
    QPageLayout pageLayout() const { return m_pageLayout; }
    // The paper in report units (a tenth of a point).
    QSizeF paperSize() const { return m_paper; }

    int pagesKnown() const { return int(m_starts.size()); }
    bool complete() const { return m_complete; }
    // Lays out pages until page index (from 0) is known or the report has ended.
    bool ensurePage(int index);
    // Lays out the next page; false once every page is known.
    bool layoutNext();

    // Draws a page; the painter's units are report units from the paper's top left corner.
    // Any page known may be drawn, in any order, and the one after the last known, which
    // then becomes known.
    void paintPage(QPainter &p, int index);
    // The same without the page's frame (its title, its table headers and its footer, which
    // tells the number of pages), for a file that draws the frames once every page is known.
    void paintBody(QPainter &p, int index);
    // Draws only the frame of a page known.
    void paintFrame(QPainter &p, int index);

private:
    void paint(QPainter &p, int index, bool body, bool frame);
    struct Start
    {
        int record = 0;
        int band = 0;
    };
    // Lays out the next page, and with a painter draws it.
    bool layoutNext(QPainter *p);
    // Lays out (and with a painter, draws) the page that begins at start; the next page's start,
    // or done set once the report has ended on this page.
    Start layoutPage(Start start, QPainter *p, int index, bool &done);
    void drawFrame(QPainter &p, int index) const;
    double bodyTop() const;
    double bodyBottom() const;

    Report &m_report;
    ReportBands m_bands;
    QPageLayout m_pageLayout;
    QSizeF m_paper;
    std::vector<Start> m_starts;
    Start m_next;
    bool m_complete = false;
};
