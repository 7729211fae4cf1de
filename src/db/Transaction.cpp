#include "Transaction.h"

#include "Database.h"
#include "PreparedStatement.h"

Transaction::Transaction(Database &db)
    : m_db(db)
{
    // IMMEDIATE takes the write lock now, so a conflict with another program shows at the
    // start rather than halfway through the statements.
    PreparedStatement::run(m_db.handle(), QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction()
{
    if (m_done)
        return;
    try {
        PreparedStatement::run(m_db.handle(), QStringLiteral("ROLLBACK"));
    } catch (const DbError &) {
        // The engine has rolled back on its own already (it does after some failures).
    }
}

void Transaction::commit()
{
    PreparedStatement::run(m_db.handle(), QStringLiteral("COMMIT"));
    m_done = true;
}
