#include "LikePattern.h"

#include "FoldedCollation.h"

#include <QVarLengthArray>
#include <cstring>

namespace {

// Bytes folded for the byte-wise paths; bytes of non-ASCII characters keep their value and so
// never equal a byte of an ASCII literal.
constexpr std::array<unsigned char, 256> makeByteTable()
{
    std::array<unsigned char, 256> table {};
    for (int c = 0; c < 256; ++c)
        table[c] = c < 128 ? CaseFold::AsciiTable[c] : static_cast<unsigned char>(c);
    return table;
}

constexpr std::array<unsigned char, 256> ByteFold = makeByteTable();

bool hasNonAscii(const unsigned char *text, int bytes)
{
    int i = 0;
    for (; i + 8 <= bytes; i += 8) {
        quint64 word;
        std::memcpy(&word, text + i, 8);
        if (word & 0x8080808080808080ULL)
            return true;
    }
    for (; i < bytes; ++i) {
        if (text[i] & 0x80)
            return true;
    }
    return false;
}

} // namespace

LikePattern::LikePattern(const char *utf8, int bytes)
{
    parse(utf8, bytes);
    classify();
}

void LikePattern::parse(const char *utf8, int bytes)
{
    QVarLengthArray<char32_t, 128> chars;
    auto *p = reinterpret_cast<const unsigned char *>(utf8);
    const unsigned char *end = p + bytes;
    while (p < end)
        chars.append(Utf8::next(p, end));

    const qsizetype n = chars.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char32_t c = chars[i];
        if (c == '*') {
            if (m_tokens.empty() || m_tokens.back().kind != Kind::AnyRun)
                m_tokens.push_back({ Kind::AnyRun, 0 });
        } else if (c == '?') {
            m_tokens.push_back({ Kind::AnyOne, 0 });
        } else if (c == '#') {
            m_tokens.push_back({ Kind::Digit, 0 });
        } else if (c == '[') {
            qsizetype close = i + 1;
            if (close < n && chars[close] == '!')
                ++close;
            while (close < n && chars[close] != ']')
                ++close;
            if (close >= n) {
                // No closing bracket: the bracket is meant as itself.
                m_tokens.push_back({ Kind::Literal, c });
                continue;
            }
            qsizetype j = i + 1;
            CharSet set;
            if (chars[j] == '!') {
                set.negated = true;
                ++j;
            }
            for (; j < close; ++j) {
                const char32_t lo = CaseFold::fold(chars[j]);
                // A dash first or last in the list has no ends, so it stands for itself.
                if (j + 2 < close && chars[j + 1] == '-') {
                    set.ranges.emplace_back(lo, CaseFold::fold(chars[j + 2]));
                    j += 2;
                } else {
                    set.ranges.emplace_back(lo, lo);
                }
            }
            i = close;
            if (set.ranges.empty() && !set.negated)
                continue; // "[]" stands for no character at all
            if (!set.negated && set.ranges.size() == 1
                && set.ranges[0].first == set.ranges[0].second) {
                m_tokens.push_back({ Kind::Literal, set.ranges[0].first });
                continue;
            }
            m_sets.push_back(std::move(set));
            m_tokens.push_back({ Kind::Set, char32_t(m_sets.size() - 1) });
        } else {
            m_tokens.push_back({ Kind::Literal, CaseFold::fold(c) });
        }
    }
}

void LikePattern::classify()
{
    for (const Token &token : m_tokens) {
        if (token.kind != Kind::AnyRun)
            ++m_leastChars;
        if (token.kind == Kind::Literal && token.ch >= 0x80)
            m_wideLiteral = true;
    }
    const size_t n = m_tokens.size();
    if (n < 3 || m_tokens.front().kind != Kind::AnyRun || m_tokens.back().kind != Kind::AnyRun)
        return;
    for (size_t i = 1; i + 1 < n; ++i) {
        if (m_tokens[i].kind != Kind::Literal || m_tokens[i].ch >= 0x80) {
            m_ascii.clear();
            return;
        }
        m_ascii.push_back(char(m_tokens[i].ch));
    }
    m_asciiContains = true;
}

