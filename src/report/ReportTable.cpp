#include "ReportTable.h"

#include "ReportReading.h"
#include "ReportRowBlock.h"
#include "ReportRowSource.h"

#include <algorithm>
#include <stdexcept>

namespace {
// The data tag of a record set; the only kind of data source the engine takes.
constexpr int RecordsetTag = 3;
// A reader that stands this close before a block goes on to it rather than seeking.
constexpr int NearRows = 2 * ReportTable::BlockRows;
// A reader that can seek is not kept after it has read this many rows: what the engine keeps
// for a statement (the rows it has seen, for DISTINCT) grows with them.
constexpr int KeptReaderRows = 8 * ReportTable::BlockRows;

std::runtime_error lostRows()
{
    return std::runtime_error("report: rows read before cannot be read again as they were");
}
} // namespace

ReportTable::ReportTable() = default;
ReportTable::~ReportTable()
{
    closeSource();
}

void ReportTable::closeSource()
{
    if (m_source && !m_complete)
        m_source->close();
    m_reading.reset();
}

void ReportTable::setDataSource(std::unique_ptr<ReportRowSource> source, int dataTag)
{
    if (dataTag != RecordsetTag)
        throw std::invalid_argument("report data source: only record sets (tag 3) are taken");
    closeSource();
    m_source = std::move(source);
    m_reading = std::make_unique<ReportReading>(*m_source);
    m_columns = m_source->columnNames();
    m_seekColumn = m_source->seekColumn();
    m_columnIndex.clear();
    for (int c = int(m_columns.size()) - 1; c >= 0; --c) {
        m_columnIndex.insert(m_columns[c].toCaseFolded(), c);
        m_columnIndex.insert(m_columns[c], c);
    }
    discardRows();
    if (!m_linkName.isEmpty())
        setLinkColumn(m_linkName);
}

void ReportTable::discardRows()
{
    m_complete = m_source == nullptr;
    m_rowCount = 0;
    m_lastKey.clear();
    m_seekKey.clear();
    m_seekRun = 0;
    m_slots.clear();
    m_heldBytes = 0;
    m_rereader.reset();
    m_rereadAt = m_rereadFrom = 0;
    m_keepAll = m_rereadable = false;
}

int ReportTable::columnIndex(const QString &name) const
{
    const auto it = m_columnIndex.constFind(name);
    return it != m_columnIndex.constEnd() ? *it : m_columnIndex.value(name.toCaseFolded(), -1);
}

bool ReportTable::readOne()
{
    if (m_complete)
        return false;
    QStringList values;
    if (!m_reading->next(values)) {
        m_complete = true;
        m_source->close();
        return false;
    }
    append(values, m_reading->dates());
    return true;
}

void ReportTable::append(const QStringList &values, const QList<QDateTime> &dates)
{
    if (m_slots.empty() || m_slots.back().rows->rows() == BlockRows) {
        if (!m_slots.empty()) {
            m_slots.back().rows->seal();
            m_slots.back().digest = m_slots.back().rows->digest();
            m_heldBytes += m_slots.back().rows->bytes();
        }
        m_slots.emplace_back();
        m_slots.back().rows = std::make_unique<ReportRowBlock>(int(m_columns.size()));
        trim(m_slots.size() - 1);
    }
    Slot &slot = m_slots.back();
    slot.rows->append(values, dates);
    slot.used = ++m_clock;
    ++m_rowCount;
    if (m_linkColumn >= 0) {
        m_lastKey = m_source->matchKey(values.value(m_linkColumn));
        slot.rows->linkLast(m_lastKey);
        if (slot.rows->rows() == 1)
            slot.firstKey = m_lastKey;
        slot.lastKey = m_lastKey;
    }
    if (m_seekColumn >= 0) {
        const QString value = values.value(m_seekColumn);
        const QByteArray key = m_seekColumn == m_linkColumn ? m_lastKey : m_source->matchKey(value);
        m_seekRun = m_rowCount > 1 && key == m_seekKey ? m_seekRun + 1 : 1;
        m_seekKey = key;
        if (slot.rows->rows() == 1) {
            slot.seekValue = value;
            slot.lead = m_seekRun - 1;
        }
    }
}

bool ReportTable::ensureRow(int row)
{
    while (m_rowCount <= row)
        if (!readOne())
            return false;
    return true;
}

void ReportTable::readAll()
{
    while (readOne()) { }
}

std::unique_ptr<ReportRowSource> ReportTable::readerFromStart() const
{
    return m_source ? m_source->reopen(QString()) : nullptr;
}

int ReportTable::rowsHeld() const
{
    int rows = 0;
    for (const Slot &slot : m_slots)
        rows += slot.rows ? slot.rows->rows() : 0;
    return rows;
}

QString ReportTable::text(int row, int column) const
{
    if (row < 0 || row >= m_rowCount)
        return QString();
    return block(size_t(row / BlockRows)).text(row % BlockRows, column);
}

