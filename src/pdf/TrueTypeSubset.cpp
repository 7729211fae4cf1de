#include "TrueTypeSubset.h"

#include "FontTable.h"

#include <QtEndian>

#include <algorithm>
#include <set>

namespace {

void put16(QByteArray &bytes, qsizetype at, quint16 value)
{
    qToBigEndian(value, bytes.data() + at);
}

void put32(QByteArray &bytes, qsizetype at, quint32 value)
{
    qToBigEndian(value, bytes.data() + at);
}

void append16(QByteArray &bytes, quint16 value)
{
    bytes.resize(bytes.size() + 2);
    put16(bytes, bytes.size() - 2, value);
}

void append32(QByteArray &bytes, quint32 value)
{
    bytes.resize(bytes.size() + 4);
    put32(bytes, bytes.size() - 4, value);
}

void padTo4(QByteArray &bytes)
{
    bytes.append((4 - bytes.size() % 4) % 4, '\0');
}

// The sum of a table's 32-bit words, the table taken as padded with zeros to a whole word.
quint32 checksum(QByteArray bytes)
{
    padTo4(bytes);
    const FontTable words(bytes);
    quint32 sum = 0;
    for (qsizetype at = 0; at < words.size(); at += 4)
        sum += words.u32(at);
    return sum;
}

// Offsets in the head table.
constexpr qsizetype CheckSumAdjustment = 8;
constexpr qsizetype IndexToLocFormat = 50;

// Flags of a composite glyph's component.
constexpr quint16 ArgsAreWords = 0x0001;
constexpr quint16 HasScale = 0x0008;
constexpr quint16 MoreComponents = 0x0020;
constexpr quint16 HasXYScale = 0x0040;
constexpr quint16 HasTwoByTwo = 0x0080;

}

TrueTypeSubset::TrueTypeSubset(const QRawFont &font)
    : m_font(font)
    , m_head(font.fontTable("head"))
    , m_loca(font.fontTable("loca"))
    , m_glyf(font.fontTable("glyf"))
{
    const QByteArray maxp = font.fontTable("maxp");
    if (m_head.size() < 54 || m_loca.isEmpty() || m_glyf.isEmpty() || maxp.size() < 6)
        return;
    m_longLoca = FontTable(m_head).u16(IndexToLocFormat) == 1;
    const int glyphs = FontTable(maxp).u16(4);
    // A loca too short for the glyph count is not a font to cut from.
    if (m_loca.size() >= (glyphs + 1) * (m_longLoca ? 4 : 2))
        m_glyphCount = glyphs;
}

QByteArray TrueTypeSubset::glyphData(quint32 glyph) const
{
    if (glyph >= quint32(m_glyphCount))
        return {};
    const FontTable loca(m_loca);
    const auto offset = [&](quint32 i) -> qsizetype {
        return m_longLoca ? loca.u32(i * 4) : qsizetype(loca.u16(i * 2)) * 2;
    };
    const qsizetype start = offset(glyph);
    const qsizetype end = offset(glyph + 1);
    if (start >= end || end > m_glyf.size())
        return {};
    return m_glyf.mid(start, end - start);
}

QList<quint32> TrueTypeSubset::closure(const QList<quint32> &glyphs) const
{
    std::set<quint32> kept;
    QList<quint32> pending = glyphs;
    pending.append(0);
    while (!pending.isEmpty()) {
        const quint32 glyph = pending.takeLast();
        if (glyph >= quint32(m_glyphCount) || !kept.insert(glyph).second)
            continue;
        const FontTable data(glyphData(glyph));
        if (data.s16(0) >= 0)
            continue;
        // A composite: its components follow the header, each with flags saying how long the
        // placement and the transformation after it are.
        qsizetype at = 10;
        quint16 flags = MoreComponents;
        while ((flags & MoreComponents) && at + 4 <= data.size()) {
            flags = data.u16(at);
            pending.append(data.u16(at + 2));
            at += 4 + ((flags & ArgsAreWords) ? 4 : 2);
            if (flags & HasScale)
                at += 2;
            else if (flags & HasXYScale)
                at += 4;
            else if (flags & HasTwoByTwo)
                at += 8;
        }
    }
    return QList<quint32>(kept.begin(), kept.end());
}

