#pragma once

#include "FoldedRows.h"
#include "FoldedValues.h"
#include "RowChangeLog.h"

#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class Database;

// The searched columns of every customer, machine and call, folded into one block of text per
// table, so that a plain search word is found by scanning memory rather than by testing every
// column of every row in the engine, which reads the whole file each time. Kept up to date
// row by row from the rows the program changed.
class WordIndex
{
public:
    WordIndex();

    // Whether the index can look for the word: plain text, no Like wildcard or character list.
    static bool takes(const QString &word);

    // Asked now and then while the tables are read: false to stop reading. It may wait.
    using GoOn = std::function<bool()>;
    // Reads the three tables; null when told to stop before it was done. Throws DbError.
    static std::unique_ptr<WordIndex> build(Database &db, const GoOn &goOn);
    // Reads again the rows named, dropping those that are gone. Throws DbError.
    void update(Database &db, const RowChangeLog::Rows &rows);

    // The rowids of the customers in whose joined rows every word is found (each word in the
    // customer's own columns, one machine or one call, the same machine and call for all
    // words), in ascending order.
    std::vector<qint64> covering(const QStringList &words) const;

    // A joined row is one machine (or none) and one call (or none) of the customer; the
    // customer is found when in some such row every word is in the customer, the machine or
    // the call. own: the words in the customer's columns; machines, calls: the sets of word
    // masks of its machines and calls (bit m for mask m); all: one bit per word.
    static bool covered(quint32 own, quint32 machines, quint32 calls, quint32 all);

    // The memory held, in bytes.
    qsizetype bytes() const;

private:
    using Table = RowChangeLog::Table;

    // Reads the rows of a table's statement into it; false when stopped.
    bool read(Database &db, Table table, const QString &sql, const QVariantList &values,
        const GoOn *goOn);
    std::vector<quint32> maskSets(Table table, const std::vector<QByteArray> &needles) const;

    // The customer names rows join by, numbered as the groups of the rows.
    FoldedValues m_names;
    std::array<FoldedRows, RowChangeLog::TableCount> m_tables;
};
