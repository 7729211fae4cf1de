#pragma once

#include "ReportRowReader.h"
#include "ReportSaveJob.h"
#include "WholeFile.h"

#include <QByteArray>

class Report;

// A plain list's rows written to a CSV file a slice at a time, read from the report's table
// as they are written. The file stays open from the first slice to the last and is put in
// place only when whole.
class ReportCsvJob : public ReportSaveJob
{

public:
    ReportCsvJob(Report &report, const QString &path);
    ~ReportCsvJob() override;

    bool step() override;
    qint64 done() const override { return m_row; }
    qint64 total() const override;
    QString progressText() const override;
    bool finish(QString *problem) override;
    void cancel() override;

private:
    // Hands what has gathered to the file; false when the file refused it.
    bool flush();

    Report &m_report;
    ReportRowReader m_rows;
    WholeFile m_file;
    bool m_open = false;
    bool m_ended = false;
    int m_row = 0;
    QByteArray m_chunk;
};
