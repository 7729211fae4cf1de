#include "ReportPrintJob.h"

#include "ReportPages.h"
#include "WholeFile.h"

#include <QPrinter>

namespace {

int firstPage(const QPrinter &printer)
{
    return printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0
        ? printer.fromPage() - 1
        : 0;
}

int lastPage(const QPrinter &printer)
{
    return printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0
        ? printer.toPage() - 1
        : INT_MAX;
}

} // namespace

ReportPrintJob::ReportPrintJob(ReportPages &pages, std::unique_ptr<QPrinter> printer)
    : ReportPageJob(pages, firstPage(*printer), lastPage(*printer))
    , m_printer(std::move(printer))
    , m_target(m_printer->outputFileName())
{
    if (m_target.isEmpty()) {
        m_target = m_printer->printerName();
    } else {
        m_file = std::make_unique<WholeFile>(m_target);
        const QString temporary = m_file->openByName();
        if (temporary.isEmpty())
            return;
        m_printer->setOutputFileName(temporary);
    }
    // The paper the user chose in the print dialog; the pages are laid out for the locale's
    // paper and scaled to fit another one whole.
    m_printer->setFullPage(true);
    const QRectF paper = m_printer->paperRect(QPrinter::DevicePixel);
    const QSizeF laidOut = pages.paperSize();
    begin(*m_printer, std::min(paper.width() / laidOut.width(), paper.height() / laidOut.height()));
}

void ReportPrintJob::newPage()
{
    m_printer->newPage();
}

ReportPrintJob::~ReportPrintJob()
{
    cancel();
}

bool ReportPrintJob::finish(QString *problem)
{
    const bool printed = begun() && endPainting() && (!m_file || m_file->commit());
    if (!printed && problem && m_file)
        *problem = m_file->errorString();
    return printed;
}

void ReportPrintJob::cancel()
{
    // A print system that can withdraw what it was given does so; the rest print what they
    // have. A file is not left behind.
    m_printer->abort();
    endPainting();
    if (m_file)
        m_file->discard();
}
