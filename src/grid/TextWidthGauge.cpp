#include "TextWidthGauge.h"

#include <QSet>
#include <algorithm>
#include <vector>

namespace {

// Kerning and shaping move a text's width a little away from the sum of its advances; texts
// estimated within this share of the widest are measured exactly.
constexpr int SlackPercent = 3;
constexpr int SlackPixels = 4;
// Measuring more texts than this gains nothing: the estimate bounds the rest.
constexpr int MaxMeasured = 64;

} // namespace

TextWidthGauge::TextWidthGauge(const QFont &font)
    : m_metrics(font)
    , m_fractional(font)
{
    for (int c = 0; c < 256; ++c)
        m_marked[c] = m_latin1[c] = qRound(m_fractional.horizontalAdvance(QChar(c)) * Unit);
    m_marked[u'\t'] = Tab;
    m_marked[u'\n'] = LineFeed;
}

int TextWidthGauge::advance(QChar c)
{
    if (c.unicode() < 256)
        return m_latin1[c.unicode()];
    auto it = m_other.constFind(c.unicode());
    if (it == m_other.constEnd())
        it = m_other.insert(c.unicode(), qRound(m_fractional.horizontalAdvance(c) * Unit));
    return *it;
}

template <typename Char> int TextWidthGauge::estimateOf(const Char *p, const Char *end)
{
    int longest = 0;
    int line = 0;
    for (; p != end; ++p) {
        if (*p == u'\n') {
            longest = std::max(longest, line);
            line = 0;
        } else {
            if constexpr (sizeof(Char) == 1)
                line += m_latin1[*p];
            else
                line += *p < 256 ? m_latin1[*p] : advance(QChar(*p));
        }
    }
    return std::max(longest, line);
}

int TextWidthGauge::estimate(QStringView text)
{
    return estimateOf(text.utf16(), text.utf16() + text.size());
}

int TextWidthGauge::estimate(QLatin1StringView text)
{
    const auto *p = reinterpret_cast<const uchar *>(text.latin1());
    return estimateOf(p, p + text.size());
}

void TextWidthGauge::estimateCells(QStringView line, int maxCells, int first, int count, int *out)
{
    estimateCellsOf(line.utf16(), line.utf16() + line.size(), maxCells, first, count, out);
}

void TextWidthGauge::estimateCells(
    QLatin1StringView line, int maxCells, int first, int count, int *out)
{
    const auto *p = reinterpret_cast<const uchar *>(line.latin1());
    estimateCellsOf(p, p + line.size(), maxCells, first, count, out);
}

template <typename Char>
void TextWidthGauge::estimateCellsOf(
    const Char *p, const Char *end, int maxCells, int first, int count, int *out)
{
    std::fill(out, out + count, 0);
    const int last = std::min(first + count, maxCells);
    int col = 0;
    int longest = 0;
    int width = 0;
    while (col < last) {
        // Runs of ordinary characters take one table look-up each; the table marks the tab
        // and the line feed with negative advances.
        int a = 0;
        for (; p != end; ++p) {
            const Char c = *p;
            if constexpr (sizeof(Char) == 1)
                a = m_marked[c];
            else
                a = c < 256 ? m_marked[c] : advance(QChar(c));
            if (a < 0)
                break;
            width += a;
        }
        if (p != end && a == LineFeed) {
            longest = std::max(longest, width);
            width = 0;
            ++p;
            continue;
        }
        if (col >= first)
            out[col - first] = std::max(longest, width);
        ++col;
        longest = width = 0;
        if (p == end)
            break;
        ++p; // the tab
    }
}

int TextWidthGauge::exact(QStringView text) const
{
    int widest = 0;
    for (QStringView line : text.tokenize(QLatin1Char('\n')))
        widest = std::max(widest, m_metrics.horizontalAdvance(line.toString()));
    return widest;
}

int TextWidthGauge::widest(
    const int *estimates, int count, const std::function<QString(int)> &text) const
{
    const int largest = count > 0 ? *std::max_element(estimates, estimates + count) : 0;
    const int threshold = largest - std::max(SlackPixels * Unit, largest / 100 * SlackPercent);

    // A column of similar texts may have a hundred thousand near the widest; only the widest
    // few by estimate are measured. Count them by estimate to find where those few end.
    std::vector<int> perEstimate(static_cast<size_t>(largest - threshold + 1), 0);
    for (int i = 0; i < count; ++i) {
        if (estimates[i] >= threshold)
            ++perEstimate[size_t(largest - estimates[i])];
    }
    int cutoff = threshold;
    int near = 0;
    int candidates = 0;
    for (int n : perEstimate)
        candidates += n;
    for (size_t b = 0; b < perEstimate.size(); ++b) {
        near += perEstimate[b];
        if (near >= MaxMeasured) {
            cutoff = largest - int(b);
            break;
        }
    }
    std::vector<int> chosen;
    for (int i = 0; i < count; ++i) {
        if (estimates[i] > cutoff)
            chosen.push_back(i);
    }
    for (int i = 0; i < count && int(chosen.size()) < MaxMeasured; ++i) {
        if (estimates[i] == cutoff)
            chosen.push_back(i);
    }

    int result = 0;
    QSet<QString> measured;
    for (int i : chosen) {
        const QString t = text(i);
        if (!measured.contains(t)) {
            measured.insert(t);
            result = std::max(result, exact(t));
        }
    }
    // Texts left unmeasured are covered by the widest estimate.
    if (candidates > int(chosen.size()))
        result = std::max(result, (largest + Unit - 1) / Unit);
    return result;
}
