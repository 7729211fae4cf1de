#include "RowWriter.h"

#include "DbError.h"
#include "FieldValue.h"
#include "Schema.h"

#include <QStringList>
#include <sqlite3.h>

RowWriter::RowWriter(sqlite3 *db, const Schema::Table &table, const QString &statement)
    : m_db(db)
    , m_table(table)
    , m_statement(statement)
{ }

void RowWriter::startAdd()
{
    cancel();
    m_mode = Mode::Add;
}

void RowWriter::startEdit(qint64 rowId)
{
    cancel();
    m_mode = Mode::Edit;
    m_rowId = rowId;
}

void RowWriter::cancel()
{
    m_mode = Mode::None;
    m_values.clear();
}

void RowWriter::set(const QString &name, const QVariant &value)
{
    const Schema::Column *column = m_table.column(name);
    if (!column)
        throw DbError(
            QStringLiteral("The table %1 has no column %2.").arg(m_table.name, name), m_statement);
    QVariant stored;
    try {
        stored = FieldValue::toStored(*column, value);
    } catch (const DbError &refusal) {
        throw DbError(refusal.message(), m_statement);
    }
    for (auto &[written, held] : m_values) {
        if (written == column) {
            held = stored;
            return;
        }
    }
    m_values.emplace_back(column, stored);
}

const QVariant *RowWriter::written(const QString &name) const
{
    for (const auto &[column, value] : m_values) {
        if (column->name.compare(name, Qt::CaseInsensitive) == 0)
            return &value;
    }
    return nullptr;
}

RowCursor::Row RowWriter::store(const RowCursor::Kinds &kinds, int rowIdColumn)
{
    if (m_mode == Mode::Add)
        m_rowId = insert();
    else
        update();
    const qint64 rowId = m_rowId;
    cancel();
    return fetch(rowId, kinds, rowIdColumn);
}

qint64 RowWriter::insert()
{
    QString sql;
    if (m_values.empty()) {
        sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(m_table.name);
    } else {
        QStringList names, marks;
        for (const auto &[column, value] : m_values) {
            names << column->name;
            marks << QStringLiteral("?");
        }
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(m_table.name, names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    }
    PreparedStatement insert(m_db, sql, m_statement);
    for (int i = 0; i < int(m_values.size()); ++i)
        insert.bind(i + 1, m_values[i].second);
    insert.execute();
    return insert.lastInsertId();
}

void RowWriter::update()
{
    if (m_values.empty())
        return;
    QStringList assignments;
    for (const auto &[column, value] : m_values)
        assignments << column->name + QStringLiteral(" = ?");
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                            .arg(m_table.name, assignments.join(QLatin1Char(',')));
    PreparedStatement update(m_db, sql, m_statement);
    int position = 1;
    for (const auto &[column, value] : m_values)
        update.bind(position++, value);
    update.bind(position, m_rowId);
    update.execute();
    if (sqlite3_changes(m_db) == 0)
        throw DbError(
            QStringLiteral("The row to be changed is no longer in the table %1.").arg(m_table.name),
            m_statement);
}

RowCursor::Row RowWriter::fetch(qint64 rowId, const RowCursor::Kinds &kinds, int rowIdColumn)
{
    const QString sql = QStringLiteral("SELECT *, rowid FROM %1 WHERE rowid = ?").arg(m_table.name);
    PreparedStatement read(m_db, sql, m_statement);
    read.bind(1, rowId);
    if (read.step())
        return RowCursor::readRow(read, kinds, rowIdColumn);
    // Stored, but gone at once (another program): what was stored is all there is to show.
    RowCursor::Row row;
    row.rowId = rowId;
    row.values.resize(int(kinds.size()));
    return row;
}
