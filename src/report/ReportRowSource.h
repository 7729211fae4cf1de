#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QStringList>

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
    // The key under which two values name the same thing the way the source's engine compares
    // them (names that differ only in letter case are one customer). Rows of a subreport are
    // matched to their entry by this key.
    virtual QByteArray matchKey(const QString &value) const = 0;
    // The key's byte order is the order the source gives its rows in.
    // Lets the source's cursor go once every row has been read; matchKey still works after.
    virtual void close() = 0;
};
