#include "EditableQuery.h"

#include "Schema.h"

#include <QRegularExpression>

EditableQuery EditableQuery::of(const QString &engineSql)
{
    static const QRegularExpression oneTable(
        QStringLiteral(
            R"(^(\s*SELECT\s+\*)(\s+FROM\s+(\w+))((?:\s+(?:WHERE|ORDER|LIMIT)\b.*)?\s*;?\s*)$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = oneTable.match(engineSql);
    if (!m.hasMatch())
        return { nullptr, engineSql };
    const Schema::Table *table = Schema::table(m.captured(3));
    if (!table)
        return { nullptr, engineSql };
    return { table, m.captured(1) + QStringLiteral(", rowid") + m.captured(2) + m.captured(4) };
}
