#include "CellText.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QLocale>

namespace {

QString timeFormat()
{
    // The long form carries the seconds; the time zone it may end with is not a time of day.
    QString format = QLocale().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return format.trimmed();
}

// Grids show tens of thousands of dates from a few thousand days: format each day once.
// The cache follows the locale's formats, which do not change during a run.
QString dateText(const QDate &date)
{
    static QHash<qint64, QString> cache;
    auto it = cache.constFind(date.toJulianDay());
    if (it != cache.constEnd())
        return *it;
    static const QString format = shortDateFormat();
    const QString text = QLocale().toString(date, format);
    if (cache.size() < 100000)
        cache.insert(date.toJulianDay(), text);
    return text;
}

QString timeText(const QTime &time)
{
    static QHash<int, QString> cache;
    const int key = time.msecsSinceStartOfDay() / 1000;
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;
    static const QString format = timeFormat();
    const QString text = QLocale().toString(time, format);
    cache.insert(key, text);
    return text;
}

} // namespace

QString shortDateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString dateTimeText(const QDate &date, const QTime &time)
{
    if (time == QTime(0, 0))
        return dateText(date);
    return dateText(date) + QLatin1Char(' ') + timeText(time);
}

QString cellText(const QVariant &value)
{
    if (value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QDate:
        return dateText(value.toDate());
    case QMetaType::QDateTime: {
        const QDateTime dateTime = value.toDateTime();
        return dateTimeText(dateTime.date(), dateTime.time());
    }
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', 15);
    default:
        return value.toString();
    }
}
