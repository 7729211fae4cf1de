#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

class DemoRandom;

// One Equipment row of the demo data, either purchased or leased. For a purchased machine the
// lease columns are Null (an invalid date, an empty optional), for a leased one DatePurchased.
struct DemoMachine
{
    QString brand;
    QString model;
    QString sn;
    QString provider;
    QDate datePurchased;
    QDate dateLeased;
    std::optional<QString> leaseTerm;
    QDate leaseEnds;
    QString monthlyVolume;
    std::optional<double> monthlyPayment;
    QString satisfied;
    QString notes;
    QDateTime dateEntered;

    bool leased() const { return dateLeased.isValid(); }

    // A machine of a customer taken on at customerEntered; it is stored after that moment.
    static DemoMachine make(DemoRandom &random, const QDateTime &customerEntered);
};
