#include "ReportReading.h"

#include "ReportRowSource.h"

ReportReading::ReportReading(ReportRowSource &origin)
    : m_origin(origin)
    , m_seekColumn(origin.seekColumn())
{ }

ReportReading::~ReportReading() = default;

bool ReportReading::next(QStringList &values)
{
    ReportRowSource &reader = m_ahead ? *m_ahead : m_origin;
    if (!reader.next(values)) {
        m_ahead.reset();
        return false;
    }
    if (m_seekColumn < 0)
        return true;
    const QString value = values.value(m_seekColumn);
    const QByteArray key = m_origin.matchKey(value);
    m_seekRun = m_seekRun > 0 && key == m_seekKey ? m_seekRun + 1 : 1;
    m_seekKey = key;
    m_seekValue = value;
    if (++m_given >= HandOnRows)
        handOn(values);
    return true;
}

const QList<QDateTime> &ReportReading::dates() const
{
    // A new reader stands on the same row as the old one did.
    return m_ahead ? m_ahead->dates() : m_origin.dates();
}

void ReportReading::handOn(const QStringList &last)
{
    m_given = 0;
    if (m_seekValue.isEmpty())
        return;
    std::unique_ptr<ReportRowSource> next = m_origin.reopen(m_seekValue);
    if (!next)
        return;
    // The new reader stands before the rows of the last row's value; the ones given already are
    // passed over, the last of them read again to be sure it stands where the old one does.
    QStringList values;
    for (int i = 0; i + 1 < m_seekRun; ++i)
        if (!next->skip())
            return;
    if (!next->next(values) || values != last)
        return;
    if (!m_ahead)
        m_origin.close();
    m_ahead = std::move(next);
}
