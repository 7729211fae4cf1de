#pragma once

#include <QByteArray>
#include <QString>

#include <map>

// The ToUnicode CMap of a font whose codes are two-byte glyph indexes: it tells a reader which
// text each glyph stands for, so that text copied or searched in the file is the text that was
// drawn. Glyphs standing for no known text are left out.
class PdfToUnicodeMap
{
public:
    static QByteArray write(const std::map<quint32, QString> &texts);
};
