#include "PdfGlyphWriter.h"

#include "PdfFontEmbedding.h"
#include "PdfFontSet.h"
#include "PdfFormat.h"
#include "PdfPath.h"

#include <cmath>

PdfGlyphWriter::PdfGlyphWriter(PdfFontSet &fonts)
    : m_fonts(fonts)
{ }

void PdfGlyphWriter::write(QByteArray &out, const QRawFont &font, const quint32 *glyphs,
    const QPointF *positions, qsizetype count, QStringView chars, const QTransform &transform)
{
    if (count <= 0)
        return;
    if (m_fonts.font(font).embeddable)
        writeText(out, font, glyphs, positions, count, chars, transform);
    else
        writeOutlines(out, font, glyphs, positions, count, transform);
}

double PdfGlyphWriter::advance(Widths &widths, quint32 glyph)
{
    if (glyph >= widths.thousandths.size()) {
        widths.thousandths.resize(size_t(glyph) + 1, -1);
    }
    double &w = widths.thousandths[glyph];
    if (w < 0) {
        const QList<QPointF> advances = widths.design.advancesForGlyphIndexes(
            QList<quint32> { glyph }, QRawFont::UseDesignMetrics);
        // To a thousandth, as the font's widths are written and a reader adds them up.
        w = advances.isEmpty()
            ? 0
            : std::round(advances[0].x() * 1000000 / widths.design.pixelSize()) / 1000;
    }
    return w;
}

void PdfGlyphWriter::writeText(QByteArray &out, const QRawFont &font, const quint32 *glyphs,
    const QPointF *positions, qsizetype count, QStringView chars, const QTransform &transform)
{
    PdfFontSet::Font &entry = m_fonts.font(font);
    Widths &widths = m_widths[&entry];
    if (!widths.design.isValid()) {
        widths.design = font;
        widths.design.setPixelSize(font.unitsPerEm());
    }
    const double size = font.pixelSize();
    const bool oneEach = chars.size() == count;
    out += "BT ";
    out += entry.name;
    out += ' ';
    PdfFormat::number(out, size);
    out += "Tf ";
    double lineY = 0;
    double pen = 0; // where the reader's pen stands on the line, in report units
    bool open = false;
    for (qsizetype i = 0; i < count; ++i) {
        const quint32 glyph = glyphs[i];
        const QPointF &at = positions[i];
        const double w = advance(widths, glyph);
        entry.embedding->use(glyph, oneEach ? chars.mid(i, 1) : (i == 0 ? chars : QStringView()));
        if (!open || at.y() != lineY) {
            // A new baseline: the text matrix puts the glyph there, y flipped back up.
            if (open)
                out += ")] TJ ";
            const QPointF origin = transform.map(at);
            PdfFormat::number(out, transform.m11());
            PdfFormat::number(out, transform.m12());
            PdfFormat::number(out, -transform.m21());
            PdfFormat::number(out, -transform.m22());
            PdfFormat::number(out, origin.x());
            PdfFormat::number(out, origin.y());
            out += "Tm [(";
            lineY = at.y();
            pen = at.x();
            open = true;
        } else {
            // TJ shifts are in thousandths of the em, a positive one to the left; written to
            // a thousandth of that, so that every glyph stands where it was placed.
            const double shift = std::round((pen - at.x()) * 1000000 / size) / 1000;
            if (shift != 0) {
                out += ") ";
                PdfFormat::number(out, shift);
                out += '(';
                pen -= shift * size / 1000;
            }
        }
        PdfFormat::glyph(out, glyph);
        pen += w * size / 1000;
    }
    out += ")] TJ ET\n";
}

void PdfGlyphWriter::writeOutlines(QByteArray &out, const QRawFont &font, const quint32 *glyphs,
    const QPointF *positions, qsizetype count, const QTransform &transform)
{
    const QString key
        = font.familyName() + u'\n' + font.styleName() + u'\n' + QString::number(font.pixelSize());
    QPainterPath all;
    for (qsizetype i = 0; i < count; ++i) {
        auto it = m_outlines.find({ key, glyphs[i] });
        if (it == m_outlines.end())
            it = m_outlines.insert({ key, glyphs[i] }, font.pathForGlyph(glyphs[i]));
        all.addPath(it->translated(positions[i]));
    }
    all.setFillRule(Qt::WindingFill);
    PdfPath::write(out, transform.map(all));
    out += "f\n";
}
