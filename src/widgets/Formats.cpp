#include "Formats.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace {

// One section of a display format: literal text around one run of digit places.
struct Section
{
    QString prefix;
    QString suffix;
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool grouping = false;
    bool point = false;
};

bool isDigitPlace(QChar c)
{
    return c == QLatin1Char('0') || c == QLatin1Char('#');
}

Section parseSection(QStringView text)
{
    Section s;
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isDigitPlace(c) || (c == QLatin1Char('.') && first < 0)) {
            if (first < 0)
                first = i;
            last = i;
        } else if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
            last = i;
        }
    }
    if (first < 0) {
        s.prefix = text.toString();
        return s;
    }
    // A trailing separator still belongs to the number ("#,###." shows the point).
    s.prefix = text.first(first).toString();
    s.suffix = text.sliced(last + 1).toString();
    bool decimals = false;
    for (const QChar c : text.sliced(first, last - first + 1)) {
        if (c == QLatin1Char('.')) {
            decimals = true;
            s.point = true;
        } else if (c == QLatin1Char(',') && !decimals) {
            s.grouping = true;
        } else if (isDigitPlace(c) && decimals) {
            ++s.maxDecimals;
            if (c == QLatin1Char('0'))
                s.minDecimals = s.maxDecimals;
        } else if (c == QLatin1Char('0')) {
            ++s.minIntegerDigits;
        }
    }
    return s;
}

// |value| as decimal digits rounded half away from zero at `decimals` places. The rounding works
// on the 15 significant digits a double reliably holds, so 1.005 is taken as the 1.005 typed.
struct Digits
{
    QString integer; // without leading zeros, possibly empty
    QString fraction; // exactly `decimals` digits
    bool isZero() const
    {
        return integer.isEmpty() && std::all_of(fraction.begin(), fraction.end(), [](QChar c) {
            return c == QLatin1Char('0');
        });
    }
};

Digits roundedDigits(double value, int decimals)
{
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    QString digits;
    const char *p = buffer;
    for (; *p && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            digits += QLatin1Char(*p);
    }
    int pointAt = (*p == 'e' ? std::atoi(p + 1) : 0) + 1; // digits before the decimal point

    const int keep = pointAt + decimals;
    if (keep < 0) {
        digits.clear();
    } else if (keep < digits.size()) {
        const bool up = digits[keep] >= QLatin1Char('5');
        digits.truncate(keep);
        if (up) {
            int i = keep - 1;
            for (; i >= 0 && digits[i] == QLatin1Char('9'); --i)
                digits[i] = QLatin1Char('0');
            if (i >= 0) {
                digits[i] = QChar(digits[i].unicode() + 1);
            } else {
                digits.prepend(QLatin1Char('1'));
                ++pointAt;
            }
        }
    }
    if (pointAt < 0) {
        digits.prepend(QString(-pointAt, QLatin1Char('0')));
        pointAt = 0;
    }
    if (digits.size() < pointAt + decimals)
        digits += QString(pointAt + decimals - digits.size(), QLatin1Char('0'));

    Digits d;
    d.integer = digits.first(pointAt);
    d.fraction = digits.sliced(pointAt, decimals);
    while (d.integer.startsWith(QLatin1Char('0')))
        d.integer.remove(0, 1);
    return d;
}

