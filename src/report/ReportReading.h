#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QStringList>
#include <memory>

class ReportRowSource;

// The reading of a source's rows from where it stands to the last, in order. The engine keeps
// what a statement has given so far (the rows seen, for DISTINCT) until the statement ends, a
// hundred thousand customers' worth by the end of a long report; so the reading goes on now and
// then from a new reader of the same rows, started at the last row's value in the column the
// rows are ordered by, which keeps that small. A new reader is taken only when it reads the
// last row again as it was; otherwise the one at hand goes on.
class ReportReading
{
public:
    // Rows given between two new readers.
    static constexpr int HandOnRows = 2048;

    // Reads origin first; origin makes the new readers and outlives the reading.
    explicit ReportReading(ReportRowSource &origin);
    ~ReportReading();
    ReportReading(const ReportReading &) = delete;
    ReportReading &operator=(const ReportReading &) = delete;

    // The next row's values; false after the last. Throws what the source throws.
    bool next(QStringList &values);
    // The dates of the row next gave last (see ReportRowSource::dates).
    const QList<QDateTime> &dates() const;

private:
    void handOn(const QStringList &last);

    ReportRowSource &m_origin;
    std::unique_ptr<ReportRowSource> m_ahead; // the reader once the origin has handed on
    int m_seekColumn;
    int m_given = 0; // rows given since the last new reader
    QByteArray m_seekKey; // of the last row
    QString m_seekValue;
    int m_seekRun = 0; // rows with that key, one after the other, up to the last
};
