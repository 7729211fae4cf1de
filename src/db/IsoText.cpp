#include "IsoText.h"

namespace {

bool digits(const char *text, int count, int &value)
{
    value = 0;
    for (int i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

QDate datePart(const char *text, int bytes)
{
    int year, month, day;
    if (bytes < 10 || text[4] != '-' || text[7] != '-' || !digits(text, 4, year)
        || !digits(text + 5, 2, month) || !digits(text + 8, 2, day))
        return {};
    return QDate(year, month, day);
}

// "HH:MM", "HH:MM:SS" or "HH:MM:SS.fff", after the separator that follows the date.
QTime timePart(const char *text, int bytes)
{
    int hour, minute, second = 0;
    if (bytes < 5 || text[2] != ':' || !digits(text, 2, hour) || !digits(text + 3, 2, minute))
        return {};
    if (bytes >= 8 && text[5] == ':' && !digits(text + 6, 2, second))
        return {};
    if (bytes != 5 && (bytes < 8 || text[5] != ':' || (bytes > 8 && text[8] != '.')))
        return {};
    return QTime(hour, minute, second);
}

} // namespace

namespace IsoText {

QString fromDate(const QDate &date)
{
    return QStringLiteral("%1-%2-%3")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

QString fromDateTime(const QDateTime &dateTime)
{
    const QTime time = dateTime.time();
    return fromDate(dateTime.date())
        + QStringLiteral(" %1:%2:%3")
              .arg(time.hour(), 2, 10, QLatin1Char('0'))
              .arg(time.minute(), 2, 10, QLatin1Char('0'))
              .arg(time.second(), 2, 10, QLatin1Char('0'));
}

QDate toDate(const char *text, int bytes)
{
    const QDate date = datePart(text, bytes);
    if (bytes == 10 || !date.isValid())
        return date;
    if ((text[10] == ' ' || text[10] == 'T') && timePart(text + 11, bytes - 11).isValid())
        return date;
    return {};
}

DateAndTime toDateAndTime(const char *text, int bytes)
{
    const QDate date = datePart(text, bytes);
    if (!date.isValid())
        return {};
    if (bytes == 10)
        return { date, QTime(0, 0) };
    if (text[10] != ' ' && text[10] != 'T')
        return {};
    const QTime time = timePart(text + 11, bytes - 11);
    return time.isValid() ? DateAndTime { date, time } : DateAndTime {};
}

QDateTime toDateTime(const char *text, int bytes)
{
    const DateAndTime parts = toDateAndTime(text, bytes);
    return parts.date.isValid() ? QDateTime(parts.date, parts.time) : QDateTime();
}

QDate toDate(const QString &text)
{
    const QByteArray bytes = text.toLatin1();
    return toDate(bytes.constData(), int(bytes.size()));
}

QDateTime toDateTime(const QString &text)
{
    const QByteArray bytes = text.toLatin1();
    return toDateTime(bytes.constData(), int(bytes.size()));
}

} // namespace IsoText
