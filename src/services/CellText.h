#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>
#include <QVariant>

// The text a grid cell or a field shows for a value read from the database: text as it is,
// a date in the short date form of the user's settings with a four-digit year, a date and time
// as that date, a blank and the time of day (no time at midnight), numbers plainly, Null empty.
QString cellText(const QVariant &value);
// The same for a date and time given as its two halves.
QString dateTimeText(const QDate &date, const QTime &time);
// The same in UTF-8 at the end of out, for rows put together from the engine's text.
void appendDateTimeText(QByteArray &out, const QDate &date, const QTime &time);
