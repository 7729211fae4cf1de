#include "ScratchDatabase.h"

#include "PreparedStatement.h"
#include "Recordset.h"

ScratchDatabase::ScratchDatabase()
    : m_path(m_dir.filePath(QStringLiteral("scratch.db")))
    , m_db(Database::create(m_path))
{ }

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

QStringList ScratchDatabase::column(const QString &sql, const QString &name)
{
    QStringList values;
    for (Recordset rs = db().openRecordset(sql); !rs.eof(); rs.moveNext()) {
        const QVariant value = name.isEmpty() ? rs.field(0) : rs.field(name);
        values << (value.isValid() ? value.toString() : QStringLiteral("<null>"));
    }
    return values;
}
