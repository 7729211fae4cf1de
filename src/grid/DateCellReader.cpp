#include "DateCellReader.h"

#include "Formats.h"

#include <QDate>
#include <QLocale>

namespace {

constexpr qint64 MsecsPerDay = 86400000;
constexpr int NoValue = -1;
// Longer than any date with its time of day: a note in a text column is turned away at once.
constexpr qsizetype LongestCell = 64;

} // namespace

DateCellReader::DateCellReader()
{
    m_dateFormats[0] = fourDigitYearDateFormat();
    m_dateFormats[1] = QLocale().dateFormat(QLocale::ShortFormat);
}

bool DateCellReader::read(QStringView cell, qint64 &moment)
{
    cell = cell.trimmed();
    if (cell.isEmpty() || cell.size() > LongestCell)
        return false;
    if (m_lastBlanks >= 0 && readAs(cell, m_lastBlanks, moment))
        return true;
    // Fewest blanks first: the whole cell is read as a date only when no time of day follows
    // any shorter date, so a date with its time is never kept as a day that is not one.
    const int blanks = int(cell.count(QLatin1Char(' ')));
    for (int dateBlanks = 0; dateBlanks <= blanks; ++dateBlanks) {
        if (dateBlanks != m_lastBlanks && readAs(cell, dateBlanks, moment)) {
            m_lastBlanks = dateBlanks;
            return true;
        }
    }
    return false;
}

bool DateCellReader::readAs(QStringView cell, int blanks, qint64 &moment)
{
    // The blank after the date, -1 where the date is the whole cell.
    qsizetype end = -1;
    for (int n = 0; n <= blanks; ++n) {
        end = cell.indexOf(QLatin1Char(' '), end + 1);
        if (end < 0) {
            if (n < blanks)
                return false;
            break;
        }
    }
    const qint64 julianDay = day(end < 0 ? cell : cell.first(end));
    if (julianDay == NoValue)
        return false;
    const int msecs = end < 0 ? 0 : m_times.read(cell.sliced(end + 1).trimmed());
    if (msecs == NoValue)
        return false;
    moment = julianDay * MsecsPerDay + msecs;
    return true;
}

qint64 DateCellReader::day(QStringView text)
{
    return m_days.get(text, [this](const QString &key) {
        const QLocale locale;
        for (const QString &format : m_dateFormats) {
            const QDate date = locale.toDate(key, format);
            if (date.isValid())
                return date.toJulianDay();
        }
        return qint64(NoValue);
    });
}
