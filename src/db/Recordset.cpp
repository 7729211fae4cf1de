#include "Recordset.h"

#include "DbError.h"
#include "RecordsetImpl.h"

#include <sqlite3.h>

namespace {

int visibleColumns(sqlite3_stmt *stmt, const Schema::Table *table)
{
    return sqlite3_column_count(stmt) - (table ? 1 : 0);
}

DbError closed()
{
    return DbError(QStringLiteral("The record set is closed."));
}

} // namespace

Recordset::Impl::Impl(
    sqlite3 *db, sqlite3_stmt *stmt, const QString &sql, const Schema::Table *table)
    : statement(sql)
    , rowIdColumn(table ? visibleColumns(stmt, table) : -1)
    , columns(stmt, visibleColumns(stmt, table))
    , cursor(db, stmt, sql, columns.kinds(), rowIdColumn)
    , writer(table ? std::make_unique<RowWriter>(db, *table, sql) : nullptr)
{ }

Recordset::Recordset(std::unique_ptr<Impl> impl)
    : d(std::move(impl))
{ }
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
