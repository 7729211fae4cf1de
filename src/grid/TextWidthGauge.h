#pragma once

#include <QFontMetrics>
#include <QHash>
#include <QLatin1StringView>
#include <QStringView>
#include <functional>

// Finds the widest of many texts in one font quickly. Measuring every text exactly is far too
// slow for a grid of a hundred thousand rows, so each text is first estimated from a table of
// character advances, and only the texts whose estimate comes near the largest are measured.
// Estimates add the fonts' fractional advances in 1/64 pixel units: rounding each character to
// whole pixels first, as integer metrics do, under-estimates a fixed-pitch font by a pixel every
// few characters, enough to pick the wrong texts and cut the widest.
class TextWidthGauge
{
public:
    explicit TextWidthGauge(const QFont &font);

    // 1/64 pixel: the unit of the estimates.
    static constexpr int Unit = 64;

    // Sum of the advances of the characters of the text's longest line, in Units.
    int estimate(QStringView text);
    int estimate(QLatin1StringView text);
    // Estimates of cells first..first+count-1 of a line of tab-separated cells, of which only
    // the first maxCells count, into out; 0 for cells the line does not have. One pass over the
    // line, the hot loop of fitting a large grid.
    void estimateCells(QStringView line, int maxCells, int first, int count, int *out);
    void estimateCells(QLatin1StringView line, int maxCells, int first, int count, int *out);
    // The exact width of the text's longest line.
    int exact(QStringView text) const;
    // The width in pixels of the widest of count texts, given their estimates; text(i) gives
    // the i-th.
    int widest(const int *estimates, int count, const std::function<QString(int)> &text) const;

private:
    int advance(QChar c);
    // The same for UTF-16 (char16_t) and Latin-1 (uchar) text.
    template <typename Char> int estimateOf(const Char *p, const Char *end);
    template <typename Char>
    void estimateCellsOf(
        const Char *p, const Char *end, int maxCells, int first, int count, int *out);

    QFontMetrics m_metrics;
    QFontMetricsF m_fractional;
    enum { Tab = -1, LineFeed = -2 };

    int m_latin1[256];
    int m_marked[256]; // m_latin1 with the cell and line separators marked
    QHash<char16_t, int> m_other;
};