QByteArray TrueTypeSubset::cut(const QList<quint32> &kept, QByteArray *loca, QByteArray *hmtx) const
{
    const quint32 metrics = FontTable(m_font.fontTable("hhea")).u16(34);
    QByteArray glyf;
    loca->clear();
    auto next = kept.cbegin();
    for (quint32 glyph = 0; glyph < quint32(m_glyphCount); ++glyph) {
        append32(*loca, quint32(glyf.size()));
        if (next != kept.cend() && *next == glyph) {
            ++next;
            glyf.append(glyphData(glyph));
            padTo4(glyf);
            continue;
        }
        // A glyph left out keeps no metrics either: a reader places glyphs by the widths the
        // file gives, and zeros take next to nothing once the font is compressed.
        const qsizetype at = glyph < metrics ? glyph * 4 : metrics * 4 + (glyph - metrics) * 2;
        const qsizetype size = glyph < metrics ? 4 : 2;
        if (at + size <= hmtx->size())
            hmtx->replace(at, size, QByteArray(size, '\0'));
    }
    append32(*loca, quint32(glyf.size()));
    return glyf;
}

QByteArray TrueTypeSubset::subset(const QList<quint32> &glyphs) const
{
    if (!hasOutlines())
        return {};
    QByteArray loca;
    QByteArray hmtx = m_font.fontTable("hmtx");
    const QByteArray glyf = cut(closure(glyphs), &loca, &hmtx);

    QByteArray head = m_head;
    put32(head, CheckSumAdjustment, 0);
    put16(head, IndexToLocFormat, 1);

    QList<QPair<QByteArray, QByteArray>> tables { { "head", head }, { "loca", loca },
        { "glyf", glyf }, { "hmtx", hmtx } };
    for (const char *tag : { "hhea", "maxp", "cvt ", "fpgm", "prep", "OS/2", "name" }) {
        const QByteArray table = m_font.fontTable(tag);
        if (!table.isEmpty())
            tables.append({ tag, table });
    }
    // The glyph names of a version 2 table are of no use to a reader that is given glyph
    // indexes; version 3 keeps the italic angle and the underline without them.
    QByteArray post = m_font.fontTable("post").left(32);
    if (post.size() == 32) {
        put32(post, 0, 0x00030000);
        tables.append({ "post", post });
    }
    return sfnt(tables);
}

QByteArray TrueTypeSubset::sfnt(QList<QPair<QByteArray, QByteArray>> tables)
{
    std::sort(tables.begin(), tables.end(),
        [](const auto &a, const auto &b) { return a.first < b.first; });
    const quint16 count = quint16(tables.size());
    quint16 selector = 0;
    while ((2u << selector) <= count)
        ++selector;
    const quint16 searchRange = quint16((1u << selector) * 16);

    QByteArray file;
    append32(file, 0x00010000);
    append16(file, count);
    append16(file, searchRange);
    append16(file, selector);
    append16(file, quint16(count * 16 - searchRange));

    qsizetype offset = 12 + 16 * count;
    qsizetype headOffset = 0;
    for (const auto &[tag, table] : tables) {
        file.append(tag);
        append32(file, checksum(table));
        append32(file, quint32(offset));
        append32(file, quint32(table.size()));
        if (tag == "head")
            headOffset = offset;
        offset += (table.size() + 3) / 4 * 4;
    }
    for (const auto &entry : tables) {
        file.append(entry.second);
        padTo4(file);
    }
    put32(file, headOffset + CheckSumAdjustment, 0xB1B0AFBA - checksum(file));
    return file;
}
