#include "TempDatabase.h"

#include "MainMod.h"
#include "Database.h"
#include "PreparedStatement.h"

#include <QStringList>

TempDatabase::TempDatabase() : m_path(m_dir.filePath(QStringLiteral("test.db")))
{
    gDatabase = Database::create(m_path);
    gDatabasePath = m_path;
}

TempDatabase::~TempDatabase() { gDatabase.reset(); }

Database &TempDatabase::db() { return *gDatabase; }

void TempDatabase::addCustomer(const QString &name, const QVariantMap &columns)
{
    QVariantMap all = columns;
    all.insert(QStringLiteral("Customer"), name);
    insert(QStringLiteral("Customer"), all);
}

qint64 TempDatabase::addMachine(const QString &customer, const QVariantMap &columns)
{
    QVariantMap all = columns;
    all.insert(QStringLiteral("Customer"), customer);
    if (!all.contains(QStringLiteral("Brand")))
        all.insert(QStringLiteral("Brand"), QStringLiteral("Brand"));
    return insert(QStringLiteral("Equipment"), all);
}

qint64 TempDatabase::addCall(const QString &customer, const QVariantMap &columns)
{
    QVariantMap all = columns;
    all.insert(QStringLiteral("Customer"), customer);
    if (!all.contains(QStringLiteral("Telemarketer")))
        all.insert(QStringLiteral("Telemarketer"), QStringLiteral("Caller"));
    return insert(QStringLiteral("Telemarket"), all);
}

qint64 TempDatabase::insert(const QString &table, const QVariantMap &columns)
{
    const QStringList names = columns.keys();
    QStringList marks;
    for (int i = 0; i < names.size(); ++i)
        marks << QStringLiteral("?");
    PreparedStatement insert(*gDatabase, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                             .arg(table, names.join(','), marks.join(',')));
    for (int i = 0; i < names.size(); ++i)
        insert.bind(i + 1, columns.value(names[i]));
    insert.execute();
    return insert.lastInsertId();
}
