#pragma once

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
