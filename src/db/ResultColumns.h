#pragma once

#include "ColumnReader.h"

#include <QHash>
#include <QStringList>
#include <vector>

struct sqlite3_stmt;

// The columns of a result: names, how each value is read, and the lookup by name that ignores
// letter case. Callers read a row's fields by name in column order, once per row for 100,000
// rows, so the column after the last one found is tried before the map.
class ResultColumns
{
public:
    ResultColumns() = default;
    // The first 'count' columns of the statement; a hidden column after them is not listed.
    ResultColumns(sqlite3_stmt *stmt, int count);

    int count() const { return int(m_names.size()); }
    QString name(int index) const { return m_names.at(index); }
    ColumnReader::Kind kind(int index) const { return m_kinds.at(index); }
    const std::vector<ColumnReader::Kind> &kinds() const { return m_kinds; }

    // -1 for a name the result does not have. Where two columns share a name, the first wins.
    int indexOf(const QString &name) const;

private:
    QStringList m_names;
    std::vector<ColumnReader::Kind> m_kinds;
    std::vector<bool> m_firstOfName; // false for a later column that repeats a name
    QHash<QString, int> m_byFoldedName;
    mutable int m_last = -1;
};
