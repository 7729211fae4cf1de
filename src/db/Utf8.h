#pragma once

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
