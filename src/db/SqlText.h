#pragma once

#include <QDate>
#include <QString>

// The one way a text value is written into SQL: between single quotes, each quote doubled.
QString sqlText(const QString &value);

// A date as the dialect writes it between number signs: month/day/year with a four-digit year,
// the same whatever the user's locale, so the engine never reads the day as the month.
QString sqlDate(const QDate &date);
