#pragma once

#include "ReportLayout.h"
#include "ReportSection.h"
#include "ReportTable.h"

#include <QDateTime>
#include <memory>
#include <vector>

// A report made from a stored layout for one run: its table takes its rows from the record set
// bound to it, its subreports and sections are reached by the names the layout gives them.
class Report
{
public:
    // A fresh report from the layout at path (a resource of the program). Throws
    // std::runtime_error for a layout that cannot be read.
    static std::unique_ptr<Report> fromLayout(const QString &path);
    explicit Report(ReportLayout layout);
    ~Report();

    QString name() const { return m_name; }
    const ReportLayout &layout() const { return m_layout; }
    // For a subreport: its part of the layout; null for a main report.
    const SubreportLayout *subreportLayout() const { return m_sub; }

    // The report of a subreport of this one, by name. Throws std::invalid_argument.
    Report *OpenSubreport(const QString &name);
    // The report's database tables, counted from 1; every layout has one.
    ReportTable &table(int number);
    // A section of this report or of one of its subreports, by name. Throws
    // std::invalid_argument for a name the layout does not have.
    ReportSection *section(const QString &name);
    const ReportSection *section(const QString &name) const;

    // The two operations run after the data sources are set: the first forgets whatever rows
    // the report holds from before, the second makes it ready to show the rows just bound
    // (the subreports linked to their entries, the first row read so that a source that
    // cannot be read fails here and not in the viewer).
    void DiscardSavedData();
    void ReadRecords();
    bool ready() const { return m_ready; }
    QDateTime printed() const { return m_printed; }

    const std::vector<std::unique_ptr<Report>> &subreports() const { return m_subreports; }

private:
    Report(const ReportLayout *main, const SubreportLayout &sub);

    ReportLayout m_layout;
    const SubreportLayout *m_sub = nullptr;
    QString m_name;
    ReportTable m_table;
    std::vector<std::unique_ptr<ReportSection>> m_sections;
    std::vector<std::unique_ptr<Report>> m_subreports;
    bool m_ready = false;
    QDateTime m_printed;
};
