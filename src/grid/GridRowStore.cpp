#include "GridRowStore.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <cstring>

namespace {

// Parts one cell from the next: a byte no UTF-8 text holds.
constexpr char CellEnd = char(0xff);
// Blocks start small, for the few rows of a customer's machines, and grow to this.
constexpr quint32 FirstBlockBytes = 4 << 10;
constexpr quint32 LargestBlockBytes = 1 << 20;

// Where cell col begins in a row's text and where it ends; both at the text's end when the
// row has fewer cells.
std::pair<qsizetype, qsizetype> cellSpan(QByteArrayView row, int col)
{
    qsizetype from = 0;
    for (int c = 0; c < col; ++c) {
        const qsizetype end = row.indexOf(CellEnd, from);
        if (end < 0)
            return { row.size(), row.size() };
        from = end + 1;
    }
    const qsizetype end = row.indexOf(CellEnd, from);
    return { from, end < 0 ? row.size() : end };
}

} // namespace

void GridRowStore::resize(int rows)
{
    rows = std::max(rows, 0);
    if (rows == 0) {
        std::vector<Block>().swap(m_blocks);
        std::vector<Ref>().swap(m_rows);
        return;
    }
    m_rows.resize(size_t(rows));
}

char *GridRowStore::reserve(qsizetype bytes)
{
    if (m_blocks.empty() || m_blocks.back().capacity - m_blocks.back().used < bytes) {
        const quint32 grown = m_blocks.empty()
            ? FirstBlockBytes
            : std::min(m_blocks.back().capacity * 2, LargestBlockBytes);
        Block block;
        block.capacity = std::max(grown, quint32(bytes));
        // Left uninitialised: only the bytes written take memory.
        block.data.reset(new char[block.capacity]);
        m_blocks.push_back(std::move(block));
    }
    Block &last = m_blocks.back();
    return last.data.get() + last.used;
}

GridRowStore::Ref GridRowStore::commit(char *end)
{
    Block &last = m_blocks.back();
    Ref ref;
    ref.block = quint32(m_blocks.size() - 1);
    ref.offset = last.used;
    ref.size = quint32(end - (last.data.get() + last.used));
    last.used += ref.size;
    return ref;
}

void GridRowStore::appendWritten(char *begin, char *written, int maxCells)
{
    // A tab is one byte in UTF-8 and never part of another character's bytes. Only the cells
    // kept are stored: up to the tab that ends cell maxCells-1.
    char *end = maxCells > 0 ? written : begin;
    int cells = 1;
    for (char *p = begin; p != end; ++p) {
        if (*p != '\t')
            continue;
        if (cells++ == maxCells) {
            end = p;
            break;
        }
        *p = CellEnd;
    }
    m_rows.push_back(commit(end));
}

