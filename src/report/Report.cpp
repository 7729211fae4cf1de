#include "Report.h"

#include <stdexcept>

std::unique_ptr<Report> Report::fromLayout(const QString &path)
{
    return std::make_unique<Report>(ReportLayout::fromFile(path));
}

Report::Report(ReportLayout layout)
    : m_layout(std::move(layout))
    , m_name(m_layout.name)
{
    for (const ReportSectionLayout &s : m_layout.sections)
        m_sections.push_back(std::make_unique<ReportSection>(s.name));
    for (const SubreportLayout &sub : m_layout.subreports)
        m_subreports.push_back(std::unique_ptr<Report>(new Report(&m_layout, sub)));
}

Report::Report(const ReportLayout *, const SubreportLayout &sub)
    : m_sub(&sub)
    , m_name(sub.name)
{
    for (const QString &name : sub.sectionNames)
        m_sections.push_back(std::make_unique<ReportSection>(name));
}

Report::~Report() = default;

Report *Report::OpenSubreport(const QString &name)
{
    for (const auto &sub : m_subreports)
        if (sub->name() == name)
            return sub.get();
    throw std::invalid_argument(("report " + m_name + " has no subreport " + name).toStdString());
}

ReportTable &Report::table(int number)
{
    if (number != 1)
        throw std::invalid_argument("report: a layout has one database table, number 1");
    return m_table;
}

const ReportSection *Report::section(const QString &name) const
{
    for (const auto &s : m_sections)
        if (s->name() == name)
            return s.get();
    for (const auto &sub : m_subreports)
        for (const auto &s : sub->m_sections)
            if (s->name() == name)
                return s.get();
    throw std::invalid_argument(("report " + m_name + " has no section " + name).toStdString());
}

ReportSection *Report::section(const QString &name)
{
    return const_cast<ReportSection *>(std::as_const(*this).section(name));
}

void Report::DiscardSavedData()
{
    m_ready = false;
    m_table.discardRows();
    for (const auto &sub : m_subreports)
        sub->DiscardSavedData();
}

void Report::ReadRecords()
{
    if (!m_table.hasSource())
        throw std::runtime_error(("report " + m_name + ": no data source set").toStdString());
    if (m_sub)
        m_table.setLinkColumn(m_sub->linkField);
    for (const auto &sub : m_subreports)
        sub->ReadRecords();
    m_table.ensureRow(0);
    m_printed = QDateTime::currentDateTime();
    m_ready = true;
}
