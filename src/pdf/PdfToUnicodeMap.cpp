#include "PdfToUnicodeMap.h"

#include "PdfFormat.h"

#include <QList>

namespace {

// A reader takes at most 100 mappings between one begin and its end.
constexpr int BlockSize = 100;

QByteArray hex4(quint32 value)
{
    QByteArray out;
    PdfFormat::hex(out, value);
    return out;
}

// The text as UTF-16BE, which is what a ToUnicode map holds: a character outside the Basic
// Multilingual Plane is already its surrogate pair in a QString.
QByteArray utf16(const QString &text)
{
    QByteArray hex = "<";
    for (QChar c : text)
        PdfFormat::hex(hex, c.unicode());
    return hex + '>';
}

// A glyph that may end or continue a range: one UTF-16 unit that is not half a pair.
bool single(const QString &text)
{
    return text.size() == 1 && !text.at(0).isSurrogate();
}

struct Range
{
    quint32 first;
    quint32 last;
    QString text;
};

// Whether glyph, standing for text, continues range: the next glyph and the next character,
// without a carry out of the last byte of either, which a range in a CMap cannot express.
bool continues(const Range &range, quint32 glyph, const QString &text)
{
    if (!single(range.text) || !single(text) || glyph != range.last + 1 || (glyph & 0xFF) == 0)
        return false;
    const quint32 code = range.text.at(0).unicode() + (glyph - range.first);
    return text.at(0).unicode() == code && (code & 0xFF) != 0;
}

void writeBlocks(QByteArray &out, const QList<QByteArray> &lines, const char *kind)
{
    for (qsizetype at = 0; at < lines.size(); at += BlockSize) {
        const qsizetype count = qMin<qsizetype>(BlockSize, lines.size() - at);
        out += QByteArray::number(count) + " begin" + kind + '\n';
        for (qsizetype i = at; i < at + count; ++i)
            out += lines.at(i) + '\n';
        out += QByteArray("end") + kind + '\n';
    }
}

}

QByteArray PdfToUnicodeMap::write(const std::map<quint32, QString> &texts)
{
    QList<Range> ranges;
    for (const auto &[glyph, text] : texts) {
        if (text.isEmpty() || glyph > 0xFFFF)
            continue;
        if (!ranges.isEmpty() && continues(ranges.last(), glyph, text))
            ranges.last().last = glyph;
        else
            ranges.append({ glyph, glyph, text });
    }
    QList<QByteArray> chars;
    QList<QByteArray> spans;
    for (const Range &range : ranges) {
        if (range.first == range.last)
            chars += '<' + hex4(range.first) + "> " + utf16(range.text);
        else
            spans += '<' + hex4(range.first) + "> <" + hex4(range.last) + "> " + utf16(range.text);
    }

    QByteArray out = "/CIDInit /ProcSet findresource begin\n"
                     "12 dict begin\n"
                     "begincmap\n"
                     "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                     "/CMapName /Adobe-Identity-UCS def\n"
                     "/CMapType 2 def\n"
                     "1 begincodespacerange\n"
                     "<0000> <FFFF>\n"
                     "endcodespacerange\n";
    writeBlocks(out, chars, "bfchar");
    writeBlocks(out, spans, "bfrange");
    out += "endcmap\n"
           "CMapName currentdict /CMap defineresource pop\n"
           "end\n"
           "end\n";
    return out;
}
