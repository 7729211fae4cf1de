#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class ReportReading;
class ReportRowBlock;
class ReportRowSource;

// The one database table of a report or subreport: the rows of the record set bound to it,
// read only as far as the pages shown so far need them, so that a report of 100,000 customers
// shows its first page at once. Rows are kept in blocks of consecutive rows, and only as many
// blocks as a few pages need: a block no page has asked for lately is let go, and read again
// through a second reader of the same rows when a page needs it, so that memory stays flat
// however long the report. Any row read once can be asked for again and is the same.
class ReportTable
{
public:
    // How many rows make one block.
    static constexpr int BlockRows = 256;
    // What the blocks of one table may hold in memory before the oldest are let go.
    static constexpr qint64 DefaultRowBudget = 2 << 20;

    ReportTable();
    ~ReportTable();
    ReportTable(const ReportTable &) = delete;
    ReportTable &operator=(const ReportTable &) = delete;

    // The report takes its rows from the source from now on; the tag says what kind of source
    // it is, and only record sets (3) are known.
    void setDataSource(std::unique_ptr<ReportRowSource> source, int dataTag);
    bool hasSource() const { return m_source != nullptr; }
    // Forgets the rows kept so far (a source is read once; rows already read are gone).
    void discardRows();
    // How many bytes of rows the table keeps at most (blocks being read aside).
    void setRowBudget(qint64 bytes) { m_budget = bytes; }

    QStringList columnNames() const { return m_columns; }
    int columnIndex(const QString &name) const;

    // Reads until the row exists or the source ends; whether row is there.
    bool ensureRow(int row);
    // Reads everything that is left.
    void readAll();
    bool complete() const { return m_complete; }
    int rowsRead() const { return m_rowCount; }
    // How many rows there are once every one has been read; 0 until then.
    int rowTotal() const { return m_complete ? m_rowCount : 0; }
    // A reader of every row from the first, of its own and as the table reads them; null when
    // the source cannot be read twice.
    std::unique_ptr<ReportRowSource> readerFromStart() const;
    // Rows kept in memory now.
    int rowsHeld() const;
    // Any row read so far; one that was let go is read again. Throws what the source throws.
    QString text(int row, int column) const;
    // The moment a date value stands for, as its source gave it beside the text; invalid for
    // a value that is not a date. The date and time of day are kept as they were (Qt::UTC
    // carries them unchanged, not a zone).
    QDateTime dateValue(int row, int column) const;

    // For a subreport: the rows whose link column names the same thing as value, in their order.
    // The source gives its rows ordered by that column, so reading stops once past the value.
    void setLinkColumn(const QString &name);
    std::vector<int> rowsMatching(const QString &value);

private:
    // A block of rows, held or let go, and what stays of it when the rows go: the link keys of
    // its first and last rows (for a subreport), so that it is read again only for a key it
    // holds; where a reader can start to read it again (its first row's value in the column the
    // source is ordered by, and how many rows before it have the same value); its digest.
    struct Slot
    {
        std::unique_ptr<ReportRowBlock> rows;
        quint64 used = 0;
        QByteArray firstKey;
        QByteArray lastKey;
        QString seekValue;
        int lead = 0;
        size_t digest = 0;
    };

    bool readOne();
    void append(const QStringList &values, const QList<QDateTime> &dates);
    // The rows of block b, read again if they were let go.
    const ReportRowBlock &block(size_t b) const;
    std::unique_ptr<ReportRowBlock> readAgain(size_t b) const;
    // Reads rows from the reader that stands before row m_rereadAt, from row from on; null
    // when the reader ends before them.
    std::unique_ptr<ReportRowBlock> readBlock(ReportRowSource *reader, int from, int rows) const;
    // Lets go of the blocks used longest ago while the rest is over the budget; never the
    // block being filled nor keep.
    void trim(size_t keep) const;
    void closeSource();

    std::unique_ptr<ReportRowSource> m_source;
    QStringList m_columns;
    QHash<QString, int> m_columnIndex; // by folded name
    bool m_complete = false;
    int m_rowCount = 0;
    QString m_linkName;
    int m_linkColumn = -1;
    QByteArray m_lastKey;
    int m_seekColumn = -1;
    QByteArray m_seekKey; // of the last row read
    // The first reading of the rows, from m_source on.
    std::unique_ptr<ReportReading> m_reading;
    int m_seekRun = 0; // rows read with that key, one after the other
    qint64 m_budget = DefaultRowBudget;

    mutable std::vector<Slot> m_slots;
    mutable qint64 m_heldBytes = 0; // of the full blocks held
    mutable quint64 m_clock = 0;
    // Reads blocks again; stands before row m_rereadAt. Made when a block is first let go.
    mutable std::unique_ptr<ReportRowSource> m_rereader;
    mutable int m_rereadAt = 0;
    mutable int m_rereadFrom = 0; // where it began
    // Whether the source can be read twice is found out when rows are first to be let go;
    // if it cannot, every row stays.
    mutable bool m_rereadable = false;
    mutable bool m_keepAll = false;
};
