#include "PdfFontEmbedding.h"

#include "FontTable.h"
#include "PdfFormat.h"
#include "PdfToUnicodeMap.h"
#include "TrueTypeSubset.h"

#include <QCryptographicHash>

#include <map>
#include <vector>

namespace {

// The font's own licence bits: a font restricted to the machine it is installed on (and not
// also marked as one to preview or edit) may not travel inside a file, nor may a font that
// allows its bitmaps only.
constexpr quint16 RestrictedLicence = 0x0002;
constexpr quint16 UsageBits = 0x000F;
constexpr quint16 NoSubsetting = 0x0100;
constexpr quint16 BitmapOnly = 0x0200;

// Flags of a font descriptor: the glyphs are not those of the standard Latin set as far as a
// reader knows (they are named by index), and the font is italic or has fixed widths.
constexpr int FixedPitch = 1;
constexpr int Symbolic = 4;
constexpr int Italic = 64;

QByteArray number(double value)
{
    QByteArray text;
    PdfFormat::number(text, value);
    text.chop(1); // the space the content streams' form puts after it
    return text;
}

QByteArray ref(int object)
{
    return QByteArray::number(object) + " 0 R";
}

// A name as a PDF name object's text, with the bytes a name cannot hold as #xx.
QByteArray pdfName(const QByteArray &name)
{
    QByteArray out;
    for (char c : name) {
        const auto u = uchar(c);
        if (u < 0x21 || u > 0x7E || QByteArray("#()<>[]{}/%").contains(c))
            out += '#' + QByteArray::number(u, 16).toUpper().rightJustified(2, '0');
        else
            out += c;
    }
    return out;
}

// The font's PostScript name from its name table (name 6), which is what a reader shows as the
// font's name; the family and style names make one when the table has none.
QByteArray postScriptName(const QRawFont &font)
{
    const FontTable table(font.fontTable("name"));
    const qsizetype strings = table.u16(4);
    for (qsizetype i = 0, count = table.u16(2); i < count; ++i) {
        const qsizetype record = 6 + i * 12;
        const int platform = table.u16(record);
        const qsizetype length = table.u16(record + 8);
        const qsizetype at = strings + table.u16(record + 10);
        if (table.u16(record + 6) != 6 || length == 0 || at + length > table.size())
            continue;
        const FontTable bytes(table.bytes().mid(at, length));
        if (platform == 1)
            return bytes.bytes();
        if (platform == 3 || platform == 0) {
            QString name;
            for (qsizetype c = 0; c + 1 < length; c += 2)
                name += QChar(bytes.u16(c));
            return name.toLatin1();
        }
    }
    QString name = font.familyName() + u'-' + font.styleName();
    return name.remove(u' ').toLatin1();
}

}

struct PdfFontEmbedding::Data
{
    explicit Data(const QRawFont &font)
        : font(font)
        , subset(font)
        , seen(subset.glyphCount())
    { }

    QRawFont font;
    TrueTypeSubset subset;
    // The licence bits, read once: a page asks whether the font is embeddable for every run.
    quint16 fsType = FontTable(font.fontTable("OS/2")).u16(8);
    // Asked for every glyph of every page, so a glyph known before costs one look at a flag.
    std::vector<bool> seen;
    std::map<quint32, QString> used;

    double em(qint32 units) const { return units * 1000.0 / font.unitsPerEm(); }
    QList<quint32> glyphs() const;
    QByteArray baseFont(const QList<quint32> &glyphs) const;
    QByteArray widths(const QList<quint32> &glyphs, QByteArray *defaultWidth) const;
    QByteArray descriptor(const QByteArray &name, int fontFile) const;
};

QList<quint32> PdfFontEmbedding::Data::glyphs() const
{
    QList<quint32> glyphs;
    if (fsType & NoSubsetting) {
        for (int glyph = 0; glyph < subset.glyphCount(); ++glyph)
            glyphs.append(glyph);
    } else {
        for (const auto &entry : used)
            glyphs.append(entry.first);
    }
    return glyphs;
}

// The subset's name: six capitals made from the font and the glyphs it holds, so that two different
// subsets of one font in a reader's memory are told apart and the same pages give the same file.
QByteArray PdfFontEmbedding::Data::baseFont(const QList<quint32> &glyphs) const
{
    const QByteArray postScript = postScriptName(font);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(postScript);
    for (quint32 glyph : glyphs)
        hash.addData(QByteArray::number(glyph) + ',');
    const QByteArray digest = hash.result();
    QByteArray tag;
    for (int i = 0; i < 6; ++i)
        tag += char('A' + uchar(digest.at(i)) % 26);
    return '/' + tag + '+' + pdfName(postScript);
}

