#include "PreparedStatement.h"

#include "Database.h"
#include "IsoText.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <sqlite3.h>
#include <utility>

namespace {

int bindText(sqlite3_stmt *stmt, int position, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    // constData() of an empty array is still a valid pointer, so empty text is not Null.
    return sqlite3_bind_text(stmt, position, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

int bindValue(sqlite3_stmt *stmt, int position, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return sqlite3_bind_null(stmt, position);
    switch (value.typeId()) {
    case QMetaType::QString:
        return bindText(stmt, position, value.toString());
    case QMetaType::QDate: {
        const QDate date = value.toDate();
        return date.isValid() ? bindText(stmt, position, IsoText::fromDate(date))
                              : sqlite3_bind_null(stmt, position);
    }
    case QMetaType::QDateTime: {
        const QDateTime dateTime = value.toDateTime();
        return dateTime.isValid() ? bindText(stmt, position, IsoText::fromDateTime(dateTime))
                                  : sqlite3_bind_null(stmt, position);
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return sqlite3_bind_double(stmt, position, value.toDouble());
    case QMetaType::Bool:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return sqlite3_bind_int64(stmt, position, value.toLongLong());
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return sqlite3_bind_blob(
            stmt, position, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
    }
    default:
        return bindText(stmt, position, value.toString());
    }
}

} // namespace

PreparedStatement::PreparedStatement(Database &db, const QString &sql)
    : m_db(db.handle())
    , m_statement(sql)
{
    compile(sql);
}

PreparedStatement::PreparedStatement(
    sqlite3 *db, const QString &engineSql, const QString &statement)
    : m_db(db)
    , m_statement(statement)
{
    compile(engineSql);
}

PreparedStatement::PreparedStatement(sqlite3 *db)
    : m_db(db)
{ }

PreparedStatement::PreparedStatement(PreparedStatement &&other) noexcept
    : m_db(other.m_db)
    , m_stmt(std::exchange(other.m_stmt, nullptr))
    , m_statement(std::move(other.m_statement))
{ }

PreparedStatement::~PreparedStatement()
{
    sqlite3_finalize(m_stmt);
}

void PreparedStatement::compile(const QString &engineSql)
{
    const QByteArray text = engineSql.toUtf8();
    const char *tail = nullptr;
    if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()) + 1, &m_stmt, &tail)
        != SQLITE_OK)
        throw error();
    if (!m_stmt)
        throw DbError(QStringLiteral("The statement is empty."), m_statement);

    const char *end = text.constData() + text.size();
    while (tail && tail < end) {
        PreparedStatement extra(m_db);
        const char *next = nullptr;
        const int rc = sqlite3_prepare_v2(m_db, tail, int(end - tail) + 1, &extra.m_stmt, &next);
        if (rc != SQLITE_OK || extra.m_stmt) {
            finish();
            throw DbError(QStringLiteral("Only one statement can be run at a time."), m_statement);
        }
        if (next == tail)
            break;
        tail = next;
    }
}

void PreparedStatement::finish()
{
    sqlite3_finalize(std::exchange(m_stmt, nullptr));
}

DbError PreparedStatement::error() const
{
    DbError::Cause cause = DbError::Cause::Other;
    switch (sqlite3_errcode(m_db)) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        cause = DbError::Cause::Busy;
        break;
    case SQLITE_FULL:
        cause = DbError::Cause::Full;
        break;
    default:
        break;
    }
    return DbError(QString::fromUtf8(sqlite3_errmsg(m_db)), m_statement, cause);
}

void PreparedStatement::bind(int position, const QVariant &value)
{
    if (bindValue(m_stmt, position, value) != SQLITE_OK)
        throw error();
}

void PreparedStatement::bindAll(const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i)
        bind(i + 1, values.at(i));
}

void PreparedStatement::execute()
{
    int rc;
    while ((rc = sqlite3_step(m_stmt)) == SQLITE_ROW) { }
    if (rc != SQLITE_DONE) {
        const DbError refusal = error();
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
        throw refusal;
    }
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

qint64 PreparedStatement::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

bool PreparedStatement::step()
{
    if (!m_stmt)
        return false;
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE) {
        finish();
        return false;
    }
    const DbError refusal = error();
    finish();
    throw refusal;
}

void PreparedStatement::run(sqlite3 *db, const QString &sql)
{
    PreparedStatement(db, sql, sql).execute();
}

PreparedStatement::ColumnKind PreparedStatement::kindOf(const char *declaredType)
{
    if (!declaredType)
        return ColumnKind::Plain;
    const QByteArray type = QByteArray(declaredType).trimmed().toUpper();
    if (type == "DATE")
        return ColumnKind::Date;
    if (type == "DATETIME")
        return ColumnKind::DateTime;
    if (type == "CURRENCY")
        return ColumnKind::Currency;
    return ColumnKind::Plain;
}

qint64 PreparedStatement::number(int column) const
{
    return m_stmt ? sqlite3_column_int64(m_stmt, column) : 0;
}

QVariant PreparedStatement::value(int column, ColumnKind kind) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        if (kind == ColumnKind::Currency)
            return sqlite3_column_double(m_stmt, column);
        return qlonglong(sqlite3_column_int64(m_stmt, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_stmt, column);
    case SQLITE_BLOB: {
        const void *data = sqlite3_column_blob(m_stmt, column);
        return QByteArray(static_cast<const char *>(data), sqlite3_column_bytes(m_stmt, column));
    }
    default:
        break;
    }
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    const int bytes = sqlite3_column_bytes(m_stmt, column);
    if (kind == ColumnKind::Date) {
        const QDate date = IsoText::toDate(text, bytes);
        if (date.isValid())
            return date;
    } else if (kind == ColumnKind::DateTime) {
        const QDateTime dateTime = IsoText::toDateTime(text, bytes);
        if (dateTime.isValid())
            return dateTime;
    }
    if (bytes == 0)
        return QString(QLatin1String("")); // empty text, never confused with Null
    return QString::fromUtf8(text, bytes);
}
