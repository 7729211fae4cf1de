#pragma once

#include <QDate>
#include <QString>
#include <optional>

// A window of days, both ends included.
struct DateWindow
{
    QDate start;
    QDate stop;
};

// What the navigator's controls say about the customers to find. An empty text is a criterion
// not in force; a window is in force when its check box is checked.
struct SearchCriteria
{
    QString customer;
    QString city;
    QString zip;
    QString type;
    std::optional<DateWindow> leaseEnds;
    std::optional<DateWindow> callBack;
    QString word1;
    QString word2;
};
