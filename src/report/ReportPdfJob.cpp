#include "ReportPdfJob.h"

#include "PdfPaintDevice.h"
#include "Report.h"
#include "ReportPages.h"

ReportPdfJob::ReportPdfJob(ReportPages &pages, const QString &path)
    : ReportPageJob(pages, 0)
    , m_file(path)
{
    if (!m_file.open())
        return;
    // At 720 dots an inch one dot is one report unit.
    m_pdf = std::make_unique<PdfPaintDevice>(
        m_file.device(), pages.pageLayout(), int(ReportStyle::UnitsPerInch));
    m_pdf->setInfo(pages.report().layout().name, QStringLiteral("Corvane"));
    begin(*m_pdf, 1, true);
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
    if (m_pdf)
        m_pdf->abandon();
    endPainting();
}

void ReportPdfJob::newPage()
{
    m_pdf->newPage();
}

int ReportPdfJob::placeFrame()
{
    return m_pdf->placePart();
}

void ReportPdfJob::beginFrame(int frame)
{
    m_pdf->beginPart(frame);
}

void ReportPdfJob::endFrame()
{
    m_pdf->endPart();
}
