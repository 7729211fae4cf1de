#include "ReportStyle.h"

#include <QPainter>
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

double ReportStyle::advance(Role role, const QString &text) const
{
    QHash<QString, double> &cache = m_advances[role];
    if (const auto it = cache.constFind(text); it != cache.constEnd())
        return *it;
    if (cache.size() > 100000) // bounded: a long report brings ever new texts
        cache.clear();
    const double width = m_metrics[role]->horizontalAdvance(text);
    cache.insert(text, width);
    return width;
}

void ReportStyle::drawLine(
    QPainter &p, Role role, const QString &text, const QRectF &box, bool alignRight) const
{
    if (text.isEmpty())
        return;
    double width = advance(role, text);
    QString shown = text;
    if (width > box.width()) {
        shown = m_metrics[role]->elidedText(text, Qt::ElideRight, box.width());
        width = m_metrics[role]->horizontalAdvance(shown);
    }
    const double x = alignRight ? box.right() - width : box.left();
    p.drawText(QPointF(x, box.top() + m_metrics[role]->ascent()), shown);
}

double ReportStyle::wrappedHeight(Role role, const QString &text, double width) const
{
    const QFontMetricsF &m = metrics(role);
    if (text.isEmpty() || (!text.contains(QLatin1Char('\n')) && advance(role, text) <= width))
        return m.lineSpacing();
    const QRectF box = m.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text);
    return std::max(m.lineSpacing(), std::ceil(box.height()));
}
