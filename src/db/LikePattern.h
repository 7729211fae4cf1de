#pragma once

#include <QtGlobal>
#include <string>
#include <vector>

// A compiled pattern of the dialect's Like: * any run, ? one character, # one digit, [abc],
// [a-z], [!abc], with [*] and the like for a wildcard taken literally; letter case ignored by
// the same folding as the collation; the whole value must match.
// The search sends "*word*" against every text column of every row, so that shape is matched
// on the raw UTF-8 bytes without allocating, and only text outside ASCII takes the general path.
class LikePattern
{
public:
    LikePattern(const char *utf8, int bytes);

    bool matches(const char *utf8, int bytes) const;

private:
    enum class Kind { Literal, AnyOne, Digit, Set, AnyRun };
    struct Token
    {
        Kind kind;
        char32_t ch; // Literal: the folded character; Set: the index into m_sets
    };
    struct CharSet
    {
        bool negated = false;
        std::vector<std::pair<char32_t, char32_t>> ranges; // folded, inclusive
        bool contains(char32_t folded) const;
    };

    void parse(const char *utf8, int bytes);
    void classify();
    bool matchGeneral(const unsigned char *text, int bytes) const;
    template <typename Text> bool matchTokens(const Text &chars, qsizetype charCount) const;
    bool matchToken(const Token &token, char32_t folded) const;
    bool matchAsciiContains(const unsigned char *text, int bytes, bool &undecided) const;

    std::vector<Token> m_tokens;
    std::vector<CharSet> m_sets;
    // "*literal*" with the literal all ASCII: its folded text, matched byte by byte.
    bool m_asciiContains = false;
    std::string m_ascii;
    bool m_wideLiteral = false; // a literal character outside ASCII
    int m_leastChars = 0; // the characters every matching text has at least
};
