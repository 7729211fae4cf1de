#include "ResultColumns.h"

#include <sqlite3.h>

ResultColumns::ResultColumns(sqlite3_stmt *stmt, int count)
{
    for (int i = 0; i < count; ++i) {
        const QString name = QString::fromUtf8(sqlite3_column_name(stmt, i));
        m_names << name;
        m_kinds.push_back(ColumnReader::kindOf(sqlite3_column_decltype(stmt, i)));
        const QString key = name.toCaseFolded();
        m_firstOfName.push_back(!m_byFoldedName.contains(key));
        if (m_firstOfName.back())
            m_byFoldedName.insert(key, i);
    }
}

int ResultColumns::indexOf(const QString &name) const
{
    for (const int guess : { m_last + 1, m_last }) {
        if (guess >= 0 && guess < count() && m_firstOfName[guess]
            && m_names[guess].compare(name, Qt::CaseInsensitive) == 0) {
            m_last = guess;
            return guess;
        }
    }
    const int found = m_byFoldedName.value(name.toCaseFolded(), -1);
    if (found >= 0)
        m_last = found;
    return found;
}
