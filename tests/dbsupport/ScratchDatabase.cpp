#include "ScratchDatabase.h"

#include "PreparedStatement.h"
#include "Recordset.h"

ScratchDatabase::ScratchDatabase(std::unique_ptr<Database> *home)
    : m_path(m_dir.filePath(QStringLiteral("scratch.db")))
    , m_home(home ? home : &m_own)
{
    *m_home = Database::create(m_path);
}

ScratchDatabase::~ScratchDatabase()
{
    close();
}

qint64 ScratchDatabase::insert(const QString &table, const QVariantMap &columns)
{
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    PreparedStatement insert(db(),
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(table, columns.keys().join(','), marks.join(',')));
    int position = 1;
    for (const QVariant &value : columns)
        insert.bind(position++, value);
    insert.execute();
    return insert.lastInsertId();
}

void ScratchDatabase::addCustomer(const QString &name, const QVariantMap &columns)
{
    QVariantMap all = columns;
    all.insert(QStringLiteral("Customer"), name);
    insert(QStringLiteral("Customer"), all);
}

qint64 ScratchDatabase::addMachine(const QString &customer, const QVariantMap &columns)
{
    return addDetail(QStringLiteral("Equipment"), customer, columns,
        { QStringLiteral("Brand"), QStringLiteral("Brand") });
}

qint64 ScratchDatabase::addCall(const QString &customer, const QVariantMap &columns)
{
    return addDetail(QStringLiteral("Telemarket"), customer, columns,
        { QStringLiteral("Telemarketer"), QStringLiteral("Caller") });
}

qint64 ScratchDatabase::addDetail(const QString &table, const QString &customer,
    const QVariantMap &columns, const std::pair<QString, QString> &needed)
{
    QVariantMap all = columns;
    all.insert(QStringLiteral("Customer"), customer);
    // The column the windows never leave empty, with a value of its own when none is given.
    if (!all.contains(needed.first))
        all.insert(needed.first, needed.second);
    return insert(table, all);
}

QStringList ScratchDatabase::column(const QString &sql, const QString &name)
{
    QStringList values;
    for (Recordset rs = db().openRecordset(sql); !rs.eof(); rs.moveNext()) {
        const QVariant value = name.isEmpty() ? rs.field(0) : rs.field(name);
        values << (value.isValid() ? value.toString() : QStringLiteral("<null>"));
    }
    return values;
}
