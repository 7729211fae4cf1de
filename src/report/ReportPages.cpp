#include "ReportPages.h"

#include "FreedMemory.h"
#include "ReportJobRunner.h"
#include "ReportPdfJob.h"

#include <QElapsedTimer>

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
    m_countWanted = true;
    if (!m_paginator.complete() && m_holds == 0)
        m_idle.start();
}

void ReportPages::holdCounting(bool hold)
{
    m_holds += hold ? 1 : -1;
    if (m_holds > 0)
        m_idle.stop();
    else if (m_countWanted)
        countInIdleTime();
}

void ReportPages::countSlice()
{
    // Stopped while it works: a slice that fails (the database has gone away) does not come
    // round again and again; it ends the counting with the one error shown.
    m_idle.stop();
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ReportSaveJob::SliceMs && m_paginator.layoutNext()) { }
    if (!m_paginator.complete())
        m_idle.start();
    else
        returnFreedMemory(); // the rows read and let go on the way
    emit pagesChanged();
}

bool ReportPages::hasPage(int index)
{
    const bool wasComplete = m_paginator.complete();
    const bool has = m_paginator.ensurePage(index);
    // The count may have reached the end on the way ("of N" instead of "of N+").
    if (!wasComplete && m_paginator.complete())
        emit pagesChanged();
    return has;
}

int ReportPages::pageCount()
{
    const bool wasComplete = m_paginator.complete();
    while (m_paginator.layoutNext()) { }
    m_idle.stop();
    if (!wasComplete) {
        returnFreedMemory(); // the rows read and let go on the way
        emit pagesChanged();
    }
    return m_paginator.pagesKnown();
}

void ReportPages::paintPage(QPainter &p, int index)
{
    const bool wasComplete = m_paginator.complete();
    m_paginator.paintPage(p, index);
    noticeEnd(wasComplete);
}

void ReportPages::paintBody(QPainter &p, int index)
{
    const bool wasComplete = m_paginator.complete();
    m_paginator.paintBody(p, index);
    noticeEnd(wasComplete);
}

void ReportPages::paintFrame(QPainter &p, int index)
{
    m_paginator.paintFrame(p, index);
}

void ReportPages::noticeEnd(bool wasComplete)
{
    if (!wasComplete && m_paginator.complete()) {
        m_idle.stop();
        emit pagesChanged();
    }
}

bool ReportPages::writePdf(const QString &path, QString *problem)
{
    ReportPdfJob job(*this, path);
    return ReportJobRunner::runToEnd(job, problem);
}
