#pragma once

#include <QString>
#include <functional>

// Collects the characters typed in quick succession into one prefix; a pause of two seconds
// starts a new one. The clock is replaceable so that the pause can be tested without waiting.
class TypeAheadBuffer
{
public:
    using Clock = std::function<qint64()>; // milliseconds, never going back

    static constexpr qint64 PauseMsecs = 2000;

    TypeAheadBuffer();
    void setClock(Clock clock);

    // Adds typed text and returns the prefix collected so far.
    QString add(const QString &typed);
    void clear();

private:
    Clock m_clock;
    QString m_prefix;
    qint64 m_lastKey = 0;
};
