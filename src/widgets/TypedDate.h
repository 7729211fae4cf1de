#pragma once

#include <QDate>
#include <QString>

// Reads a whole date as a user types it in a short date form such as "M/d/yy", "dd.MM.yyyy" or
// "yy. M. d.": the day, the month and the year as numbers in the form's order, between the
// form's own separators. Day and month take one or two digits whatever the form writes; the
// year takes four digits, or two where twoDigitYears allows, read as the year among the 80
// before and the 19 after the year of `today`. Spaces and invisible marks around the numbers do
// not matter, and a separator that ends the form may be left off. Forms that name the month or
// the day are read as the user's locale writes them. Anything else, a day its month does not
// have included, gives an invalid date: a text is never bent into some other date.
QDate readTypedDate(QStringView text, const QString &format, QDate today, bool twoDigitYears);
