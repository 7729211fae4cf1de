#include "ReportRowReader.h"

#include "ReportReading.h"
#include "ReportRowSource.h"
#include "ReportTable.h"

ReportRowReader::ReportRowReader(ReportTable &table)
    : m_table(table)
    , m_own(table.readerFromStart())
    , m_reading(m_own ? std::make_unique<ReportReading>(*m_own) : nullptr)
{ }

ReportRowReader::~ReportRowReader() = default;

bool ReportRowReader::next()
{
    ++m_row;
    if (m_reading)
        return m_reading->next(m_values);
    if (!m_table.ensureRow(m_row))
        return false;
    const int columns = int(m_table.columnNames().size());
    m_values.clear();
    for (int c = 0; c < columns; ++c)
        m_values << m_table.text(m_row, c);
    return true;
}

QDateTime ReportRowReader::dateValue(int column) const
{
    if (!m_reading)
        return m_table.dateValue(m_row, column);
    const QDateTime &moment = m_reading->dates().value(column);
    if (!moment.isValid())
        return QDateTime();
    // As the table keeps it: the date and time of day as they were, carried by Qt::UTC.
    return QDateTime(moment.date(), moment.time(), Qt::UTC);
}
