#include "ReportPdfJob.h"

#include "Report.h"
#include "ReportPages.h"

#include <QPdfWriter>

ReportPdfJob::ReportPdfJob(ReportPages &pages, const QString &path)
    : ReportPageJob(pages, 0)
    , m_file(path)
{
    if (!m_file.open())
        return;
    m_pdf = std::make_unique<QPdfWriter>(&m_file.device());
    m_pdf->setTitle(pages.report().layout().name);
    m_pdf->setCreator(QStringLiteral("Corvane"));
    // At 720 dots an inch one dot is one report unit.
    m_pdf->setResolution(int(ReportStyle::UnitsPerInch));
    m_pdf->setPageLayout(pages.pageLayout());
    begin(*m_pdf, 1);
}

ReportPdfJob::~ReportPdfJob()
{
    cancel();
}

bool ReportPdfJob::finish(QString *problem)
{
    const bool whole = begun() && endPainting() && m_file.commit();
    if (!whole && problem)
        *problem = m_file.errorString();
    return whole;
}

void ReportPdfJob::cancel()
{
    // Forgotten first, so that the end of the painting writes nowhere.
    m_file.discard();
    endPainting();
}
