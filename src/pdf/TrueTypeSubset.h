#pragma once

#include <QByteArray>
#include <QList>
#include <QRawFont>

// A TrueType font cut down to the glyphs a document uses, as the bytes of a font file. The glyph
// indexes stay as they are, so a page can name glyphs by the original font's indexes: the
// outlines and metrics of the glyphs not used are left empty, which is where a font's size lies.
// The hinting programs stay, so a reader rasterises small text as the original would.
class TrueTypeSubset
{
public:
    explicit TrueTypeSubset(const QRawFont &font);

    // Whether the font has TrueType outlines the subset can be cut from (not CFF, not bitmaps).
    bool hasOutlines() const { return m_glyphCount > 0; }
    int glyphCount() const { return m_glyphCount; }

    // The glyphs given, glyph 0 and every glyph a composite among them is built of.
    QList<quint32> closure(const QList<quint32> &glyphs) const;

    // The font file holding the outlines of closure(glyphs) and no others.
    QByteArray subset(const QList<quint32> &glyphs) const;

private:
    QByteArray glyphData(quint32 glyph) const;
    QByteArray cut(const QList<quint32> &kept, QByteArray *loca, QByteArray *hmtx) const;
    static QByteArray sfnt(QList<QPair<QByteArray, QByteArray>> tables);

    QRawFont m_font;
    QByteArray m_head;
    QByteArray m_loca;
    QByteArray m_glyf;
    bool m_longLoca = false;
    int m_glyphCount = 0;
};