void GridRowStore::append(QStringView tabSeparated, int maxCells)
{
    QStringEncoder encoder(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    char *begin = reserve(encoder.requiredSpace(tabSeparated.size()));
    appendWritten(begin, encoder.appendToBuffer(begin, tabSeparated), maxCells);
}

void GridRowStore::appendUtf8(QByteArrayView tabSeparated, int maxCells)
{
    char *begin = reserve(tabSeparated.size());
    if (!tabSeparated.isEmpty())
        std::memcpy(begin, tabSeparated.data(), size_t(tabSeparated.size()));
    appendWritten(begin, begin + tabSeparated.size(), maxCells);
}

void GridRowStore::splice(GridRowStore &&tail)
{
    // The tail's blocks go first, so that this store's last block, the one rows are added
    // to, stays last.
    const auto shift = quint32(tail.m_blocks.size());
    for (Ref &ref : m_rows)
        ref.block += shift;
    std::vector<Ref> rows = std::move(m_rows);
    rows.insert(rows.end(), tail.m_rows.begin(), tail.m_rows.end());
    for (Block &block : m_blocks)
        tail.m_blocks.push_back(std::move(block));
    m_blocks = std::move(tail.m_blocks);
    m_rows = std::move(rows);
    tail.resize(0);
}

QByteArrayView GridRowStore::text(int row) const
{
    const Ref &ref = m_rows[size_t(row)];
    if (ref.size == 0)
        return {};
    return QByteArrayView(m_blocks[ref.block].data.get() + ref.offset, ref.size);
}

QString GridRowStore::cell(int row, int col) const
{
    if (row < 0 || row >= size() || col < 0)
        return {};
    const QByteArrayView line = text(row);
    const auto [from, end] = cellSpan(line, col);
    return QString::fromUtf8(line.sliced(from, end - from));
}

QString GridRowStore::line(int row) const
{
    if (row < 0 || row >= size())
        return {};
    QString joined;
    const QByteArrayView text = this->text(row);
    for (qsizetype from = 0; from <= text.size();) {
        qsizetype end = text.indexOf(CellEnd, from);
        if (end < 0)
            end = text.size();
        if (from > 0)
            joined += QLatin1Char('\t');
        joined += QString::fromUtf8(text.sliced(from, end - from));
        from = end + 1;
    }
    return joined;
}

void GridRowStore::cells(int row, int first, int count, QString &buffer, QStringView *out) const
{
    std::fill(out, out + count, QStringView());
    if (row < 0 || row >= size() || count <= 0)
        return;
    const QByteArrayView line = text(row);
    // UTF-8 never takes fewer bytes than UTF-16 takes code units, so the buffer need not grow
    // while the views into it are made.
    if (buffer.size() < line.size())
        buffer.resize(line.size());
    QChar *const base = buffer.data();
    QChar *at = base;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    auto [from, end] = cellSpan(line, first);
    for (int c = 0; c < count && from < line.size(); ++c) {
        QChar *const begin = at;
        at = decoder.appendToBuffer(at, line.sliced(from, end - from));
        out[c] = QStringView(begin, at);
        from = end + 1;
        const qsizetype next = from < line.size() ? line.indexOf(CellEnd, from) : -1;
        end = next < 0 ? line.size() : next;
    }
}

void GridRowStore::setCell(int row, int col, QStringView text)
{
    if (row < 0 || row >= size() || col < 0)
        return;
    const QByteArrayView line = this->text(row);
    const int count = std::max(line.empty() ? 0 : int(line.count(CellEnd)) + 1, col + 1);
    QByteArray rebuilt;
    for (int c = 0; c < count; ++c) {
        if (c > 0)
            rebuilt += CellEnd;
        if (c == col) {
            rebuilt += text.toUtf8();
        } else {
            const auto [from, end] = cellSpan(line, c);
            rebuilt += line.sliced(from, end - from);
        }
    }
    // The row's old text stays in its block, unused: cells are set one at a time, on the few
    // rows a window edits.
    char *begin = reserve(rebuilt.size());
    std::memcpy(begin, rebuilt.constData(), size_t(rebuilt.size()));
    m_rows[size_t(row)] = commit(begin + rebuilt.size());
}

void GridRowStore::truncate(int cells)
{
    cells = std::max(cells, 0);
    for (int r = 0; r < size(); ++r) {
        Ref &ref = m_rows[size_t(r)];
        // A row's first cells are a row of their own: its text up to the end of the last.
        ref.size = cells == 0 ? 0 : quint32(cellSpan(text(r), cells - 1).second);
    }
}

void GridRowStore::reorder(int first, const std::vector<int> &order)
{
    std::vector<Ref> sorted;
    sorted.reserve(order.size());
    for (int from : order)
        sorted.push_back(m_rows[size_t(first + from)]);
    std::copy(sorted.begin(), sorted.end(), m_rows.begin() + first);
}

qint64 GridRowStore::bytes() const
{
    qint64 total = qint64(m_rows.capacity() * sizeof(Ref));
    for (const Block &block : m_blocks)
        total += block.capacity;
    return total;
}
