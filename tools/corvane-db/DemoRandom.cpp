#include "DemoRandom.h"

#include <QStringList>
#include <numeric>

namespace {

constexpr quint64 Multiplier = 6364136223846793005ULL;

} // namespace

DemoRandom::DemoRandom(quint64 seed)
    : m_increment((seed << 1) | 1U)
{
    // Two steps mix the seed in, so that neighbouring seeds do not start alike.
    next();
    m_state += 0x853c49e6748fea9bULL ^ seed;
    next();
}

quint32 DemoRandom::next()
{
    const quint64 old = m_state;
    m_state = old * Multiplier + m_increment;
    const auto shifted = static_cast<quint32>(((old >> 18U) ^ old) >> 27U);
    const auto rotation = static_cast<quint32>(old >> 59U);
    return (shifted >> rotation) | (shifted << ((32U - rotation) & 31U));
}

int DemoRandom::below(int count)
{
    Q_ASSERT(count > 0);
    // Scaling rather than a remainder keeps the top bits, the generator's best ones.
    return static_cast<int>((quint64(next()) * quint64(count)) >> 32U);
}

int DemoRandom::between(int low, int high)
{
    return low + below(high - low + 1);
}

bool DemoRandom::chance(int percent)
{
    return below(100) < percent;
}

int DemoRandom::weighted(std::span<const int> weights)
{
    const int total = std::accumulate(weights.begin(), weights.end(), 0);
    int roll = below(total);
    for (std::size_t i = 0; i < weights.size(); ++i) {
        if (roll < weights[i])
            return static_cast<int>(i);
        roll -= weights[i];
    }
    return static_cast<int>(weights.size()) - 1;
}

const QString &DemoRandom::pick(const QStringList &list)
{
    return list.at(below(int(list.size())));
}
