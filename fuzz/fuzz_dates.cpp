// Date texts: what a user types into a date box, the dates of the SQL dialect and the dates the
// grids show. A text read as a date, written in the same form and read again gives the same date;
// a grid reads the next day's cell as exactly one day later; a month added keeps the day where
// the month has it.

#include "DateCellReader.h"
#include "Dialect.h"
#include "Formats.h"
#include "FuzzCheck.h"
#include "TypedDate.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

const QLocale Locales[] = { QLocale(QLocale::English, QLocale::UnitedStates),
    QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::Hungarian, QLocale::Hungary),
    QLocale(QLocale::Korean, QLocale::SouthKorea), QLocale(QLocale::Arabic, QLocale::Egypt),
    QLocale(QLocale::English, QLocale::UnitedKingdom) };

// Forms users have: the short dates of the settings above and a few written out.
QString form(int which)
{
    static const QString fixed[]
        = { "M/d/yy", "dd.MM.yyyy", "yy. M. d.", "d MMM yyyy", "yyyy-MM-dd", "d/M/yyyy" };
    return which < 6 ? fixed[which] : fourDigitYearDateFormat();
}

QString describe(const QString &text, const QString &format, QDate date)
{
    return QStringLiteral("%1 | %2 | %3 | %4")
        .arg(text, format, date.toString(Qt::ISODate), QLocale().name());
}

void typed(const QString &text, const QString &format, QDate today, bool twoDigitYears)
{
    const QDate date = readTypedDate(text, format, today, twoDigitYears);
    if (!date.isValid() || !format.contains(QLatin1String("yyyy")))
        return;
    const QString written = QLocale().toString(date, format);
    const QDate again = readTypedDate(written, format, today, false);
    fuzzCheck(again == date, "a typed date written and read again",
        describe(text, format, date) + " -> " + written);
}

void dialect(const QString &text)
{
    const QDateTime when = parseDialectDate(text);
    if (!when.isValid())
        return;
    const QDateTime again = parseDialectDate(sqlDate(when.date()));
    fuzzCheck(again.date() == when.date(), "a dialect date written and read again",
        text + " -> " + sqlDate(when.date()));
}

void cells(QDate date)
{
    if (date.year() < 1000 || date.year() > 9998)
        return;
    const QString shown = QLocale().toString(date, fourDigitYearDateFormat());
    const QString next = QLocale().toString(date.addDays(1), fourDigitYearDateFormat());
    DateCellReader reader;
    qint64 day = 0;
    qint64 dayAfter = 0;
    fuzzCheck(reader.read(shown, day) && reader.read(next, dayAfter), "a grid reads its dates",
        shown + " / " + next + " | " + QLocale().name());
    fuzzCheck(
        dayAfter - day == 24 * 3600 * 1000, "the next day is a day later", shown + " / " + next);
}

void months(QDate date, int count)
{
    const QDate later = addMonths(date, count);
    fuzzCheck(later.isValid(), "a month added to a date is a date", describe({}, {}, date));
    const int moved = (later.year() - date.year()) * 12 + later.month() - date.month();
    fuzzCheck(moved == count && later.day() == qMin(date.day(), later.daysInMonth()),
        "a month added keeps the day", describe(QString::number(count), {}, later));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    QLocale::setDefault(Locales[input.ConsumeIntegralInRange<size_t>(0, std::size(Locales) - 1)]);
    const QString format = form(input.ConsumeIntegralInRange(0, 6));
    const bool twoDigitYears = input.ConsumeBool();
    const QDate today = QDate(2000, 1, 1).addDays(input.ConsumeIntegralInRange(0, 40000));
    const QDate some = QDate(1000, 1, 1).addDays(input.ConsumeIntegralInRange(0, 3200000));
    const int count = input.ConsumeIntegralInRange(-1200, 1200);
    const QString text = QString::fromStdString(input.ConsumeRemainingBytesAsString());

    typed(text, format, today, twoDigitYears);
    dialect(text);
    cells(some);
    months(some, count);
    return 0;
}
