#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

// Texts folded as Like and the collation fold letter case, each kept once and numbered: the
// values of a table's searched columns repeat (brands, cities, telemarketers, interests), and
// customer names are what machines and calls join by. All of them stand in one block of text,
// each ended by a byte no UTF-8 text holds, so that a plain word is in a value exactly where
// its folded text occurs in the block inside that value's part.
class FoldedValues
{
public:
    // The number of the text: the same for texts equal but for letter case, a new one for a
    // text not met before.
    quint32 of(QByteArrayView text);
    quint32 count() const { return quint32(m_starts.size() - 1); }

    // For each value, bit w set when the folded needle w occurs in it.
    std::vector<quint8> masks(const std::vector<QByteArray> &needles) const;
    // Lets go of the room kept for growing.
    void squeeze();
    // The memory held, in bytes.
    qsizetype bytes() const;

private:
    QByteArrayView key(quint32 value) const;
    void grow();

    QByteArray m_keys;
    // Value v runs from m_starts[v] to before the end byte at m_starts[v + 1] - 1.
    std::vector<quint32> m_starts { 0 };
    // Open addressing over the values by their keys' hash; -1 for a free place.
    std::vector<qint32> m_table = std::vector<qint32>(64, -1);
    QByteArray m_scratch;
};
