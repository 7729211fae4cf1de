#include "CustomerRecords.h"

#include "Database.h"
#include "Recordset.h"
#include "TextRows.h"
#include "Transaction.h"

QStringList customerNames(Database &db)
{
    TextRows rows = db.openTextRows(QStringLiteral("SELECT * FROM Customer ORDER BY Customer"));
    QStringList names;
    while (rows.next()) {
        const QByteArrayView name = rows.text(0);
        names << QString::fromUtf8(name.data(), name.size());
    }
    return names;
}

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
