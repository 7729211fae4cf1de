#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QStringList>
#include <memory>

// Where a report table takes its rows from. The report engine knows no database: the program
// hands it a record set wrapped in one of these, which reads the rows one at a time as the
// report needs them and gives each value as the text the report shows.
class ReportRowSource
{
public:
    virtual ~ReportRowSource();

    virtual QStringList columnNames() const = 0;
    // The next row's values as text (Null as empty text); false after the last row.
    virtual bool next(QStringList &values) = 0;
    // The row next gave last, by column: where a value is a date or a date and time, that
    // moment (its date and time of day as stored, no zone), an invalid one for every other
    // value. A file that keeps a date as a date takes it from here rather than reading it back
    // from its text. Empty for a source without dates.
    virtual const QList<QDateTime> &dates() const;
    // Moves past the next row without making its values; false after the last row.
    virtual bool skip();
    // The key under which two values name the same thing the way the source's engine compares
    // them (names that differ only in letter case are one customer). Rows of a subreport are
    // matched to their entry by this key.
    virtual QByteArray matchKey(const QString &value) const = 0;
    // The key's byte order is the order the source gives its rows in.
    // Lets the source's cursor go once every row has been read; matchKey still works after.
    virtual void close() = 0;
    // The column the rows are ordered by first, or -1: a second reader can then start at a
    // value of it rather than at the first row.
    virtual int seekColumn() const;
    // A second reader of the same rows, as they stood when this one began and in the same
    // order; it works after close too. It stands before the first row or, with from given, before
    // the first row whose seek column is not below from. A table lets go of rows no page on
    // show needs and reads them again through one of these. Null when the rows cannot be read
    // twice: the table then keeps every row it reads.
    virtual std::unique_ptr<ReportRowSource> reopen(const QString &from) const;
};
