#include "RecordsetSource.h"

#include "CellText.h"
#include "Database.h"
#include "FoldedCollation.h"
#include "Formats.h"

RecordsetSource::RecordsetSource(Recordset recordset, std::shared_ptr<Database> snapshot)
    : m_snapshot(std::move(snapshot))
    , m_rs(std::move(recordset))
{
    for (int i = 0; i < m_rs.fieldCount(); ++i)
        m_columns << m_rs.fieldName(i);
}

QStringList RecordsetSource::columnNames() const
{
    return m_columns;
}

bool RecordsetSource::next(QStringList &values)
{
    if (m_closed)
        return false;
    // The record set stands on its first row when it is opened.
    if (m_started)
        m_rs.moveNext();
    m_started = true;
    if (m_rs.eof())
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
    // The last source of a report to finish ends the snapshot's read transaction.
    m_snapshot.reset();
}
