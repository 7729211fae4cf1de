#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <vector>

class DemoRandom;

// One Telemarket row of the demo data.
struct DemoCall
{
    QDate dateofCall;
    QString telemarketer;
    QDate nextCallBack;
    QString interest;
    QDateTime dateEntered;

    // The calls made to one customer since it was taken on, oldest first. Most are made by
    // the customer's usual caller and set the call back six months on.
    static std::vector<DemoCall> makeHistory(
        DemoRandom &random, const QDateTime &customerEntered, int count);
};
