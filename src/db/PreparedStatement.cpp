#include "PreparedStatement.h"

#include "Database.h"
#include "EngineCall.h"

#include <sqlite3.h>

PreparedStatement::PreparedStatement(Database &db, const QString &sql)
    : m_db(db)
    , m_sql(sql)
    , m_stmt(EngineCall::prepare(db.handle(), sql, sql))
{ }

PreparedStatement::~PreparedStatement()
{
    sqlite3_finalize(m_stmt);
}

void PreparedStatement::bind(int position, const QVariant &value)
{
    EngineCall::bind(m_db.handle(), m_stmt, position, value, m_sql);
}

void PreparedStatement::execute()
{
    try {
        EngineCall::runToEnd(m_db.handle(), m_stmt, m_sql);
    } catch (...) {
        sqlite3_clear_bindings(m_stmt);
        throw;
    }
    sqlite3_reset(m_stmt);
    // Fresh values each time: a value not bound again is Null, never the last row's.
    sqlite3_clear_bindings(m_stmt);
}

qint64 PreparedStatement::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db.handle());
}
