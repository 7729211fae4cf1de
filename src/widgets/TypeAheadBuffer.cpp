#include "TypeAheadBuffer.h"

#include <QElapsedTimer>

namespace {

qint64 monotonicMsecs()
{
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer.elapsed();
}

} // namespace

TypeAheadBuffer::TypeAheadBuffer()
    : m_clock(monotonicMsecs)
{ }

void TypeAheadBuffer::setClock(Clock clock)
{
    m_clock = clock ? std::move(clock) : Clock(monotonicMsecs);
    m_prefix.clear();
}

QString TypeAheadBuffer::add(const QString &typed)
{
    const qint64 now = m_clock();
    if (!m_prefix.isEmpty() && now - m_lastKey >= PauseMsecs)
        m_prefix.clear();
    m_prefix += typed;
    m_lastKey = now;
    return m_prefix;
}

void TypeAheadBuffer::clear()
{
    m_prefix.clear();
}
