#pragma once

#include "TextMemo.h"
#include "TimeTextReader.h"

#include <QString>
#include <QStringView>

// Reads back the dates the grids show: the short date form of the user's settings (with a
// four-digit year, or as the locale writes it), alone or followed by a blank and a time of day.
// The date form itself may hold blanks ("2 Jan 2024", "2024. 01. 02."), so where the date ends
// is found by trying each blank in turn.
class DateCellReader
{
public:
    DateCellReader();
    // The moment the cell shows, in milliseconds from the start of the calendar; false where
    // the cell is not such a date.
    bool read(QStringView cell, qint64 &moment);

private:
    // Reads the cell as a date holding `blanks` blanks, then the time of day, if any.
    bool readAs(QStringView cell, int blanks, qint64 &moment);
    qint64 day(QStringView text);

    QString m_dateFormats[2];
    TextMemo<qint64> m_days;
    TimeTextReader m_times;
    // The cells of a column share one form: the number of blanks the date of the last cell
    // read held is tried first.
    int m_lastBlanks = -1;
};
