#include "Transaction.h"

#include "Database.h"
#include "EngineCall.h"

Transaction::Transaction(Database &db)
    : m_db(db)
{
    // IMMEDIATE takes the write lock now, so a conflict with another program shows at the
    // start rather than halfway through the statements.
    const QString begin = QStringLiteral("BEGIN IMMEDIATE");
    EngineCall::execute(m_db.handle(), begin, begin);
}

Transaction::~Transaction()
{
    if (m_done)
        return;
    try {
        const QString rollback = QStringLiteral("ROLLBACK");
        EngineCall::execute(m_db.handle(), rollback, rollback);
    } catch (const DbError &) {
        // The engine has rolled back on its own already (it does after some failures).
    }
}

void Transaction::commit()
{
    const QString commit = QStringLiteral("COMMIT");
    EngineCall::execute(m_db.handle(), commit, commit);
    m_done = true;
}
