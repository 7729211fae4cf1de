#pragma once

#include <QStringList>
#include <span>

// The demo data's only source of chance. A generator of our own (a permuted congruential one)
// rather than the standard distributions, whose results differ between library versions: the
// same seed has to give the same file everywhere.
class DemoRandom
{
public:
    explicit DemoRandom(quint64 seed);

    quint32 next();
    // A number from 0 to count - 1; count must be positive.
    int below(int count);
    // A number from low to high, both included.
    int between(int low, int high);
    // True in about percent cases out of a hundred.
    bool chance(int percent);
    // An index into weights, each index as likely as its weight.
    int weighted(std::span<const int> weights);
    const QString &pick(const QStringList &list);

private:
    quint64 m_state = 0;
    quint64 m_increment = 0;
};
