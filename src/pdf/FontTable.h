#pragma once

#include <QByteArray>
#include <QtEndian>

// One table of a font file, read as the big-endian numbers fonts are made of. A read past the
// end gives 0, so a damaged table makes glyphs empty and metrics zero instead of reading beyond
// the bytes the font handed over.
class FontTable
{
public:
    FontTable(const QByteArray &bytes = {})
        : m_bytes(bytes)
    { }

    const QByteArray &bytes() const { return m_bytes; }
    qsizetype size() const { return m_bytes.size(); }
    bool isEmpty() const { return m_bytes.isEmpty(); }

    quint16 u16(qsizetype at) const { return read<quint16>(at); }
    qint16 s16(qsizetype at) const { return read<qint16>(at); }
    quint32 u32(qsizetype at) const { return read<quint32>(at); }
    qint32 s32(qsizetype at) const { return read<qint32>(at); }

private:
    template <typename T> T read(qsizetype at) const
    {
        if (at < 0 || at + qsizetype(sizeof(T)) > m_bytes.size())
            return 0;
        return qFromBigEndian<T>(m_bytes.constData() + at);
    }

    QByteArray m_bytes;
};
