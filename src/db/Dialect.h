#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// The program's SQL dialect turned into the engine's SQL: dates between number signs become
// 'YYYY-MM-DD' (with a time 'YYYY-MM-DD HH:MM:SS') text, "DELETE * FROM" drops its star,
// "SELECT TOP n" becomes a LIMIT n at the end of that SELECT. Quoted values, bracketed names
// and comments are never touched; everything else passes unchanged. Like stays as it is: the
// program's connection supplies its own like().
QString translateDialect(const QString &sql);

// The text between the number signs of a dialect date: month/day/year whatever the user's
// locale ("1/5/2004" is the fifth of January), or year-month-day, either with an optional time
// ("1/5/2004 10:30:00", "1/5/2004 10:30 PM"). Invalid when the text is no such date. The result
// is in UTC only so that its clock time is kept exactly as written.
QDateTime parseDialectDate(const QString &text);

// The one way a text value is written into SQL: between single quotes, each quote doubled.
// Statements pass their values bound; only a statement kept as text for running again later
// (the navigator's search, which reports run once more) writes them in.
QString sqlText(const QString &value);

// A date as the dialect writes it between number signs: month/day/year with a four-digit year,
// the same whatever the user's locale, so the engine never reads the day as the month.
QString sqlDate(const QDate &date);
