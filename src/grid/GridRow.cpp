#include "GridRow.h"

#include <QStringList>
#include <cstring>

namespace {

// The first byte from p on that is not ASCII, or end; eight bytes at a time over the runs of
// ASCII, which are most of the text.
const uchar *skipAscii(const uchar *p, const uchar *end)
{
    for (quint64 word; end - p >= 8; p += 8) {
        std::memcpy(&word, p, sizeof word);
        if (word & 0x8080808080808080ULL)
            break;
    }
    while (p != end && *p < 0x80)
        ++p;
    return p;
}

// The UTF-8 text in Latin-1 into latin1, which is left alone when the text is ASCII: the same
// bytes then. False when a character has no Latin-1 code (or the text is not UTF-8).
bool toLatin1(const QByteArray &utf8, QByteArray &latin1)
{
    const auto *begin = reinterpret_cast<const uchar *>(utf8.constData());
    const auto *end = begin + utf8.size();
    const uchar *p = skipAscii(begin, end);
    if (p == end)
        return true;
    latin1.resize(utf8.size());
    auto *out = reinterpret_cast<uchar *>(latin1.data());
    std::memcpy(out, begin, size_t(p - begin));
    out += p - begin;
    while (p != end) {
        // U+0080 to U+00FF: two bytes, C2 or C3 and a continuation byte.
        if ((*p != 0xC2 && *p != 0xC3) || end - p < 2 || (p[1] & 0xC0) != 0x80)
            return false;
        *out++ = uchar((*p & 0x1F) << 6 | (p[1] & 0x3F));
        p += 2;
        const uchar *run = skipAscii(p, end);
        std::memcpy(out, p, size_t(run - p));
        out += run - p;
        p = run;
    }
    latin1.truncate(out - reinterpret_cast<uchar *>(latin1.data()));
    return true;
}

bool fitsLatin1(QStringView text)
{
    for (const QChar c : text)
        if (c.unicode() > 0xFF)
            return false;
    return true;
}

} // namespace

GridRow GridRow::fromTabSeparated(const QString &line, int maxCells)
{
    GridRow row;
    if (fitsLatin1(line)) {
        row.m_text = line.toLatin1();
        row.m_isLatin1 = true;
    } else {
        row.setUtf16(line);
    }
    row.m_maxCells = std::max(maxCells, 0);
    return row;
}

GridRow GridRow::fromUtf8TabSeparated(const QByteArray &line, int maxCells)
{
    QByteArray latin1;
    if (!toLatin1(line, latin1))
        return fromTabSeparated(QString::fromUtf8(line), maxCells);
    GridRow row;
    row.m_text = latin1.isNull() ? line : latin1;
    row.m_isLatin1 = true;
    row.m_maxCells = std::max(maxCells, 0);
    return row;
}

void GridRow::setUtf16(const QString &text)
{
    m_text = QByteArray(
        reinterpret_cast<const char *>(text.utf16()), text.size() * qsizetype(sizeof(char16_t)));
    m_isLatin1 = false;
}

int GridRow::cellCount() const
{
    split();
    return int(m_ends->size());
}

QString GridRow::cell(int col) const
{
    return visitCell(col, [](auto view) { return view.toString(); });
}

void GridRow::split() const
{
    if (m_ends)
        return;
    m_ends = std::make_unique<std::vector<int>>();
    if (m_maxCells == 0)
        return;
    // Latin-1 and UTF-16 rows alike: a tab is one unit in either.
    const auto findEnds = [this](auto text) {
        qsizetype from = 0;
        while (int(m_ends->size()) < m_maxCells) {
            const qsizetype tab = text.indexOf(QLatin1Char('\t'), from);
            if (tab < 0) {
                m_ends->push_back(int(text.size()));
                break;
            }
            m_ends->push_back(int(tab));
            from = tab + 1;
        }
    };
    if (m_isLatin1)
        findEnds(latin1Line());
    else
        findEnds(utf16Line());
}

void GridRow::setCell(int col, const QString &text)
{
    if (col < 0)
        return;
    QStringList cells;
    const int count = std::max(cellCount(), col + 1);
    cells.reserve(count);
    for (int c = 0; c < count; ++c)
        cells << (c == col ? text : cell(c));
    // The ends, not the tabs, mark the cells, so a cell's own text may hold a tab. An edited
    // row is kept in UTF-16: edits are few, and the new text may be anything.
    QString joined;
    m_ends->clear();
    for (const QString &c : cells) {
        if (!m_ends->empty())
            joined += QLatin1Char('\t');
        joined += c;
        m_ends->push_back(int(joined.size()));
    }
    setUtf16(joined);
}

void GridRow::truncate(int cells)
{
    cells = std::max(cells, 0);
    if (!m_ends) {
        m_maxCells = std::min(m_maxCells, cells);
        return;
    }
    if (cells >= cellCount())
        return;
    m_ends->resize(size_t(cells));
    const int end = m_ends->empty() ? 0 : m_ends->back();
    m_text.truncate(m_isLatin1 ? end : end * qsizetype(sizeof(char16_t)));
}
