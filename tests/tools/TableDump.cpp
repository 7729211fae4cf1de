#include "TableDump.h"

#include "Database.h"
#include "Recordset.h"

namespace {

// The type is part of the value: "12" as text and 12 as a number must not compare equal.
QString typed(const QVariant &value)
{
    if (value.isNull())
        return QStringLiteral("<Null>");
    return QString::fromLatin1(value.typeName()) + QLatin1Char(':') + value.toString();
}

} // namespace

namespace TableDump {

QStringList rows(Database &db, const QString &table)
{
    QStringList lines;
    Recordset rs = db.openRecordset(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table));
    for (; !rs.eof(); rs.moveNext()) {
        QStringList values;
        for (int i = 0; i < rs.fieldCount(); ++i)
            values << rs.fieldName(i) + QLatin1Char('=') + typed(rs.field(i));
        lines << values.join(QLatin1Char('|'));
    }
    rs.close();
    return lines;
}

QStringList allTables(Database &db)
{
    QStringList lines;
    for (const char *table : { "Customer", "Equipment", "Telemarket" })
        lines << QString::fromLatin1(table) << rows(db, QString::fromLatin1(table));
    return lines;
}

std::vector<QVariantList> select(Database &db, const QString &sql)
{
    std::vector<QVariantList> result;
    Recordset rs = db.openRecordset(sql);
    for (; !rs.eof(); rs.moveNext()) {
        QVariantList row;
        for (int i = 0; i < rs.fieldCount(); ++i)
            row << rs.field(i);
        result.push_back(row);
    }
    rs.close();
    return result;
}

qint64 count(Database &db, const QString &sql)
{
    return select(db, sql).at(0).at(0).toLongLong();
}

} // namespace TableDump
