#pragma once

#include "ReportPageJob.h"
#include "WholeFile.h"

#include <memory>

class PdfPaintDevice;

// Every page of a report written to a PDF file, the pages laid out as they are written. The
// file stays open from the first slice to the last and is put in place only when whole.
class ReportPdfJob : public ReportPageJob
{
public:
    ReportPdfJob(ReportPages &pages, const QString &path);
    ~ReportPdfJob() override;

    bool finish(QString *problem) override;
    void cancel() override;

protected:
    void newPage() override;

protected:
    int placeFrame() override;
    void beginFrame(int frame) override;
    void endFrame() override;

private:
    WholeFile m_file;
    std::unique_ptr<PdfPaintDevice> m_pdf;
};
