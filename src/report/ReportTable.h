#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

class ReportRowSource;

// The one database table of a report or subreport: the rows of the record set bound to it,
// read only as far as the pages shown so far need them and kept compactly (one block of UTF-8
// text for all values), so that a report of 100,000 customers shows its first page at once and
// later pages can be laid out again from the rows without asking the source twice.
class ReportTable
{
public:
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

    QStringList columnNames() const { return m_columns; }
    int columnIndex(const QString &name) const;

    // Reads until the row exists or the source ends; whether row is there.
    bool ensureRow(int row);
    // Reads everything that is left.
    void readAll();
    bool complete() const { return m_complete; }
    int rowsRead() const { return m_rowCount; }
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
    bool readOne();
    void keepDate(int row, int column, const QDateTime &moment);

    std::unique_ptr<ReportRowSource> m_source;
    QStringList m_columns;
    QHash<QString, int> m_columnIndex; // by folded name
    bool m_complete = false;
    int m_rowCount = 0;
    std::string m_text;
    std::vector<quint32> m_offsets; // columns + 1 per row into m_text
    // By column, for the columns that hold dates: each row's moment in milliseconds from the
    // start of Julian day 0, NoDate where the value is not a date.
    std::vector<std::vector<qint64>> m_dates;
    QString m_linkName;
    int m_linkColumn = -1;
    QByteArray m_lastKey;
    QHash<QByteArray, std::vector<int>> m_linked;
};