bool LikePattern::matches(const char *utf8, int bytes) const
{
    auto *text = reinterpret_cast<const unsigned char *>(utf8);
    if (!m_asciiContains)
        return matchGeneral(text, bytes);
    bool undecided = false;
    const bool found = matchAsciiContains(text, bytes, undecided);
    return undecided ? matchGeneral(text, bytes) : found;
}

bool LikePattern::matchAsciiContains(const unsigned char *text, int bytes, bool &undecided) const
{
    const int m = int(m_ascii.size());
    if (m == 0)
        return true;
    auto *needle = reinterpret_cast<const unsigned char *>(m_ascii.data());
    // For a letter, setting bit 5 of a byte folds exactly its two cases onto the small one and
    // sends no other byte there; a byte of a non-ASCII character stays above 0x7F.
    const unsigned char head = needle[0];
    const unsigned char caseBit = (head >= 'a' && head <= 'z') ? 0x20 : 0x00;
    unsigned char seen = 0;
    const int last = bytes - m;
    for (int i = 0; i <= last; ++i) {
        const unsigned char c = text[i];
        seen |= c;
        if ((c | caseBit) != head)
            continue;
        int j = 1;
        while (j < m && ByteFold[text[i + j]] == needle[j])
            ++j;
        if (j == m)
            return true;
    }
    for (int i = last < 0 ? 0 : last + 1; i < bytes; ++i)
        seen |= text[i];
    // A character outside ASCII may still fold onto the literal (the Kelvin sign onto k).
    undecided = (seen & 0x80) != 0;
    return false;
}

bool LikePattern::CharSet::contains(char32_t folded) const
{
    bool found = false;
    for (const auto &[lo, hi] : ranges) {
        if (folded >= lo && folded <= hi) {
            found = true;
            break;
        }
    }
    return found != negated;
}

bool LikePattern::matchToken(const Token &token, char32_t folded) const
{
    switch (token.kind) {
    case Kind::Literal:
        return folded == token.ch;
    case Kind::AnyOne:
        return true;
    case Kind::Digit:
        return folded >= '0' && folded <= '9';
    case Kind::Set:
        return m_sets[token.ch].contains(folded);
    case Kind::AnyRun:
        break;
    }
    return false;
}

template <typename Text> bool LikePattern::matchTokens(const Text &chars, qsizetype charCount) const
{
    // Every token but * takes exactly one character, so going back to the last * is enough.
    const size_t tokenCount = m_tokens.size();
    size_t t = 0;
    qsizetype s = 0;
    size_t runToken = SIZE_MAX;
    qsizetype runStart = 0;
    while (s < charCount) {
        if (t < tokenCount && m_tokens[t].kind == Kind::AnyRun) {
            runToken = t++;
            runStart = s;
        } else if (t < tokenCount && matchToken(m_tokens[t], chars[s])) {
            ++t;
            ++s;
        } else if (runToken != SIZE_MAX) {
            t = runToken + 1;
            s = ++runStart;
        } else {
            return false;
        }
    }
    while (t < tokenCount && m_tokens[t].kind == Kind::AnyRun)
        ++t;
    return t == tokenCount;
}

bool LikePattern::matchGeneral(const unsigned char *text, int bytes) const
{
    if (!hasNonAscii(text, bytes)) {
        // ASCII text: one byte is one character, folded by table in place. An ASCII character
        // never folds onto a letter outside ASCII, so such a literal rules the text out at once.
        if (m_wideLiteral || bytes < m_leastChars)
            return false;
        struct Folded
        {
            const unsigned char *text;
            char32_t operator[](qsizetype i) const { return ByteFold[text[i]]; }
        };
        return matchTokens(Folded { text }, bytes);
    }
    QVarLengthArray<char32_t, 256> chars;
    const unsigned char *end = text + bytes;
    while (text < end)
        chars.append(CaseFold::fold(Utf8::next(text, end)));
    return matchTokens(chars, chars.size());
}
