#include "ReportTable.h"

#include "ReportRowSource.h"

#include <limits>
#include <stdexcept>

namespace {
// The data tag of a record set; the only kind of data source the engine takes.
constexpr int RecordsetTag = 3;
constexpr qint64 NoDate = std::numeric_limits<qint64>::min();
constexpr qint64 MsPerDay = 24 * 60 * 60 * 1000;
} // namespace

ReportTable::ReportTable() = default;
ReportTable::~ReportTable()
{
    if (m_source && !m_complete)
        m_source->close();
}

void ReportTable::setDataSource(std::unique_ptr<ReportRowSource> source, int dataTag)
{
    if (dataTag != RecordsetTag)
        throw std::invalid_argument("report data source: only record sets (tag 3) are taken");
    if (m_source && !m_complete)
        m_source->close();
    m_source = std::move(source);
    m_columns = m_source->columnNames();
    m_columnIndex.clear();
    for (int c = int(m_columns.size()) - 1; c >= 0; --c) {
        m_columnIndex.insert(m_columns[c].toCaseFolded(), c);
        m_columnIndex.insert(m_columns[c], c);
    }
    discardRows();
    if (!m_linkName.isEmpty())
        setLinkColumn(m_linkName);
}

void ReportTable::discardRows()
{
    m_complete = m_source == nullptr;
    m_rowCount = 0;
    m_text.clear();
    m_offsets.clear();
    m_dates.clear();
    m_lastKey.clear();
    m_linked.clear();
}

int ReportTable::columnIndex(const QString &name) const
{
    const auto it = m_columnIndex.constFind(name);
    return it != m_columnIndex.constEnd() ? *it : m_columnIndex.value(name.toCaseFolded(), -1);
}

bool ReportTable::readOne()
{
    if (m_complete)
        return false;
    QStringList values;
    if (!m_source->next(values)) {
        m_complete = true;
        m_source->close();
        return false;
    }
    const qsizetype columns = m_columns.size();
    for (qsizetype c = 0; c < columns; ++c) {
        m_offsets.push_back(quint32(m_text.size()));
        if (c < values.size())
            m_text += values[c].toStdString();
    }
    m_offsets.push_back(quint32(m_text.size()));
    const int row = m_rowCount++;
    const QList<QDateTime> &dates = m_source->dates();
    for (qsizetype c = 0; c < std::min(dates.size(), columns); ++c)
        if (dates[c].isValid())
            keepDate(row, int(c), dates[c]);
    if (m_linkColumn >= 0) {
        m_lastKey = m_source->matchKey(text(row, m_linkColumn));
        m_linked[m_lastKey].push_back(row);
    }
    return true;
}

bool ReportTable::ensureRow(int row)
{
    while (m_rowCount <= row)
        if (!readOne())
            return false;
    return true;
}

void ReportTable::readAll()
{
    while (readOne()) { }
}

QString ReportTable::text(int row, int column) const
{
    if (row < 0 || row >= m_rowCount || column < 0 || column >= m_columns.size())
        return QString();
    const size_t at = size_t(row) * size_t(m_columns.size() + 1) + size_t(column);
    const quint32 from = m_offsets[at], to = m_offsets[at + 1];
    return QString::fromUtf8(m_text.data() + from, qsizetype(to - from));
}

void ReportTable::keepDate(int row, int column, const QDateTime &moment)
{
    m_dates.resize(std::max(m_dates.size(), size_t(column) + 1));
    std::vector<qint64> &kept = m_dates[size_t(column)];
    kept.resize(size_t(row), NoDate);
    kept.push_back(moment.date().toJulianDay() * MsPerDay + moment.time().msecsSinceStartOfDay());
}

QDateTime ReportTable::dateValue(int row, int column) const
{
    if (row < 0 || column < 0 || size_t(column) >= m_dates.size()
        || size_t(row) >= m_dates[size_t(column)].size())
        return QDateTime();
    const qint64 ms = m_dates[size_t(column)][size_t(row)];
    if (ms == NoDate)
        return QDateTime();
    return QDateTime(QDate::fromJulianDay(ms / MsPerDay),
        QTime::fromMSecsSinceStartOfDay(int(ms % MsPerDay)), Qt::UTC);
}

void ReportTable::setLinkColumn(const QString &name)
{
    m_linkName = name;
    if (!m_source)
        return;
    m_linkColumn = columnIndex(name);
    if (m_linkColumn < 0)
        throw std::invalid_argument(
            "report link: the subreport has no column " + name.toStdString());
}

std::vector<int> ReportTable::rowsMatching(const QString &value)
{
    if (m_linkColumn < 0 || !m_source)
        return {};
    const QByteArray key = m_source->matchKey(value);
    while (!m_complete && (m_rowCount == 0 || m_lastKey <= key))
        readOne();
    return m_linked.value(key);
}