// The advances of the glyphs used, in thousandths of the em, as a reader places them; each run
// of consecutive glyphs is one entry. Taken at a size of one pixel per font unit without hinting,
// these are the font's own design advances.
QByteArray PdfFontEmbedding::Data::widths(
    const QList<quint32> &glyphs, QByteArray *defaultWidth) const
{
    QRawFont design = font;
    design.setPixelSize(font.unitsPerEm());
    QList<quint32> measured = glyphs;
    measured.prepend(0);
    const QList<QPointF> advances
        = design.advancesForGlyphIndexes(measured, QRawFont::UseDesignMetrics);
    const auto width
        = [&](qsizetype i) { return number(advances.value(i).x() * 1000.0 / design.pixelSize()); };
    *defaultWidth = width(0);

    QByteArray out = "[";
    for (qsizetype i = 1; i < measured.size(); ++i) {
        if (i == 1 || measured.at(i) != measured.at(i - 1) + 1)
            out += (i == 1 ? "" : "] ") + QByteArray::number(measured.at(i)) + " [";
        else
            out += ' ';
        out += width(i);
    }
    return out + (measured.size() > 1 ? "]]" : "]");
}

QByteArray PdfFontEmbedding::Data::descriptor(const QByteArray &name, int fontFile) const
{
    const FontTable head(font.fontTable("head"));
    const FontTable hhea(font.fontTable("hhea"));
    const FontTable post(font.fontTable("post"));
    const FontTable os2(font.fontTable("OS/2"));
    const double italicAngle = post.s32(4) / 65536.0;
    const int flags = Symbolic | (italicAngle != 0 ? Italic : 0) | (post.u32(12) ? FixedPitch : 0);
    const qint32 ascent = hhea.s16(4);
    // The height of capitals is in the OS/2 table from its version 2; the ascent stands in
    // for it before that.
    const qint32 capHeight = os2.u16(0) >= 2 ? os2.s16(88) : ascent;
    // No table holds the stem width; the weight class gives the usual estimate of it.
    const double weight = os2.isEmpty() ? 400 : os2.u16(4);
    const int stemV = 50 + int(weight * weight / (65.0 * 65.0));
    return "<< /Type /FontDescriptor /FontName " + name + " /Flags " + QByteArray::number(flags)
        + " /FontBBox [" + number(em(head.s16(36))) + ' ' + number(em(head.s16(38))) + ' '
        + number(em(head.s16(40))) + ' ' + number(em(head.s16(42))) + "] /ItalicAngle "
        + number(italicAngle) + " /Ascent " + number(em(ascent)) + " /Descent "
        + number(em(hhea.s16(6))) + " /CapHeight " + number(em(capHeight)) + " /StemV "
        + QByteArray::number(stemV) + " /FontFile2 " + ref(fontFile) + " >>";
}

PdfFontEmbedding::PdfFontEmbedding(const QRawFont &font)
    : d(new Data(font))
{ }

PdfFontEmbedding::~PdfFontEmbedding()
{
    delete d;
}

bool PdfFontEmbedding::embeddable() const
{
    const quint16 fsType = d->fsType;
    return d->subset.hasOutlines() && (fsType & UsageBits) != RestrictedLicence
        && !(fsType & BitmapOnly);
}

void PdfFontEmbedding::use(quint32 glyph, QStringView text)
{
    if (glyph >= d->seen.size() || d->seen[glyph])
        return;
    QString &known = d->used[glyph];
    // The first text wins, but a glyph first drawn for no known text takes one that comes later.
    if (!text.isEmpty()) {
        d->seen[glyph] = true;
        known = text.toString();
    }
}

QList<PdfObject> PdfFontEmbedding::objects(int first) const
{
    if (!embeddable())
        return {};
    const QList<quint32> glyphs = d->glyphs();
    const QByteArray name = d->baseFont(glyphs);
    QList<quint32> used;
    for (const auto &entry : d->used)
        used.append(entry.first);
    QByteArray defaultWidth;
    const QByteArray widths = d->widths(used, &defaultWidth);
    const QByteArray file = d->subset.subset(glyphs);

    QList<PdfObject> objects(5);
    objects[0].body = "<< /Type /Font /Subtype /Type0 /BaseFont " + name
        + " /Encoding /Identity-H /DescendantFonts [" + ref(first + 1) + "] /ToUnicode "
        + ref(first + 4) + " >>";
    objects[1].body = "<< /Type /Font /Subtype /CIDFontType2 /BaseFont " + name
        + " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>"
          " /FontDescriptor "
        + ref(first + 2) + " /CIDToGIDMap /Identity /DW " + defaultWidth + " /W " + widths + " >>";
    objects[2].body = d->descriptor(name, first + 3);
    objects[3].body = "/Length1 " + QByteArray::number(file.size());
    objects[3].stream = file;
    objects[3].hasStream = true;
    objects[4].stream = PdfToUnicodeMap::write(d->used);
    objects[4].hasStream = true;
    return objects;
}
