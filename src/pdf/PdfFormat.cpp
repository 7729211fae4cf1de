#include "PdfFormat.h"

#include <cmath>

namespace PdfFormat {

void number(QByteArray &out, double value)
{
    char buffer[32];
    char *end = buffer + sizeof buffer;
    char *at = end;
    *--at = ' ';
    long long thousandths = std::llround(value * 1000);
    const bool negative = thousandths < 0;
    if (negative)
        thousandths = -thousandths;
    long long whole = thousandths / 1000;
    int fraction = int(thousandths % 1000);
    if (fraction != 0) {
        int digits = 3;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --digits;
        }
        while (digits-- > 0) {
            *--at = char('0' + fraction % 10);
            fraction /= 10;
        }
        *--at = '.';
    }
    do {
        *--at = char('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (negative && thousandths != 0)
        *--at = '-';
    out.append(at, end - at);
}

void hex(QByteArray &out, quint32 index)
{
    static const char digits[] = "0123456789ABCDEF";
    const char four[4] = { digits[(index >> 12) & 0xf], digits[(index >> 8) & 0xf],
        digits[(index >> 4) & 0xf], digits[index & 0xf] };
    out.append(four, 4);
}

void glyph(QByteArray &out, quint32 index)
{
    // Two bytes in a literal string, half the size of hex: only the string's own delimiters,
    // its escape and the ends of lines (which a reader would read as other bytes) are escaped.
    for (const char byte : { char(index >> 8), char(index & 0xff) }) {
        switch (byte) {
        case '(':
        case ')':
        case '\\':
            out += '\\';
            out += byte;
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += byte;
        }
    }
}

QByteArray text(QStringView value)
{
    bool plain = true;
    for (const QChar c : value)
        plain = plain && c.unicode() >= 0x20 && c.unicode() < 0x7f;
    if (plain) {
        QByteArray out = "(";
        for (const QChar c : value) {
            if (c == u'(' || c == u')' || c == u'\\')
                out += '\\';
            out += char(c.unicode());
        }
        return out + ')';
    }
    QByteArray out = "<FEFF";
    for (const QChar c : value)
        hex(out, c.unicode());
    return out + '>';
}

} // namespace PdfFormat
