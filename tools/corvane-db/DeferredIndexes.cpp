#include "DeferredIndexes.h"

#include "Database.h"
#include "PreparedStatement.h"
#include "Recordset.h"

namespace {

void run(Database &db, const QString &sql)
{
    PreparedStatement statement(db, sql);
    statement.execute();
}

QString quotedName(QString name)
{
    return QLatin1Char('"') + name.replace(QLatin1Char('"'), QStringLiteral("\"\""))
        + QLatin1Char('"');
}

} // namespace

DeferredIndexes::DeferredIndexes(Database &db)
    : m_db(db)
{
    // The engine's own indexes (for a primary key, say) have no statement and cannot be dropped.
    Recordset indexes = db.openRecordset(QStringLiteral(
        "SELECT name, sql FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL"));
    QStringList names;
    for (; !indexes.eof(); indexes.moveNext()) {
        names << indexes.field(0).toString();
        m_definitions << indexes.field(1).toString();
    }
    indexes.close();
    for (const QString &name : std::as_const(names))
        run(db, QStringLiteral("DROP INDEX ") + quotedName(name));
}

void DeferredIndexes::rebuild()
{
    for (const QString &definition : std::as_const(m_definitions))
        run(m_db, definition);
    m_definitions.clear();
}
