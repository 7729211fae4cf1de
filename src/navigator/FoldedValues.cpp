#include "FoldedValues.h"

#include "FoldedCollation.h"

#include <QHashFunctions>
#include <algorithm>
#include <cstring>

namespace {

// Folded text is UTF-8 whose lead bytes stop at 0xF7, so this byte never stands inside it.
constexpr char ValueEnd = '\xFE';

} // namespace

QByteArrayView FoldedValues::key(quint32 value) const
{
    return QByteArrayView(m_keys).sliced(
        m_starts[value], m_starts[size_t(value) + 1] - m_starts[value] - 1);
}

quint32 FoldedValues::of(QByteArrayView text)
{
    m_scratch.clear();
    FoldedCollation::appendKey(m_scratch, text.data(), int(text.size()));
    const QByteArrayView wanted(m_scratch);
    const size_t mask = m_table.size() - 1;
    size_t place = qHash(wanted) & mask;
    while (m_table[place] >= 0) {
        if (key(quint32(m_table[place])) == wanted)
            return quint32(m_table[place]);
        place = (place + 1) & mask;
    }
    const quint32 value = count();
    m_keys += m_scratch;
    m_keys += ValueEnd;
    m_starts.push_back(quint32(m_keys.size()));
    m_table[place] = qint32(value);
    // Half full at most, so that looking for a text not kept ends soon.
    if (size_t(count()) * 2 > m_table.size())
        grow();
    return value;
}

void FoldedValues::grow()
{
    m_table.assign(m_table.size() * 2, -1);
    const size_t mask = m_table.size() - 1;
    for (quint32 value = 0; value < count(); ++value) {
        size_t place = qHash(key(value)) & mask;
        while (m_table[place] >= 0)
            place = (place + 1) & mask;
        m_table[place] = qint32(value);
    }
}

std::vector<quint8> FoldedValues::masks(const std::vector<QByteArray> &needles) const
{
    std::vector<quint8> result(count(), 0);
    const char *base = m_keys.constData();
    const auto size = size_t(m_keys.size());
    for (size_t word = 0; word < needles.size(); ++word) {
        const QByteArray &needle = needles[word];
        size_t from = 0;
        while (from < size) {
            const void *hit
                = memmem(base + from, size - from, needle.constData(), size_t(needle.size()));
            if (!hit)
                break;
            const auto at = quint32(static_cast<const char *>(hit) - base);
            const auto value = size_t(
                std::upper_bound(m_starts.begin(), m_starts.end(), at) - m_starts.begin() - 1);
            result[value] |= quint8(1u << word);
            from = m_starts[value + 1]; // the value has the word; on to the next one
        }
    }
    return result;
}

void FoldedValues::squeeze()
{
    m_keys.squeeze();
    m_starts.shrink_to_fit();
}

qsizetype FoldedValues::bytes() const
{
    return m_keys.capacity() + qsizetype(m_starts.capacity() * sizeof(quint32))
        + qsizetype(m_table.capacity() * sizeof(qint32));
}
