#include "ReportGlyphs.h"

#include "PdfPaintEngine.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>
#include <cmath>
#include <limits>

namespace {

constexpr float Unknown = std::numeric_limits<float>::infinity();

// A text shaped by Qt as it would be drawn: its glyphs and where they stand, when they are all
// of the one font given.
struct Shaped
{
    QList<quint32> glyphs;
    QList<QPointF> positions;
};

bool shape(const QFont &font, const QRawFont &raw, const QString &text, Shaped &out)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setNumColumns(int(text.size()));
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() != 1 || runs[0].rawFont() != raw)
        return false;
    out.glyphs = runs[0].glyphIndexes();
    out.positions = runs[0].positions();
    // From the baseline's left end, as the glyphs are drawn.
    const QPointF origin(0, line.ascent());
    for (QPointF &at : out.positions)
        at -= origin;
    return out.glyphs.size() == text.size() && out.positions.size() == text.size();
}

bool inRange(char16_t c)
{
    // Controls have no glyph of their own and the soft hyphen shows only where a line breaks.
    return c >= ReportGlyphs::First && c <= ReportGlyphs::Last && !(c >= 0x7f && c < 0xa0)
        && c != 0xad;
}

} // namespace

ReportGlyphs::ReportGlyphs(const QFont &font)
    : m_font(font)
    , m_raw(QRawFont::fromFont(font))
    , m_glyph(Count, 0)
    , m_advance(Count, 0)
    , m_charState(Count, 0)
    , m_pair(size_t(Count) * Count, Unknown)
{ }

bool ReportGlyphs::charKnown(char16_t c) const
{
    if (!inRange(c))
        return false;
    const int i = c - First;
    if (m_charState[i] == 0) {
        Shaped s;
        const QString text(QChar { c });
        const bool plain
            = shape(m_font, m_raw, text, s) && s.glyphs[0] != 0 && s.positions[0] == QPointF(0, 0);
        m_charState[i] = plain ? 1 : -1;
        if (plain) {
            m_glyph[i] = s.glyphs[0];
            m_advance[i] = QFontMetricsF(m_font).horizontalAdvance(text);
        }
    }
    return m_charState[i] > 0;
}

double ReportGlyphs::pairStep(char16_t a, char16_t b) const
{
    float &step = m_pair[size_t(a - First) * Count + size_t(b - First)];
    if (step == Unknown) {
        // The pair is plain when shaping leaves its two glyphs as they are, on the baseline,
        // and kerning, if any, only moves the second one along.
        Shaped s;
        const QChar pair[2] = { QChar { a }, QChar { b } };
        const QString text(pair, 2);
        const bool plain = shape(m_font, m_raw, text, s)
            && s.glyphs == QList<quint32> { m_glyph[a - First], m_glyph[b - First] }
            && s.positions[0] == QPointF(0, 0) && s.positions[1].y() == 0
            && QFontMetricsF(m_font).horizontalAdvance(text)
                == s.positions[1].x() + m_advance[b - First];
        step = plain ? float(s.positions[1].x()) : std::numeric_limits<float>::quiet_NaN();
    }
    return step;
}

bool ReportGlyphs::layout(const QString &text, std::vector<double> &at) const
{
    at.clear();
    const qsizetype n = text.size();
    if (n == 0)
        return false;
    for (const QChar c : text)
        if (!charKnown(c.unicode()))
            return false;
    at.reserve(size_t(n) + 1);
    double x = 0;
    for (qsizetype i = 0; i + 1 < n; ++i) {
        at.push_back(x);
        const double step = pairStep(text[i].unicode(), text[i + 1].unicode());
        if (std::isnan(step))
            return false;
        x += step;
    }
    at.push_back(x);
    at.push_back(x + m_advance[text[n - 1].unicode() - First]);
    return true;
}

bool ReportGlyphs::width(const QString &text, double &width) const
{
    thread_local std::vector<double> at;
    if (!layout(text, at))
        return false;
    width = at.back();
    return true;
}

bool ReportGlyphs::append(const QPointF &origin, const QString &text, QList<quint32> &glyphs,
    QList<QPointF> &positions, QString &chars) const
{
    thread_local std::vector<double> at;
    if (!layout(text, at))
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        glyphs << m_glyph[text[i].unicode() - First];
        positions << QPointF(origin.x() + at[size_t(i)], origin.y());
    }
    chars += text;
    return true;
}

void ReportGlyphs::draw(QPainter &p, const QList<quint32> &glyphs, const QList<QPointF> &positions,
    const QString &chars) const
{
    if (glyphs.isEmpty())
        return;
    // A PDF file takes the glyphs as they are, with their characters for copying and search.
    if (PdfPaintEngine *pdf = PdfPaintEngine::of(p)) {
        pdf->drawGlyphs(m_raw, glyphs, positions, chars);
        return;
    }
    QGlyphRun run;
    run.setRawFont(m_raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    p.drawGlyphRun(QPointF(0, 0), run);
}

bool ReportGlyphs::draw(QPainter &p, const QPointF &origin, const QString &text) const
{
    QList<quint32> glyphs;
    QList<QPointF> positions;
    QString chars;
    if (!append(origin, text, glyphs, positions, chars))
        return false;
    draw(p, glyphs, positions, chars);
    return true;
}
