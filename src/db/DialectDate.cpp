#include "DialectDate.h"

#include <QRegularExpression>

namespace {

int fullYear(const QString &digits)
{
    const int year = digits.toInt();
    if (digits.size() > 2)
        return year;
    // Two-digit years as the dialect has always read them: 30 to 99 in the 1900s.
    return year < 30 ? 2000 + year : 1900 + year;
}

QTime parseTime(const QRegularExpressionMatch &m, int first)
{
    if (!m.hasCaptured(first))
        return QTime(0, 0);
    int hour = m.captured(first).toInt();
    const int minute = m.captured(first + 1).toInt();
    const int second = m.hasCaptured(first + 2) ? m.captured(first + 2).toInt() : 0;
    const QString half = m.captured(first + 3).toUpper();
    if (!half.isEmpty()) {
        if (hour < 1 || hour > 12)
            return {};
        hour = hour % 12 + (half == QLatin1String("PM") ? 12 : 0);
    }
    return QTime(hour, minute, second);
}

} // namespace

QDateTime parseDialectDate(const QString &text)
{
    static const QString time
        = QStringLiteral(R"((?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?(?:\s*([AaPp][Mm]))?)?)");
    static const QRegularExpression monthFirst(
        QStringLiteral(R"(^\s*(\d{1,2})/(\d{1,2})/(\d{4}|\d{2}))") + time
        + QStringLiteral(R"(\s*$)"));
    static const QRegularExpression yearFirst(
        QStringLiteral(R"(^\s*(\d{4})-(\d{1,2})-(\d{1,2}))") + time + QStringLiteral(R"(\s*$)"));

    QDate date;
    QRegularExpressionMatch m = monthFirst.match(text);
    if (m.hasMatch()) {
        date = QDate(fullYear(m.captured(3)), m.captured(1).toInt(), m.captured(2).toInt());
    } else {
        m = yearFirst.match(text);
        if (!m.hasMatch())
            return {};
        date = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    }
    const QTime clock = parseTime(m, 4);
    if (!date.isValid() || !clock.isValid())
        return {};
    // In UTC so that no daylight-saving gap moves the clock time that was written.
    return QDateTime(date, clock, Qt::UTC);
}
