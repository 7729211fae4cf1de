#include "FoldedCollation.h"

#include "CaseFold.h"
#include "Utf8.h"

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

} // namespace FoldedCollation
