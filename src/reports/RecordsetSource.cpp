#include "RecordsetSource.h"

#include "CellText.h"
#include "Database.h"
#include "FoldedCollation.h"
#include "Formats.h"

RecordsetSource::RecordsetSource(Recordset recordset, const QString &sql, const QString &orderedBy,
    std::shared_ptr<Database> snapshot)
    : m_snapshot(std::move(snapshot))
    , m_sql(sql)
    , m_orderedBy(orderedBy)
    , m_rs(std::move(recordset))
{
    for (int i = 0; i < m_rs.fieldCount(); ++i)
        m_columns << m_rs.fieldName(i);
}

QStringList RecordsetSource::columnNames() const
{
    return m_columns;
}

bool RecordsetSource::advance()
{
    if (m_closed)
        return false;
    // The record set stands on its first row when it is opened.
    if (m_started)
        m_rs.moveNext();
    m_started = true;
    return !m_rs.eof();
}

bool RecordsetSource::next(QStringList &values)
{
    if (!advance())
        return false;
    values.clear();
    if (!m_dates.isEmpty())
        m_dates.fill(QDateTime());
    for (int i = 0; i < m_columns.size(); ++i) {
        const QVariant value = m_rs.field(i);
        keepDate(i, value);
        // The one number column of the tables is the monthly payment, an amount of money.
        values << (value.typeId() == QMetaType::Double
                ? formatNumber(value.toDouble(), QStringLiteral("$#,##0.00;($#,##0.00)"))
                : cellText(value));
    }
    return true;
}

const QList<QDateTime> &RecordsetSource::dates() const
{
    return m_dates;
}

void RecordsetSource::keepDate(int column, const QVariant &value)
{
    const int type = value.typeId();
    if (value.isNull() || (type != QMetaType::QDate && type != QMetaType::QDateTime))
        return;
    if (m_dates.isEmpty())
        m_dates.resize(m_columns.size());
    m_dates[column]
        = type == QMetaType::QDate ? QDateTime(value.toDate(), QTime(0, 0)) : value.toDateTime();
}

bool RecordsetSource::skip()
{
    return advance();
}

QByteArray RecordsetSource::matchKey(const QString &value) const
{
    const QByteArray utf8 = value.toUtf8();
    return FoldedCollation::key(utf8.constData(), int(utf8.size()));
}

void RecordsetSource::close()
{
    if (!m_closed)
        m_rs.close();
    m_closed = true;
}

int RecordsetSource::seekColumn() const
{
    return m_orderedBy.isEmpty() ? -1 : int(m_columns.indexOf(m_orderedBy));
}

std::unique_ptr<ReportRowSource> RecordsetSource::reopen(const QString &from) const
{
    // The snapshot's read transaction is still the one the first reading began in, so the
    // statement run again gives the same rows in the same order. From a value on, the engine
    // goes straight to it through the column's index instead of reading every row before it;
    // the column compares as it orders, so no row of the value is left out.
    const bool seek = !from.isEmpty() && seekColumn() >= 0;
    const QString sql
        = seek ? QStringLiteral("SELECT * FROM (%1) WHERE %2 >= ?").arg(m_sql, m_orderedBy) : m_sql;
    return std::make_unique<RecordsetSource>(
        m_snapshot->openRecordset(sql, seek ? QVariantList { from } : QVariantList()), m_sql,
        m_orderedBy, m_snapshot);
}
