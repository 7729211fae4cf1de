#pragma once

#include "PdfObject.h"

#include <QList>
#include <QRawFont>
#include <QStringView>

// One font's glyphs embedded in a PDF file: a Type0 font with the Identity-H encoding, so that
// a page's text is written as the font's own glyph indexes, two bytes each (CIDToGIDMap
// Identity). Only the glyphs the pages used are embedded (a subset of the TrueType outlines,
// the glyph indexes unchanged), with their widths and a ToUnicode map, so that a reader can
// copy and search the text.
class PdfFontEmbedding
{
public:
    explicit PdfFontEmbedding(const QRawFont &font);
    ~PdfFontEmbedding();
    // One font's record of glyphs has one owner; a copy would free it twice.
    PdfFontEmbedding(const PdfFontEmbedding &) = delete;
    PdfFontEmbedding &operator=(const PdfFontEmbedding &) = delete;

    // Whether the font can be embedded this way: TrueType outlines, and the font allows it.
    // A page draws the text of a font that cannot as outlines instead.
    bool embeddable() const;

    // Records that a page drew glyph, standing for text (one character or more; empty when
    // it stands for none that is known). The first text known for a glyph is the one kept.
    void use(quint32 glyph, QStringView text);

    // Every object of the font, numbered from first: the first is the Type0 font that a
    // page's resources name; the rest follow it in number.
    QList<PdfObject> objects(int first) const;

private:
    struct Data;
    Data *d;
};
