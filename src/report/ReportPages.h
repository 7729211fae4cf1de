#pragma once

#include "Report.h"
#include "ReportPaginator.h"

#include <QObject>
#include <QTimer>
#include <memory>

class QPainter;

// The pages of one report, the one source for everything that shows them: the viewer's page
// view, the printer and a PDF file (ReportPrintJob, ReportPdfJob). Pages are laid out as they are
// asked for; the total is counted in the window thread's idle time, a slice at a time between the
// user's events, so the first page shows at once and "Page N of M" appears as soon as M is known.
class ReportPages : public QObject
{
    Q_OBJECT
public:
    explicit ReportPages(std::unique_ptr<Report> report, QObject *parent = nullptr);
    ~ReportPages() override;

    Report &report() { return *m_report; }
    QPageLayout pageLayout() const { return m_paginator.pageLayout(); }
    QSizeF paperSize() const { return m_paginator.paperSize(); }

    int pagesKnown() const { return m_paginator.pagesKnown(); }
    bool complete() const { return m_paginator.complete(); }
    // Lays out pages until page index (from 0) is known; whether the report has it.
    bool hasPage(int index);
    // Lays out every page that is left, now.
    int pageCount();

    // Goes on counting pages whenever the window thread has nothing else to do.
    void countInIdleTime();

    // Draws a page (from 0); the painter's units are report units from the paper's corner.
    void paintPage(QPainter &p, int index);
    // A page without its frame, and the frame alone (see ReportPaginator).
    void paintBody(QPainter &p, int index);
    void paintFrame(QPainter &p, int index);

    // A job that lays out every page itself as it paints them holds the idle-time count off
    // meanwhile, so that no page is laid out twice; the count goes on when it lets go.
    void holdCounting(bool hold);

    // The whole report as a PDF file at once, put in place only when whole; false when the file
    // cannot be written, with the system's words for it in 'problem' when given.
    bool writePdf(const QString &path, QString *problem = nullptr);

signals:
    // More pages are known, or all of them.
    void pagesChanged();

private:
    void countSlice();

    // Emits pagesChanged when painting the page after the last known one ended the count.
    void noticeEnd(bool wasComplete);

    std::unique_ptr<Report> m_report;
    ReportPaginator m_paginator;
    QTimer m_idle;
    int m_holds = 0;
    bool m_countWanted = false;
};
