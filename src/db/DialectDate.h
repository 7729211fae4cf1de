#pragma once

#include <QDateTime>
#include <QString>

// The text between the number signs of a dialect date: month/day/year whatever the user's
// locale ("1/5/2004" is the fifth of January), or year-month-day, either with an optional time
// ("1/5/2004 10:30:00", "1/5/2004 10:30 PM"). Invalid when the text is no such date. The result
// is in UTC only so that its clock time is kept exactly as written.
QDateTime parseDialectDate(const QString &text);
