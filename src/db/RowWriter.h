#pragma once

#include "RowCursor.h"

#include <QString>
#include <QVariant>
#include <utility>
#include <vector>

struct sqlite3;
namespace Schema {
struct Column;
struct Table;
}

// A pending add or edit of one row of a table: the values written so far, checked against
// their columns, and the bound INSERT or UPDATE that stores them.
class RowWriter
{
public:
    RowWriter(sqlite3 *db, const Schema::Table &table, const QString &statement);

    void startAdd();
    void startEdit(qint64 rowId);
    void cancel();
    bool pending() const { return m_mode != Mode::None; }
    bool adding() const { return m_mode == Mode::Add; }

    // Throws DbError for a column the table does not have or a value the column refuses.
    void set(const QString &name, const QVariant &value);
    // The value written for a column in this change, if any.
    const QVariant *written(const QString &name) const;

    // Stores the change and returns the row as the table now holds it, read back with the
    // columns and row id column of 'kinds' and 'rowIdColumn'.
    RowCursor::Row store(const RowCursor::Kinds &kinds, int rowIdColumn);

private:
    enum class Mode { None, Add, Edit };

    qint64 insert();
    void update();
    RowCursor::Row fetch(qint64 rowId, const RowCursor::Kinds &kinds, int rowIdColumn);

    sqlite3 *m_db;
    const Schema::Table &m_table;
    QString m_statement;
    Mode m_mode = Mode::None;
    qint64 m_rowId = 0;
    std::vector<std::pair<const Schema::Column *, QVariant>> m_values;
};