QString applySection(const Section &s, const Digits &d)
{
    const QLocale locale;
    QString integer = d.integer;
    if (integer.size() < s.minIntegerDigits)
        integer.prepend(QString(s.minIntegerDigits - integer.size(), QLatin1Char('0')));
    if (s.grouping) {
        for (qsizetype at = integer.size() - 3; at > 0; at -= 3)
            integer.insert(at, locale.groupSeparator());
    }
    QString fraction = d.fraction;
    while (fraction.size() > s.minDecimals && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    QString number = integer;
    if (s.point)
        number += locale.decimalPoint() + fraction;
    return s.prefix + number + s.suffix;
}

std::optional<double> parseNumber(QStringView text)
{
    QStringView t = text.trimmed();
    // Most grid cells are words; no number starts with a letter.
    if (t.isEmpty() || t.front().isLetter())
        return std::nullopt;
    bool parenthesised = false;
    if (t.size() >= 2 && t.startsWith(QLatin1Char('(')) && t.endsWith(QLatin1Char(')'))) {
        parenthesised = true;
        t = t.sliced(1, t.size() - 2).trimmed();
    }
    auto takeSign = [&t](QString &sign) {
        if (sign.isEmpty() && (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+')))) {
            sign = t.first(1).toString();
            t = t.sliced(1);
        }
    };
    QString sign;
    takeSign(sign);
    // The display formats write "$"; a user may type the currency sign of their own settings.
    if (t.startsWith(QLatin1Char('$'))) {
        t = t.sliced(1).trimmed();
    } else if (!t.isEmpty() && !t.front().isDigit() && !t.front().isPunct()) {
        const QString ownSign = QLocale().currencySymbol();
        if (!ownSign.isEmpty() && t.startsWith(ownSign))
            t = t.sliced(ownSign.size()).trimmed();
    }
    takeSign(sign);
    if (t.isEmpty() || (parenthesised && !sign.isEmpty()))
        return std::nullopt;

    const QString plain = sign + t.toString();
    bool ok = false;
    double value = QLocale().toDouble(plain, &ok);
    if (!ok)
        value = QLocale::c().toDouble(plain, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return parenthesised ? -value : value;
}

} // namespace

QString formatNumber(double value, const QString &format)
{
    if (format.isEmpty() || !std::isfinite(value))
        return QString::number(value, 'g', 15);
    const QStringList sections = format.split(QLatin1Char(';'));
    const Section positive = parseSection(sections[0]);

    const Digits digits = roundedDigits(value, positive.maxDecimals);
    if (digits.isZero() && sections.size() > 2) {
        const Section zero = parseSection(sections[2]);
        return applySection(zero, roundedDigits(0, zero.maxDecimals));
    }
    if (value >= 0 || digits.isZero())
        return applySection(positive, digits);
    if (sections.size() > 1) {
        const Section negative = parseSection(sections[1]);
        return applySection(negative, roundedDigits(value, negative.maxDecimals));
    }
    return QLatin1Char('-') + applySection(positive, digits);
}

QString formatText(const QString &text, const QString &format)
{
    if (format.isEmpty())
        return text;
    const std::optional<double> value = parseNumber(text);
    return value ? formatNumber(*value, format) : text;
}

bool isNumericText(QStringView text)
{
    return parseNumber(text).has_value();
}

double toNumber(QStringView text)
{
    return parseNumber(text).value_or(0.0);
}

std::optional<double> numericValue(QStringView text)
{
    return parseNumber(text);
}

double toCurrency(QStringView text)
{
    const std::optional<double> value = parseNumber(text);
    if (!value)
        return 0.0;
    const Digits d = roundedDigits(*value, 4);
    const double amount = QLocale::c().toDouble(
        (d.integer.isEmpty() ? QStringLiteral("0") : d.integer) + QLatin1Char('.') + d.fraction);
    return *value < 0 && !d.isZero() ? -amount : amount;
}

QString numberText(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', QLocale::FloatingPointShortest);
}

QDate addMonths(QDate date, int months)
{
    // QDate already clamps the day to the length of the target month.
    return date.isValid() ? date.addMonths(months) : QDate();
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double below = std::floor(value);
    const double rest = value - below;
    if (rest < 0.5)
        return below;
    if (rest > 0.5)
        return below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

QString fourDigitYearDateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString timeOfDayFormat()
{
    QString format = QLocale().timeFormat(QLocale::LongFormat);
    // The zone is the one field 't' outside quoted text; its neighbours that only set it apart
    // go with it.
    static const QString apart = QStringLiteral(" ,()[]");
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] == QLatin1Char('\'')) {
            quoted = !quoted;
        } else if (!quoted && format[i] == QLatin1Char('t')) {
            qsizetype first = i;
            qsizetype last = i + 1;
            while (first > 0 && apart.contains(format[first - 1]))
                --first;
            while (last < format.size() && apart.contains(format[last]))
                ++last;
            format.remove(first, last - first);
            break;
        }
    }
    return format.trimmed();
}
