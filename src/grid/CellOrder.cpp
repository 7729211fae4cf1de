#include "CellOrder.h"

#include "Formats.h"

#include <QDate>
#include <QLocale>
#include <QTime>

namespace {

enum Kind { Empty, Number, Date, Text };

constexpr qint64 MsecsPerDay = 86400000;
constexpr qint64 NoValue = -1;

} // namespace

bool CellOrder::Key::operator<(const Key &other) const
{
    if (kind != other.kind)
        return kind < other.kind;
    switch (kind) {
    case Number:
        return number < other.number;
    case Date:
        return moment < other.moment;
    case Text:
        return text < other.text;
    default:
        return false;
    }
}

CellOrder::CellOrder()
{
    const QLocale locale;
    m_dateFormats[0] = fourDigitYearDateFormat();
    m_dateFormats[1] = locale.dateFormat(QLocale::ShortFormat);
    // The long time form may end with a time zone, which a time of day never shows.
    m_timeFormats[0] = locale.timeFormat(QLocale::LongFormat).remove(QLatin1Char('t')).trimmed();
    m_timeFormats[1] = locale.timeFormat(QLocale::ShortFormat);
}

CellOrder::Key CellOrder::keyOf(QStringView cell)
{
    Key key;
    const QStringView trimmed = cell.trimmed();
    if (trimmed.isEmpty()) {
        key.kind = Empty;
    } else if (isNumericText(trimmed)) {
        key.kind = Number;
        key.number = toNumber(trimmed);
    } else if (dateOf(trimmed, key.moment)) {
        key.kind = Date;
    } else {
        key.kind = Text;
        key.text = cell.toString().toCaseFolded();
    }
    return key;
}

bool CellOrder::dateOf(QStringView cell, qint64 &moment)
{
    // Every short date form starts with a digit; most texts are turned away here cheaply.
    if (!cell.front().isDigit() || cell.size() > 40)
        return false;
    const qsizetype blank = cell.indexOf(QLatin1Char(' '));
    const QString dayText = (blank < 0 ? cell : cell.first(blank)).toString();

    auto day = m_days.constFind(dayText);
    if (day == m_days.constEnd()) {
        const QLocale locale;
        qint64 value = NoValue;
        for (const QString &format : m_dateFormats) {
            const QDate date = locale.toDate(dayText, format);
            if (date.isValid()) {
                value = date.toJulianDay();
                break;
            }
        }
        day = m_days.insert(dayText, value);
    }
    if (*day == NoValue)
        return false;

    int msecs = 0;
    if (blank >= 0) {
        const QString timeText = cell.sliced(blank + 1).trimmed().toString();
        auto time = m_times.constFind(timeText);
        if (time == m_times.constEnd()) {
            const QLocale locale;
            int value = int(NoValue);
            for (const QString &format : m_timeFormats) {
                const QTime t = locale.toTime(timeText, format);
                if (t.isValid()) {
                    value = t.msecsSinceStartOfDay();
                    break;
                }
            }
            time = m_times.insert(timeText, value);
        }
        if (*time == NoValue)
            return false;
        msecs = *time;
    }
    moment = *day * MsecsPerDay + msecs;
    return true;
}
