#include "CellText.h"

#include "Formats.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QLocale>
#include <vector>

namespace {

// Grids show tens of thousands of dates from a few thousand days: format each day once, and
// each second of the day once, kept as UTF-8 for the grids that are filled from the engine's
// text. The caches follow the locale's formats, which do not change during a run.
const QByteArray &dateUtf8(const QDate &date)
{
    static QHash<qint64, QByteArray> cache;
    static qint64 lastDay = 0;
    static QByteArray last;
    const qint64 day = date.toJulianDay();
    // Rows come mostly in the order they were entered, so the day is mostly the last one.
    if (day == lastDay && !last.isNull())
        return last;
    auto it = cache.constFind(day);
    if (it == cache.constEnd()) {
        static const QString format = fourDigitYearDateFormat();
        const QByteArray text = QLocale().toString(date, format).toUtf8();
        if (cache.size() >= 100000)
            cache.clear();
        it = cache.insert(day, text);
    }
    lastDay = day;
    last = *it;
    return last;
}

const QByteArray &timeUtf8(const QTime &time)
{
    static std::vector<QByteArray> cache(24 * 60 * 60);
    QByteArray &text = cache[size_t(time.msecsSinceStartOfDay() / 1000)];
    if (text.isNull()) {
        static const QString format = timeOfDayFormat();
        text = QLocale().toString(time, format).toUtf8();
    }
    return text;
}

} // namespace

void appendDateTimeText(QByteArray &out, const QDate &date, const QTime &time)
{
    out += dateUtf8(date);
    if (time != QTime(0, 0)) {
        out += ' ';
        out += timeUtf8(time);
    }
}

QString dateTimeText(const QDate &date, const QTime &time)
{
    QByteArray text;
    appendDateTimeText(text, date, time);
    return QString::fromUtf8(text);
}

QString cellText(const QVariant &value)
{
    if (value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QDate:
        return QString::fromUtf8(dateUtf8(value.toDate()));
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
