#include "ReportRowBlock.h"

#include <QHashFunctions>
#include <algorithm>

ReportRowBlock::ReportRowBlock(int columns)
    : m_columns(columns)
{ }

namespace {
constexpr qint64 MsPerDay = 24 * 60 * 60 * 1000;
} // namespace

void ReportRowBlock::append(const QStringList &values, const QList<QDateTime> &dates)
{
    for (qsizetype c = 0; c < std::min(dates.size(), qsizetype(m_columns)); ++c) {
        const QDateTime &moment = dates[c];
        if (moment.isValid())
            m_dates.emplace_back(qint64(m_rows) * m_columns + c,
                moment.date().toJulianDay() * MsPerDay + moment.time().msecsSinceStartOfDay());
    }
    for (int c = 0; c < m_columns; ++c) {
        const qint64 from = qint64(m_text.size());
        if (c < values.size())
            m_text += values[c].toStdString();
        m_ends.push_back(qint64(m_text.size()));
        m_digest = qHashBits(m_text.data() + from, size_t(m_ends.back() - from), m_digest + 1);
    }
    ++m_rows;
}

void ReportRowBlock::linkLast(const QByteArray &key)
{
    if (m_runs.empty() || m_runs.back().key != key)
        m_runs.push_back({ key, m_rows - 1 });
}

void ReportRowBlock::seal()
{
    m_text.shrink_to_fit();
    m_ends.shrink_to_fit();
    m_runs.shrink_to_fit();
    m_dates.shrink_to_fit();
}

QDateTime ReportRowBlock::dateValue(int row, int column) const
{
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns)
        return QDateTime();
    const qint64 at = qint64(row) * m_columns + column;
    const auto found = std::lower_bound(m_dates.begin(), m_dates.end(), at,
        [](const std::pair<qint64, qint64> &date, qint64 key) { return date.first < key; });
    if (found == m_dates.end() || found->first != at)
        return QDateTime();
    // The date and time of day are kept as they were (Qt::UTC carries them unchanged).
    return QDateTime(QDate::fromJulianDay(found->second / MsPerDay),
        QTime::fromMSecsSinceStartOfDay(int(found->second % MsPerDay)), Qt::UTC);
}

QString ReportRowBlock::text(int row, int column) const
{
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns)
        return QString();
    const size_t at = size_t(row) * size_t(m_columns) + size_t(column);
    const qint64 from = at == 0 ? 0 : m_ends[at - 1];
    return QString::fromUtf8(m_text.data() + from, qsizetype(m_ends[at] - from));
}

std::pair<int, int> ReportRowBlock::linked(const QByteArray &key) const
{
    const auto run = std::lower_bound(m_runs.begin(), m_runs.end(), key,
        [](const Run &r, const QByteArray &k) { return r.key < k; });
    if (run == m_runs.end() || run->key != key)
        return { 0, 0 };
    const auto next = run + 1;
    return { run->first, next == m_runs.end() ? m_rows : next->first };
}

qint64 ReportRowBlock::bytes() const
{
    qint64 keys = 0;
    for (const Run &run : m_runs)
        keys += run.key.capacity();
    return qint64(sizeof *this) + qint64(m_text.capacity())
        + qint64(m_ends.capacity() * sizeof(qint64)) + qint64(m_runs.capacity() * sizeof(Run))
        + qint64(m_dates.capacity() * sizeof(m_dates[0])) + keys;
}
