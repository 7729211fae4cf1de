#pragma once

#include "TextMemo.h"

#include <QHash>
#include <QString>
#include <QStringView>

// Reads back the times of day the grids show, in the long form of the user's settings without
// its zone or in the short form. A column of date-times holds tens of thousands of different
// times, and the locale's parser takes some ten microseconds for each; but their texts share a
// few shapes ("#:#:# PM", "#時#分#秒"), so each shape is parsed by the locale once and, where
// its digits then give the same time, read from its digits from then on.
class TimeTextReader
{
public:
    TimeTextReader();
    // Milliseconds since midnight; -1 where the text is no time of day.
    int read(QStringView text);

private:
    struct Shape
    {
        bool byDigits = false; // else by the locale's parser, text by text
        bool twelveHour = false;
        bool pm = false;
    };
    int parse(const QString &text, bool &twelveHour) const;
    int parseCached(QStringView text);

    QString m_formats[2];
    bool m_twelveHour[2] = {};
    QHash<QString, Shape> m_shapes;
    TextMemo<int> m_times;
};
