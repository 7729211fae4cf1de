#pragma once

#include <QByteArray>
#include <QHash>
#include <QPainterPath>
#include <QRawFont>
#include <QStringView>
#include <QTransform>

class PdfFontSet;

// Writes runs of glyphs into a page's content: as text in an embedded font when the font can
// be embedded, as filled outlines when it cannot. A run's glyphs stand on one baseline; each is
// written where it was placed, the font's own advance taking it there unless a kerned pair or
// a gap between texts asks for a shift.
class PdfGlyphWriter
{
public:
    explicit PdfGlyphWriter(PdfFontSet &fonts);

    // Writes count glyphs of font at positions (each a baseline point, before transform is
    // applied), filled in the current fill colour. chars are the characters the glyphs stand
    // for: one per glyph, or else all of them for the first glyph.
    void write(QByteArray &out, const QRawFont &font, const quint32 *glyphs,
        const QPointF *positions, qsizetype count, QStringView chars, const QTransform &transform);

private:
    struct Widths
    {
        QRawFont design; // the font at one pixel an em unit: its advances are the design ones
        std::vector<double> thousandths; // by glyph; negative until known
    };

    void writeText(QByteArray &out, const QRawFont &font, const quint32 *glyphs,
        const QPointF *positions, qsizetype count, QStringView chars, const QTransform &transform);
    void writeOutlines(QByteArray &out, const QRawFont &font, const quint32 *glyphs,
        const QPointF *positions, qsizetype count, const QTransform &transform);
    double advance(Widths &widths, quint32 glyph);

    PdfFontSet &m_fonts;
    QHash<const void *, Widths> m_widths; // by the font set's entry
    QHash<QPair<QString, quint32>, QPainterPath> m_outlines; // by font and glyph, at its size
};
