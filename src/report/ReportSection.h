#pragma once

#include <QString>

// A named section of a report layout, as the program reaches it to leave it out.
class ReportSection
{
public:
    explicit ReportSection(const QString &name)
        : m_name(name)
    { }

    QString name() const { return m_name; }
    // A suppressed section and what it carries are left out of the report.
    void setSuppress(bool suppress) { m_suppressed = suppress; }
    bool suppressed() const { return m_suppressed; }

private:
    QString m_name;
    bool m_suppressed = false;
};
