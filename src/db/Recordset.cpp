#include "Recordset.h"

#include "DbError.h"
#include "PreparedStatement.h"
#include "RowCursor.h"
#include "RowWriter.h"
#include "Schema.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>
#include <sqlite3.h>
#include <vector>

namespace {

// Whether a statement is one of the one-table reads a save opens ("SELECT * FROM t WHERE ...",
// "SELECT * FROM t LIMIT 1" once translated), whose rows can then be changed. Such a statement
// is run with the row id as an extra last column, so a change can name its row.
struct EditableQuery
{
    const Schema::Table *table = nullptr; // null when the rows cannot be changed
    QString sql; // the statement to run

    static EditableQuery of(const QString &engineSql);
};

EditableQuery EditableQuery::of(const QString &engineSql)
{
    static const QRegularExpression oneTable(
        QStringLiteral(
            R"(^(\s*SELECT\s+\*)(\s+FROM\s+(\w+))((?:\s+(?:WHERE|ORDER|LIMIT)\b.*)?\s*;?\s*)$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = oneTable.match(engineSql);
    if (!m.hasMatch())
        return { nullptr, engineSql };
    const Schema::Table *table = Schema::table(m.captured(3));
    if (!table)
        return { nullptr, engineSql };
    return { table, m.captured(1) + QStringLiteral(", rowid") + m.captured(2) + m.captured(4) };
}

// The columns of a result: names, how each value is read, and the lookup by name that ignores
// letter case. Callers read a row's fields by name in column order, once per row for 100,000
// rows, so the column after the last one found is tried before the map.
class ResultColumns
{
public:
    // The first 'count' columns of the statement; a hidden column after them is not listed.
    ResultColumns(const PreparedStatement &statement, int count);

    int count() const { return int(m_names.size()); }
    QString name(int index) const { return m_names.at(index); }
    const RowCursor::Kinds &kinds() const { return m_kinds; }

    // -1 for a name the result does not have. Where two columns share a name, the first wins.
    int indexOf(const QString &name) const;

private:
    QStringList m_names;
    RowCursor::Kinds m_kinds;
    std::vector<bool> m_firstOfName; // false for a later column that repeats a name
    QHash<QString, int> m_byFoldedName;
    mutable int m_last = -1;
};

ResultColumns::ResultColumns(const PreparedStatement &statement, int count)
{
    sqlite3_stmt *stmt = statement.handle();
    for (int i = 0; i < count; ++i) {
        const QString name = QString::fromUtf8(sqlite3_column_name(stmt, i));
        m_names << name;
        m_kinds.push_back(PreparedStatement::kindOf(sqlite3_column_decltype(stmt, i)));
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

int visibleColumns(const PreparedStatement &statement, const Schema::Table *table)
{
    return sqlite3_column_count(statement.handle()) - (table ? 1 : 0);
}

DbError closed()
{
    return DbError(QStringLiteral("The record set is closed."));
}

} // namespace

// What an open record set holds: its columns, its rows, and for a one-table statement the
// writer of its pending change.
struct Recordset::Impl
{
    // With a table, the statement's last column is the hidden row id.
    Impl(sqlite3 *db, PreparedStatement compiled, const QString &sql, const Schema::Table *table)
        : statement(sql)
        , rowIdColumn(table ? visibleColumns(compiled, table) : -1)
        , columns(compiled, visibleColumns(compiled, table))
        , cursor(std::move(compiled), columns.kinds(), rowIdColumn)
        , writer(table ? std::make_unique<RowWriter>(db, *table, sql) : nullptr)
    { }

    QString statement;
    int rowIdColumn;
    ResultColumns columns;
    RowCursor cursor;
    std::unique_ptr<RowWriter> writer;
};

Recordset::Recordset(
    sqlite3 *db, const QString &sql, const QString &engineSql, const QVariantList &values)
{
    const EditableQuery query = EditableQuery::of(engineSql);
    PreparedStatement compiled(db, query.sql, sql);
    compiled.bindAll(values);
    d = std::make_unique<Impl>(db, std::move(compiled), sql, query.table);
}
Recordset::Recordset(Recordset &&) noexcept = default;
Recordset &Recordset::operator=(Recordset &&) noexcept = default;
Recordset::~Recordset() = default;

bool Recordset::eof() const
{
    if (!d)
        throw closed();
    return d->cursor.eof();
}

bool Recordset::bof() const
{
    if (!d)
        throw closed();
    return d->cursor.bof();
}

void Recordset::moveNext()
{
    if (!d)
        throw closed();
    if (d->cursor.eof())
        throw DbError(
            QStringLiteral("There is no current row: the end of the record set was reached."),
            d->statement);
    // Moving on abandons a change that was not stored.
    if (d->writer)
        d->writer->cancel();
    d->cursor.moveNext();
}

QVariant Recordset::field(const QString &name) const
{
    if (!d)
        throw closed();
    const int index = d->columns.indexOf(name);
    if (index < 0)
        throw DbError(QStringLiteral("The record set has no column %1.").arg(name), d->statement);
    return field(index);
}

QVariant Recordset::field(int index) const
{
    if (!d)
        throw closed();
    if (index < 0 || index >= d->columns.count())
        throw DbError(
            QStringLiteral("The record set has no column number %1.").arg(index), d->statement);
    if (d->writer && d->writer->pending()) {
        // A pending change shows the values written for it; a new row has no others yet.
        if (const QVariant *written = d->writer->written(d->columns.name(index)))
            return *written;
        if (d->writer->adding())
            return {};
    }
    if (!d->cursor.onRow())
        throw DbError(QStringLiteral("There is no current row."), d->statement);
    return d->cursor.value(index);
}

int Recordset::fieldCount() const
{
    if (!d)
        throw closed();
    return d->columns.count();
}

QString Recordset::fieldName(int index) const
{
    if (!d)
        throw closed();
    if (index < 0 || index >= d->columns.count())
        throw DbError(
            QStringLiteral("The record set has no column number %1.").arg(index), d->statement);
    return d->columns.name(index);
}

void Recordset::addNew()
{
    if (!d)
        throw closed();
    if (!d->writer)
        throw DbError(
            QStringLiteral("The rows of this record set cannot be changed."), d->statement);
    d->cursor.buffer();
    d->writer->startAdd();
}

void Recordset::edit()
{
    if (!d)
        throw closed();
    if (!d->writer)
        throw DbError(
            QStringLiteral("The rows of this record set cannot be changed."), d->statement);
    if (!d->cursor.onRow())
        throw DbError(QStringLiteral("There is no current row to edit."), d->statement);
    d->cursor.buffer();
    d->writer->startEdit(d->cursor.rowId());
}

void Recordset::setField(const QString &name, const QVariant &value)
{
    if (!d)
        throw closed();
    if (!d->writer || !d->writer->pending())
        throw DbError(
            QStringLiteral("A field can be written only after AddNew or Edit."), d->statement);
    d->writer->set(name, value);
}

void Recordset::update()
{
    if (!d)
        throw closed();
    if (!d->writer || !d->writer->pending())
        throw DbError(QStringLiteral("There is nothing to update: AddNew or Edit was not called."),
            d->statement);
    const bool adding = d->writer->adding();
    RowCursor::Row row = d->writer->store(d->columns.kinds(), d->rowIdColumn);
    if (adding)
        d->cursor.insertCurrent(std::move(row));
    else
        d->cursor.replaceCurrent(std::move(row));
}

void Recordset::close()
{
    d.reset();
}
