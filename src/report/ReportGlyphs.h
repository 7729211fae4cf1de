#pragma once

#include <QFont>
#include <QRawFont>
#include <QString>
#include <vector>

class QPainter;
class QPointF;

// Measures and draws one-line texts of one font without shaping each of them. A report draws
// hundreds of thousands of short texts (names, dates, amounts), nearly all of them in the
// letters of Western European languages, which the report's font spaces glyph by glyph with
// kerning between neighbours and nothing more. For such a text the glyphs, and where each
// stands, follow from tables of single characters and of pairs; each entry of the tables is
// taken once from Qt's own shaping of that character or pair, so a text measures and draws
// exactly as shaped. A text outside the tables' reach (another script, a control character,
// a pair the font joins or moves otherwise) is left to the caller, which shapes it.
class ReportGlyphs
{
public:
    explicit ReportGlyphs(const QFont &font);

    // The text's width; false, and width untouched, when the text is not for the tables.
    bool width(const QString &text, double &width) const;
    // Draws the text with its baseline's left end at origin; false, and nothing drawn, when
    // the text is not for the tables.
    bool draw(QPainter &p, const QPointF &origin, const QString &text) const;
    // Adds the text's glyphs, where they stand and the character each stands for to a run;
    // false, and nothing added, when the text is not for the tables.
    bool append(const QPointF &origin, const QString &text, QList<quint32> &glyphs,
        QList<QPointF> &positions, QString &chars) const;
    // Draws a run of this font's glyphs with one call; chars holds one character a glyph.
    void draw(QPainter &p, const QList<quint32> &glyphs, const QList<QPointF> &positions,
        const QString &chars) const;

    // The characters the tables hold: from the space to the end of Latin-1.
    static constexpr char16_t First = 0x20;
    static constexpr char16_t Last = 0xff;

private:
    // Where each glyph of the text stands from its start, and after it the text's width;
    // false when the text is not for the tables.
    bool layout(const QString &text, std::vector<double> &at) const;
    bool charKnown(char16_t c) const;
    // How far the second character of a pair stands from the first; NaN when the pair is not
    // kerned plainly.
    double pairStep(char16_t a, char16_t b) const;

    QFont m_font;
    QRawFont m_raw;
    static constexpr int Count = Last - First + 1;
    // Per character: its glyph (0 where it is not for the tables), its advance once known.
    mutable std::vector<quint32> m_glyph;
    mutable std::vector<double> m_advance;
    mutable std::vector<signed char> m_charState; // 0 not looked at, 1 plain, -1 not plain
    mutable std::vector<float> m_pair; // Count x Count steps; unknown as infinity
};
