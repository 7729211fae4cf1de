#include "CaseFold.h"

#include <QChar>

namespace CaseFold {

char32_t foldNonAscii(char32_t c)
{
    if (c > 0x10FFFF)
        return c; // a stray byte of broken text keeps its own value
    return QChar::toCaseFolded(c);
}

} // namespace CaseFold
