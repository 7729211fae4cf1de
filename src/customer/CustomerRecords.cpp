#include "CustomerRecords.h"

#include "Database.h"
#include "Recordset.h"
#include "Transaction.h"

bool customerExists(Database &db, const QString &name)
{
    Recordset rs
        = db.openRecordset(QStringLiteral("SELECT * FROM Customer WHERE Customer = ?"), { name });
    const bool found = !rs.eof();
    rs.close();
    return found;
}

void deleteCustomer(Database &db, const QString &name)
{
    Transaction all(db);
    db.execute(QStringLiteral("DELETE * FROM Equipment WHERE Customer = ?"), { name });
    db.execute(QStringLiteral("DELETE * FROM Telemarket WHERE Customer = ?"), { name });
    db.execute(QStringLiteral("DELETE * FROM Customer WHERE Customer = ?"), { name });
    all.commit();
}

void renameCustomer(Database &db, const QString &from, const QString &to)
{
    Transaction all(db);
    db.execute(
        QStringLiteral("UPDATE Equipment SET Customer = ? WHERE Customer = ?"), { to, from });
    db.execute(
        QStringLiteral("UPDATE Telemarket SET Customer = ? WHERE Customer = ?"), { to, from });
    db.execute(QStringLiteral("UPDATE Customer SET Customer = ? WHERE Customer = ?"), { to, from });
    all.commit();
}
