#pragma once

#include <QDateTime>
#include <QString>

class DemoRandom;
struct DemoBusiness;

struct DemoContact
{
    QString name;
    QString title;
    QString phone;
    QString fax;
    QString email;
};

// One Customer row of the demo data. Every text column is text; a field the office never
// filled in is empty, as the customer window stores it.
struct DemoCustomer
{
    QString customer;
    QString address1;
    QString address2;
    QString city;
    QString state;
    QString zip;
    QString phone;
    QString fax;
    QString website;
    QString type;
    DemoContact contact1;
    DemoContact contact2;
    QDateTime dateEntered;

    static DemoCustomer make(
        DemoRandom &random, const DemoBusiness &business, const QDateTime &entered);
};
