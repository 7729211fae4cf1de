#include "ReportStyle.h"

#include <cmath>

namespace {

QFont fontOf(double points, bool bold, bool italic = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(int(std::lround(points * ReportStyle::UnitsPerPoint)));
    font.setBold(bold);
    font.setItalic(italic);
    // Unhinted outlines scale evenly, so a line measured once fits at every zoom and on paper.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

const ReportStyle &ReportStyle::instance()
{
    static const ReportStyle style;
    return style;
}

ReportStyle::ReportStyle()
{
    m_fonts[Title] = fontOf(16, true);
    m_fonts[Heading] = fontOf(11, true);
    m_fonts[GroupTitle] = fontOf(6.5, true);
    m_fonts[Body] = fontOf(8.5, false);
    m_fonts[TableHeader] = fontOf(7, true);
    m_fonts[Cell] = fontOf(7.5, false);
    m_fonts[Note] = fontOf(7, false, true);
    m_fonts[Small] = fontOf(7.5, false);
    for (int r = 0; r < RoleCount; ++r)
        m_metrics[r] = new QFontMetricsF(m_fonts[r]);
}

ReportStyle::~ReportStyle()
{
    for (QFontMetricsF *m : m_metrics)
        delete m;
}

double ReportStyle::wrappedHeight(Role role, const QString &text, double width) const
{
    const QFontMetricsF &m = metrics(role);
    if (text.isEmpty() || (!text.contains(QLatin1Char('\n')) && m.horizontalAdvance(text) <= width))
        return m.lineSpacing();
    const QRectF box = m.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text);
    return std::max(m.lineSpacing(), std::ceil(box.height()));
}
