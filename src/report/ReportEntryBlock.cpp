#include "ReportEntryBlock.h"

#include "ReportLayout.h"
#include "ReportTextRun.h"

#include <QPainter>

namespace {

constexpr double BarPad = 40;

} // namespace

ReportEntryBlock::ReportEntryBlock(
    const ReportSectionLayout &section, const Field &field, double width, bool continued)
    : m_style(ReportStyle::instance())
    , m_width(width)
{
    // The aside takes what it needs of the bar's right half; the name has the rest.
    if (!continued) {
        const QString aside = field(section.aside);
        m_aside = m_style.lines(ReportStyle::Small, aside, width / 2 - 2 * BarPad);
        for (const QString &line : std::as_const(m_aside))
            m_asideWidth = std::max(m_asideWidth, m_style.advance(ReportStyle::Small, line));
    }
    QString name = field(section.text);
    if (continued)
        name += QStringLiteral(" (continued)");
    m_name = m_style.lines(ReportStyle::Heading, name, width - m_asideWidth - 6 * BarPad);
    m_bar = std::max({ m_style.lineHeight(ReportStyle::Heading),
                double(m_name.size()) * m_style.lineHeight(ReportStyle::Heading),
                double(m_aside.size()) * m_style.lineHeight(ReportStyle::Small) })
        + 2 * BarPad;
    if (continued) {
        m_height = m_bar + 60;
        return;
    }
    if (section.groups.isEmpty()) {
        m_height = m_bar;
        return;
    }

    m_columnWidth = (width - 3 * BarPad) / double(section.groups.size());
    qsizetype tallest = 1;
    for (const ReportGroupLayout &layout : section.groups) {
        Group group { layout.title, {} };
        qsizetype lines = 0;
        for (const ReportTemplate &line : layout.lines)
            if (const QString text = field(line); !text.isEmpty()) {
                group.lines << m_style.lines(ReportStyle::Body, text, m_columnWidth - 2 * BarPad);
                lines += group.lines.last().size();
            }
        tallest = std::max(tallest, lines);
        m_groups << group;
    }
    m_height = m_bar + BarPad + m_style.lineHeight(ReportStyle::GroupTitle)
        + double(tallest) * m_style.lineHeight(ReportStyle::Body) + BarPad;
}

void ReportEntryBlock::draw(QPainter &p, double y) const
{
    p.fillRect(QRectF(0, y, m_width, m_bar), m_style.band);
    p.fillRect(QRectF(0, y, 30, m_bar), m_style.accent);
    const double asideHeight = double(m_aside.size()) * m_style.lineHeight(ReportStyle::Small);
    p.setFont(m_style.font(ReportStyle::Small));
    p.setPen(m_style.muted);
    m_style.drawLines(p, ReportStyle::Small, m_aside,
        QRectF(m_width - 2 * BarPad - m_asideWidth, y + (m_bar - asideHeight) / 2, m_asideWidth,
            asideHeight),
        true);
    const double nameHeight = double(m_name.size()) * m_style.lineHeight(ReportStyle::Heading);
    p.setFont(m_style.font(ReportStyle::Heading));
    p.setPen(m_style.accent);
    m_style.drawLines(p, ReportStyle::Heading, m_name,
        QRectF(BarPad * 3, y + (m_bar - nameHeight) / 2, m_width - m_asideWidth - 6 * BarPad,
            nameHeight));

    double x = BarPad * 3;
    for (const Group &group : m_groups) {
        if (group.lines.isEmpty()) { // a heading over nothing would only puzzle the reader
            x += m_columnWidth;
            continue;
        }
        double top = y + m_bar + BarPad;
        p.setFont(m_style.font(ReportStyle::GroupTitle));
        p.setPen(m_style.muted);
        p.drawText(QPointF(x, top + m_style.metrics(ReportStyle::GroupTitle).ascent()),
            group.title.toUpper());
        top += m_style.lineHeight(ReportStyle::GroupTitle);
        p.setFont(m_style.font(ReportStyle::Body));
        p.setPen(m_style.ink);
        ReportTextRun run(p, m_style.glyphs(ReportStyle::Body));
        for (const QStringList &lines : group.lines) {
            const double height = double(lines.size()) * m_style.lineHeight(ReportStyle::Body);
            m_style.drawLines(p, ReportStyle::Body, lines,
                QRectF(x, top, m_columnWidth - 2 * BarPad, height), false, &run);
            top += height;
        }
        x += m_columnWidth;
    }
}
