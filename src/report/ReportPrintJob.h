#pragma once

#include "ReportPageJob.h"

#include <memory>

class QPrinter;
class WholeFile;

// The pages the printer's settings ask for (all of them unless a range is set) sent to the
// printer, laid out as they are printed and scaled to the paper chosen. A printer that prints
// to a file writes it under a temporary name beside it, put in place only when whole.
class ReportPrintJob : public ReportPageJob
{
    Q_DECLARE_TR_FUNCTIONS(ReportPrintJob)

public:
    ReportPrintJob(ReportPages &pages, std::unique_ptr<QPrinter> printer);
    ~ReportPrintJob() override;

    bool finish(QString *problem) override;
    void cancel() override;

    // Where the printer prints: the file it writes, or else the printer's name.
    QString target() const { return m_target; }
    bool toFile() const { return m_file != nullptr; }

protected:
    void newPage() override;

private:
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<WholeFile> m_file;
    QString m_target;
};
