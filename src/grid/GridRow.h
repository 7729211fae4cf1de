#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>
#include <QStringView>
#include <memory>
#include <vector>

// One grid row kept as a single text plus the end of each cell in it. The windows add rows as
// tab-separated text; a row is split into cells only when a cell is first read. The text is
// kept in Latin-1 when every character has a Latin-1 code, else in UTF-16: a search that
// finds a hundred thousand customers fills the grid with rows of a few hundred characters,
// nearly all of them written in Latin letters, and Latin-1 holds them in half the memory.
class GridRow
{
public:
    GridRow() = default;
    // Cells from tab-separated text; cells beyond maxCells are dropped.
    static GridRow fromTabSeparated(const QString &line, int maxCells);
    // The same from UTF-8, as the database gives it; an ASCII line is kept as it is, shared.
    static GridRow fromUtf8TabSeparated(const QByteArray &line, int maxCells);

    int cellCount() const;
    // Empty beyond the last cell.
    QString cell(int col) const;
    // Calls f with a view of the cell: a QLatin1StringView or a QStringView, as the row is
    // kept. Empty beyond the last cell.
    template <typename F> decltype(auto) visitCell(int col, F &&f) const
    {
        if (col < 0 || col >= cellCount())
            return f(QStringView());
        const int from = begin(col);
        const int size = (*m_ends)[size_t(col)] - from;
        if (m_isLatin1)
            return f(latin1Line().sliced(from, size));
        return f(utf16Line().sliced(from, size));
    }
    // Calls f(c, view) for cells first..first+count-1 (c from 0), in one pass over the text;
    // the row is not kept split, as fitting a large grid reads every row once and splitting
    // them all would cost as much again.
    template <typename F> void visitCells(int first, int count, F &&f) const
    {
        if (m_ends) {
            for (int c = 0; c < count; ++c)
                visitCell(first + c, [&](auto view) { f(c, view); });
        } else if (m_isLatin1) {
            visitLine(latin1Line(), first, count, f);
        } else {
            visitLine(utf16Line(), first, count, f);
        }
    }
    void setCell(int col, const QString &text);
    // While the row is the text as added, not yet split or edited: whose first lineCells()
    // tab-separated cells are the row's cells.
    bool isLine() const { return !m_ends; }
    bool isLatin1() const { return m_isLatin1; }
    // The text, of a row kept in Latin-1 and of one kept in UTF-16.
    QLatin1StringView latin1Line() const { return QLatin1StringView(m_text); }
    QStringView utf16Line() const
    {
        return QStringView(reinterpret_cast<const char16_t *>(m_text.constData()),
            m_text.size() / qsizetype(sizeof(char16_t)));
    }
    int lineCells() const { return m_maxCells; }
    // Keeps the first `cells` cells.
    void truncate(int cells);

private:
    template <typename View, typename F> void visitLine(View text, int first, int count, F &f) const
    {
        const int last = std::min(first + count, m_maxCells);
        qsizetype from = 0;
        int col = 0;
        for (; col < last && from <= text.size(); ++col) {
            qsizetype tab = text.indexOf(QLatin1Char('\t'), from);
            if (tab < 0)
                tab = text.size();
            if (col >= first)
                f(col - first, text.sliced(from, tab - from));
            from = tab + 1;
        }
        for (int c = std::max(col, first); c < first + count; ++c)
            f(c - first, View());
    }
    void split() const;
    int begin(int col) const { return col == 0 ? 0 : (*m_ends)[size_t(col) - 1] + 1; }
    void setUtf16(const QString &text);

    // Latin-1, or the bytes of UTF-16 text.
    QByteArray m_text;
    // The cells' ends once split: most rows of a large grid never are, and go without.
    mutable std::unique_ptr<std::vector<int>> m_ends;
    int m_maxCells = 0; // while not split: the cells the text may hold
    bool m_isLatin1 = false;
};