const ReportRowBlock &ReportTable::block(size_t b) const
{
    Slot &slot = m_slots[b];
    slot.used = ++m_clock;
    if (!slot.rows) {
        slot.rows = readAgain(b);
        m_heldBytes += slot.rows->bytes();
        trim(b);
    }
    return *slot.rows;
}

std::unique_ptr<ReportRowBlock> ReportTable::readAgain(size_t b) const
{
    const Slot &slot = m_slots[b];
    const int from = int(b) * BlockRows;
    const int rows = std::min(BlockRows, m_rowCount - from);
    // A reader that stands a little before the block goes on to it; otherwise a new one
    // starts at the block's first value where the source can seek, or at the first row. The
    // reader is put back only once the block is whole, so a failure in between leaves none
    // standing at an unknown row.
    std::unique_ptr<ReportRowSource> reader = std::move(m_rereader);
    const bool seek = m_seekColumn >= 0 && !slot.seekValue.isEmpty();
    if (seek && !(reader && m_rereadAt <= from && from - m_rereadAt <= NearRows)) {
        reader = m_source->reopen(slot.seekValue);
        m_rereadAt = m_rereadFrom = from - slot.lead;
    }
    std::unique_ptr<ReportRowBlock> block;
    if (reader && m_rereadAt <= from)
        block = readBlock(reader.get(), from, rows);
    if (!block || block->digest() != slot.digest) {
        // Slow but certain: from the first row, as the rows were read the first time.
        reader = m_source->reopen(QString());
        m_rereadAt = m_rereadFrom = 0;
        block = readBlock(reader.get(), from, rows);
        if (!block || block->digest() != slot.digest)
            throw lostRows();
    }
    if (!seek || m_rereadAt - m_rereadFrom < KeptReaderRows)
        m_rereader = std::move(reader);
    return block;
}

std::unique_ptr<ReportRowBlock> ReportTable::readBlock(
    ReportRowSource *reader, int from, int rows) const
{
    if (!reader)
        throw lostRows();
    for (; m_rereadAt < from; ++m_rereadAt)
        if (!reader->skip())
            return nullptr;
    auto block = std::make_unique<ReportRowBlock>(int(m_columns.size()));
    QStringList values;
    for (int r = 0; r < rows; ++r, ++m_rereadAt) {
        if (!reader->next(values))
            return nullptr;
        block->append(values, reader->dates());
        if (m_linkColumn >= 0)
            block->linkLast(m_source->matchKey(values.value(m_linkColumn)));
    }
    block->seal();
    return block;
}

void ReportTable::trim(size_t keep) const
{
    if (m_keepAll || m_heldBytes <= m_budget)
        return;
    if (!m_rereadable) {
        // Rows are let go only when they can be read again.
        m_rereader = m_source->reopen(QString());
        m_rereadAt = m_rereadFrom = 0;
        m_keepAll = !m_rereader;
        m_rereadable = !m_keepAll;
        if (m_keepAll)
            return;
    }
    while (m_heldBytes > m_budget) {
        Slot *oldest = nullptr;
        for (size_t b = 0; b + 1 < m_slots.size(); ++b)
            if (b != keep && m_slots[b].rows && (!oldest || m_slots[b].used < oldest->used))
                oldest = &m_slots[b];
        if (!oldest)
            return;
        m_heldBytes -= oldest->rows->bytes();
        oldest->rows.reset();
    }
}

QDateTime ReportTable::dateValue(int row, int column) const
{
    if (row < 0 || row >= m_rowCount)
        return QDateTime();
    return block(size_t(row / BlockRows)).dateValue(row % BlockRows, column);
}

void ReportTable::setLinkColumn(const QString &name)
{
    m_linkName = name;
    if (!m_source)
        return;
    m_linkColumn = columnIndex(name);
    if (m_linkColumn < 0)
        throw std::invalid_argument(
            "report link: the subreport has no column " + name.toStdString());
}

std::vector<int> ReportTable::rowsMatching(const QString &value)
{
    if (m_linkColumn < 0 || !m_source)
        return {};
    const QByteArray key = m_source->matchKey(value);
    while (!m_complete && (m_rowCount == 0 || m_lastKey <= key))
        readOne();
    // The key's rows begin in the last block that begins before the key, or in the first one
    // that begins with it, and go on while blocks begin with it. A block in the middle of them
    // holds nothing else and is not read again for them.
    const auto first = std::lower_bound(m_slots.begin(), m_slots.end(), key,
        [](const Slot &slot, const QByteArray &k) { return slot.firstKey < k; });
    std::vector<int> rows;
    for (size_t b = size_t(std::max<qsizetype>(0, first - m_slots.begin() - 1));
         b < m_slots.size() && m_slots[b].firstKey <= key; ++b) {
        const Slot &slot = m_slots[b];
        if (slot.lastKey < key)
            continue;
        const int base = int(b) * BlockRows;
        std::pair<int, int> run { 0, slot.rows ? slot.rows->rows() : BlockRows };
        if (slot.firstKey != key || slot.lastKey != key)
            run = block(b).linked(key);
        for (int r = run.first; r < run.second; ++r)
            rows.push_back(base + r);
    }
    return rows;
}
