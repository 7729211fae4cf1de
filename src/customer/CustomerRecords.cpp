#include "CustomerRecords.h"

#include "Database.h"
#include "FieldValue.h"
#include "Recordset.h"
#include "Schema.h"
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
    // A name the customer column cannot hold is refused in the words the customer window uses
    // for it, before any table is touched; the engine's own refusal would name only a table.
    FieldValue::toStored(
        *Schema::table(QStringLiteral("Customer"))->column(QStringLiteral("Customer")), to);
    Transaction all(db);
    db.execute(
        QStringLiteral("UPDATE Equipment SET Customer = ? WHERE Customer = ?"), { to, from });
    db.execute(
        QStringLiteral("UPDATE Telemarket SET Customer = ? WHERE Customer = ?"), { to, from });
    db.execute(QStringLiteral("UPDATE Customer SET Customer = ? WHERE Customer = ?"), { to, from });
    all.commit();
}
