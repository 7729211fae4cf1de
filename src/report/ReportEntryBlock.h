#pragma once

#include "ReportStyle.h"

#include <QList>
#include <QStringList>
#include <functional>

class QPainter;
class ReportTemplate;
struct ReportSectionLayout;

// The heading block of one entry of a report: the entry's name in a bar with its aside on the
// right (the customer's type and since when it is a customer), and under the bar columns of
// lines such as the address and the contacts. Nothing in it is cut short: a long name, aside or
// line wraps within its place and the block grows. It is measured and drawn from the same
// lines, so the height the pages are counted with is the height drawn.
class ReportEntryBlock
{
public:
    // The text of a line of the layout for the entry's row.
    using Field = std::function<QString(const ReportTemplate &)>;

    // continued: the block heads a page that goes on with the entry, and shows its name only.
    ReportEntryBlock(
        const ReportSectionLayout &section, const Field &field, double width, bool continued);

    double height() const { return m_height; }
    void draw(QPainter &p, double y) const;

private:
    struct Group
    {
        QString title;
        QList<QStringList> lines; // each line of the layout that has a value, as it wraps
    };

    const ReportStyle &m_style;
    double m_width;
    QStringList m_name;
    QStringList m_aside;
    double m_asideWidth = 0;
    double m_bar = 0;
    QList<Group> m_groups; // none for a continued block
    double m_columnWidth = 0;
    double m_height = 0;
};
