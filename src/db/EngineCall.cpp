#include "EngineCall.h"

#include "ValueBinder.h"

#include <sqlite3.h>

namespace EngineCall {

DbError error(sqlite3 *db, const QString &statement)
{
    return DbError(QString::fromUtf8(sqlite3_errmsg(db)), statement);
}

sqlite3_stmt *prepare(sqlite3 *db, const QString &engineSql, const QString &statement)
{
    const QByteArray text = engineSql.toUtf8();
    sqlite3_stmt *stmt = nullptr;
    const char *tail = nullptr;
    if (sqlite3_prepare_v2(db, text.constData(), int(text.size()) + 1, &stmt, &tail) != SQLITE_OK)
        throw error(db, statement);
    if (!stmt)
        throw DbError(QStringLiteral("The statement is empty."), statement);

    const char *end = text.constData() + text.size();
    while (tail && tail < end) {
        sqlite3_stmt *extra = nullptr;
        const char *next = nullptr;
        const int rc = sqlite3_prepare_v2(db, tail, int(end - tail) + 1, &extra, &next);
        if (rc != SQLITE_OK || extra) {
            sqlite3_finalize(extra);
            sqlite3_finalize(stmt);
            throw DbError(QStringLiteral("Only one statement can be run at a time."), statement);
        }
        if (next == tail)
            break;
        tail = next;
    }
    return stmt;
}

void bind(
    sqlite3 *db, sqlite3_stmt *stmt, int position, const QVariant &value, const QString &statement)
{
    if (ValueBinder::bind(stmt, position, value) != SQLITE_OK)
        throw error(db, statement);
}

void runToEnd(sqlite3 *db, sqlite3_stmt *stmt, const QString &statement)
{
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) { }
    if (rc != SQLITE_DONE) {
        const DbError refusal = error(db, statement);
        sqlite3_reset(stmt);
        throw refusal;
    }
}

void execute(sqlite3 *db, const QString &engineSql, const QString &statement)
{
    sqlite3_stmt *stmt = prepare(db, engineSql, statement);
    try {
        runToEnd(db, stmt, statement);
    } catch (...) {
        sqlite3_finalize(stmt);
        throw;
    }
    sqlite3_finalize(stmt);
}

} // namespace EngineCall
