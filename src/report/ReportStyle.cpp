#include "ReportStyle.h"

#include "ReportGlyphs.h"
#include "ReportTextRun.h"

#include <QPainter>
#include <QTextLayout>
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
    for (int r = 0; r < RoleCount; ++r) {
        m_metrics[r] = new QFontMetricsF(m_fonts[r]);
        m_lineHeights[r] = m_metrics[r]->lineSpacing();
        m_glyphs[r] = std::make_unique<ReportGlyphs>(m_fonts[r]);
    }
}

ReportStyle::~ReportStyle()
{
    for (QFontMetricsF *m : m_metrics)
        delete m;
}

double ReportStyle::advance(Role role, const QString &text) const
{
    if (double width = 0; m_glyphs[role]->width(text, width))
        return width;
    QHash<QString, double> &cache = m_advances[role];
    if (const auto it = cache.constFind(text); it != cache.constEnd())
        return *it;
    if (cache.size() > 100000) // bounded: a long report brings ever new texts
        cache.clear();
    const double width = m_metrics[role]->horizontalAdvance(text);
    cache.insert(text, width);
    return width;
}

bool ReportStyle::fits(Role role, const QString &text, double width) const
{
    return !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'))
        && advance(role, text) <= width;
}

QStringList ReportStyle::lines(Role role, const QString &text, double width) const
{
    if (text.isEmpty())
        return {};
    if (fits(role, text, width))
        return { text };
    QHash<std::pair<QString, double>, QStringList> &cache = m_lines[role];
    const std::pair<QString, double> key(text, width);
    if (const auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    if (cache.size() > 20000) // bounded, as the widths are
        cache.clear();

    QString paragraphs = text;
    paragraphs.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    paragraphs.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QStringList out;
    for (const QString &paragraph : paragraphs.split(QLatin1Char('\n'))) {
        if (paragraph.isEmpty()) { // an empty line the user typed between two paragraphs
            out << QString();
            continue;
        }
        QTextLayout layout(paragraph, m_fonts[role]);
        layout.setTextOption(option);
        layout.setCacheEnabled(false);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            // The spaces a line breaks at are not drawn, nor counted for right alignment.
            qsizetype length = line.textLength();
            while (length > 0 && paragraph[line.textStart() + length - 1].isSpace())
                --length;
            out << paragraph.mid(line.textStart(), length);
        }
        layout.endLayout();
    }
    while (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    cache.insert(key, out);
    return out;
}

int ReportStyle::lineCount(Role role, const QString &text, double width) const
{
    if (text.isEmpty() || fits(role, text, width))
        return 1;
    return int(std::max<qsizetype>(1, lines(role, text, width).size()));
}

void ReportStyle::drawAt(QPainter &p, Role role, const QString &line, const QRectF &box, double top,
    bool alignRight, ReportTextRun *run) const
{
    if (line.isEmpty())
        return;
    const double x = alignRight ? box.right() - advance(role, line) : box.left();
    const QPointF origin(x, top + m_metrics[role]->ascent());
    if (run && &run->glyphs() == m_glyphs[role].get() && run->add(origin, line))
        return;
    if (!m_glyphs[role]->draw(p, origin, line))
        p.drawText(origin, line);
}

void ReportStyle::drawText(QPainter &p, Role role, const QString &text, const QRectF &box,
    bool alignRight, int from, int count, ReportTextRun *run) const
{
    if (text.isEmpty() || count <= 0)
        return;
    if (from == 0 && fits(role, text, box.width())) {
        drawAt(p, role, text, box, box.top(), alignRight, run);
        return;
    }
    const QStringList all = lines(role, text, box.width());
    if (from < all.size())
        drawLines(p, role, all.mid(from, count), box, alignRight, run);
}

void ReportStyle::drawLines(QPainter &p, Role role, const QStringList &lines, const QRectF &box,
    bool alignRight, ReportTextRun *run) const
{
    double top = box.top();
    for (const QString &line : lines) {
        drawAt(p, role, line, box, top, alignRight, run);
        top += lineHeight(role);
    }
}
