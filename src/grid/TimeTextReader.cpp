#include "TimeTextReader.h"

#include "Formats.h"

#include <QLocale>
#include <QTime>

namespace {

constexpr int NoValue = -1;
// Hours, minutes and seconds: the digit runs a time of day shows.
constexpr int MaxRuns = 3;

// Whether a time format writes AM or PM: an 'a' or 'A' outside quoted text.
bool writesAmPm(const QString &format)
{
    bool quoted = false;
    for (QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('a') || c == QLatin1Char('A')))
            return true;
    }
    return false;
}

struct Digits
{
    QString shape; // the text with each run of digits as one '#'
    int values[MaxRuns] = {};
    int runs = 0;
};

Digits digitsOf(QStringView text)
{
    Digits d;
    d.shape.reserve(text.size());
    bool inRun = false;
    for (QChar c : text) {
        const int digit = c.digitValue();
        if (digit < 0) {
            d.shape += c;
            inRun = false;
            continue;
        }
        if (!inRun) {
            d.shape += QLatin1Char('#');
            inRun = true;
            if (++d.runs > MaxRuns)
                return d;
        }
        int &value = d.values[d.runs - 1];
        value = std::min(value * 10 + digit, 1000); // beyond any field, and no overflow
    }
    return d;
}

int timeFromDigits(const Digits &d, bool twelveHour, bool pm)
{
    const int hour = twelveHour ? d.values[0] % 12 + (pm ? 12 : 0) : d.values[0];
    const QTime time(hour, d.values[1], d.runs == MaxRuns ? d.values[2] : 0);
    // Two runs only for the short form; 12-hour clocks have no hour 0 or above 12.
    const bool inRange = !twelveHour || (d.values[0] >= 1 && d.values[0] <= 12);
    return time.isValid() && inRange && d.runs >= 2 ? time.msecsSinceStartOfDay() : NoValue;
}

} // namespace

TimeTextReader::TimeTextReader()
{
    m_formats[0] = timeOfDayFormat();
    m_formats[1] = QLocale().timeFormat(QLocale::ShortFormat);
    for (int i = 0; i < 2; ++i)
        m_twelveHour[i] = writesAmPm(m_formats[i]);
}

int TimeTextReader::read(QStringView text)
{
    const Digits d = digitsOf(text);
    if (d.runs > MaxRuns)
        return NoValue;
    auto shape = m_shapes.constFind(d.shape);
    if (shape != m_shapes.constEnd()) {
        return shape->byDigits ? timeFromDigits(d, shape->twelveHour, shape->pm)
                               : parseCached(text);
    }
    bool twelveHour = false;
    const int value = parse(text.toString(), twelveHour);
    if (value == NoValue)
        return NoValue; // another text of this shape may still be a time ("25:00" and "23:00")
    Shape learned;
    learned.twelveHour = twelveHour;
    learned.pm = value >= 12 * 3600 * 1000;
    learned.byDigits = timeFromDigits(d, learned.twelveHour, learned.pm) == value;
    m_shapes.insert(d.shape, learned);
    return value;
}

int TimeTextReader::parse(const QString &text, bool &twelveHour) const
{
    const QLocale locale;
    for (int i = 0; i < 2; ++i) {
        const QTime time = locale.toTime(text, m_formats[i]);
        if (time.isValid()) {
            twelveHour = m_twelveHour[i];
            return time.msecsSinceStartOfDay();
        }
    }
    return NoValue;
}

int TimeTextReader::parseCached(QStringView text)
{
    return m_times.get(text, [this](const QString &key) {
        bool twelveHour = false;
        return parse(key, twelveHour);
    });
}
