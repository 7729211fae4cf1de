#include "FoldedCollation.h"

#include <QChar>

namespace CaseFold {

char32_t foldNonAscii(char32_t c)
{
    if (c > 0x10FFFF)
        return c; // a stray byte of broken text keeps its own value
    return QChar::toCaseFolded(c);
}

} // namespace CaseFold

namespace FoldedCollation {

int compare(const char *a, int aBytes, const char *b, int bBytes)
{
    auto *p = reinterpret_cast<const unsigned char *>(a);
    auto *q = reinterpret_cast<const unsigned char *>(b);
    const unsigned char *pEnd = p + aBytes;
    const unsigned char *qEnd = q + bBytes;
    while (p < pEnd && q < qEnd) {
        if (*p < 0x80 && *q < 0x80) {
            const int diff = int(CaseFold::foldAscii(*p)) - int(CaseFold::foldAscii(*q));
            if (diff != 0)
                return diff;
            ++p;
            ++q;
            continue;
        }
        const char32_t x = CaseFold::fold(Utf8::next(p, pEnd));
        const char32_t y = CaseFold::fold(Utf8::next(q, qEnd));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (p < pEnd)
        return 1;
    return q < qEnd ? -1 : 0;
}

QByteArray key(const char *text, int bytes)
{
    QByteArray result;
    appendKey(result, text, bytes);
    return result;
}

void appendKey(QByteArray &result, const char *text, int bytes)
{
    // Most names are ASCII throughout: folded byte for byte into a key of the same length.
    const qsizetype start = result.size();
    result.resize(start + bytes);
    char *out = result.data() + start;
    auto *p = reinterpret_cast<const unsigned char *>(text);
    const unsigned char *end = p + bytes;
    while (p < end && *p < 0x80)
        *out++ = char(CaseFold::foldAscii(*p++));
    if (p == end)
        return;
    result.truncate(out - result.constData());
    while (p < end) {
        if (*p < 0x80) {
            result += char(CaseFold::foldAscii(*p++));
            continue;
        }
        // UTF-8's own layout keeps the order of the values, the stray bytes above the Unicode
        // range included, as long as the longest form is allowed to reach them.
        const char32_t c = CaseFold::fold(Utf8::next(p, end));
        if (c < 0x80) {
            result += char(c);
        } else if (c < 0x800) {
            result += char(0xC0 | (c >> 6));
            result += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            result += char(0xE0 | (c >> 12));
            result += char(0x80 | ((c >> 6) & 0x3F));
            result += char(0x80 | (c & 0x3F));
        } else {
            result += char(0xF0 | (c >> 18));
            result += char(0x80 | ((c >> 12) & 0x3F));
            result += char(0x80 | ((c >> 6) & 0x3F));
            result += char(0x80 | (c & 0x3F));
        }
    }
}

} // namespace FoldedCollation
