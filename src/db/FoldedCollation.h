#pragma once

#include <QByteArray>
#include <array>

// The one rule by which the program ignores letter case, shared by the text collation and Like
// so that the two never disagree: Unicode simple case folding of each character.
namespace CaseFold {

constexpr std::array<unsigned char, 128> makeAsciiTable()
{
    std::array<unsigned char, 128> table {};
    for (int c = 0; c < 128; ++c)
        table[c] = static_cast<unsigned char>((c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c);
    return table;
}

// ASCII folded by table: the engine calls the comparisons millions of times in a search.
inline constexpr std::array<unsigned char, 128> AsciiTable = makeAsciiTable();

inline unsigned char foldAscii(unsigned char c)
{
    return AsciiTable[c];
}

char32_t foldNonAscii(char32_t c);

inline char32_t fold(char32_t c)
{
    return c < 0x80 ? AsciiTable[c] : foldNonAscii(c);
}

} // namespace CaseFold

// Reading the engine's UTF-8 text one code point at a time, without copying it. Text written
// by other tools may hold broken sequences; each stray byte then reads as a value above the
// Unicode range of its own, so that comparisons stay a strict order and never read past the end.
namespace Utf8 {

constexpr char32_t StrayByteBase = 0x110000;

inline char32_t next(const unsigned char *&p, const unsigned char *end)
{
    const unsigned char c = *p++;
    if (c < 0x80)
        return c;
    int extra;
    char32_t cp;
    if ((c & 0xE0) == 0xC0) {
        extra = 1;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        extra = 2;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        extra = 3;
        cp = c & 0x07;
    } else {
        return StrayByteBase + c;
    }
    if (end - p < extra)
        return StrayByteBase + c;
    for (int i = 0; i < extra; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return StrayByteBase + c;
    }
    for (int i = 0; i < extra; ++i)
        cp = (cp << 6) | (p[i] & 0x3F);
    p += extra;
    return cp;
}

} // namespace Utf8

// The text order of the program's own connection: character by character after case folding,
// so "Élan" and "élan" are the same name. On ASCII text it orders exactly like the engine's
// built-in NOCASE, so indexes the stock shell builds on such text stay valid here.
namespace FoldedCollation {

int compare(const char *a, int aBytes, const char *b, int bBytes);

// The text as a key whose plain byte order is this order: two texts compare equal exactly
// when their keys are equal, and otherwise as their keys compare byte by byte. For sorting
// and finding many texts in the program as the engine would.
QByteArray key(const char *text, int bytes);
// The same key at the end of out, for keys gathered in one block.
void appendKey(QByteArray &out, const char *text, int bytes);

} // namespace FoldedCollation
