#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

// The generic order of grid cells when a column is sorted: two numbers compare as numbers, two
// dates (the short date form the grids show, with or without a time of day) as dates, anything
// else as text ignoring letter case. Comparing a number with a text by the text alone would not
// give an order at all ("2" < "10" as numbers, "10" < "1a" and "1a" < "2" as text), so cells of
// different kinds are ordered by kind: empty, numbers, dates, text.
class CellOrder
{
public:
    struct Key
    {
        int kind = 0;
        double number = 0;
        qint64 moment = 0;
        QString text; // case-folded
        bool operator<(const Key &other) const;
    };

    CellOrder();
    Key keyOf(QStringView cell);

private:
    bool dateOf(QStringView cell, qint64 &moment);

    QString m_dateFormats[2];
    QString m_timeFormats[2];
    // Grid columns repeat the same dates and times many times over; each is parsed once.
    QHash<QString, qint64> m_days;
    QHash<QString, int> m_times;
};
