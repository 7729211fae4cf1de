#include "LongValues.h"

#include "TempDatabase.h"

#include <QStringList>

QString LongValues::fit(const QString &text, int width)
{
    QString out = text;
    while (out.size() < width)
        out += ' ' + text;
    return out.left(width);
}

QString LongValues::numberedWords(const QString &stem, int words)
{
    QStringList out;
    for (int i = 0; i < words; ++i)
        out << QString("%1%2").arg(stem).arg(i, 4, 10, QChar('0'));
    return out.join(' ');
}

QHash<QString, QVariantMap> LongValues::rows(const QString &name)
{
    QVariantMap customer;
    const QStringList texts { "Address1", "Address2", "City", "State", "Zip", "Phone", "Fax",
        "Type", "Contact1", "Contact1Title", "Contact1Phone", "Contact1Fax", "Contact2",
        "Contact2Title", "Contact2Phone", "Contact2Fax" };
    for (const QString &column : texts)
        customer[column] = fit(column + " of the customer", 50);
    customer["Contact1Email"] = fit("first.contact.of.the.customer@example.com", 50);
    customer["Contact2Email"] = fit("second.contact.of.the.customer@example.com", 50);
    customer["Website"] = fit("www.customer-with-a-very-long-address.example.com/", 100);
    customer["DateEntered"] = "2023-04-05 10:20:30";
    QVariantMap machine { { "SN", fit("SN7Q4K9X2M8P3L6", 50) },
        { "Provider", fit("Provider of the machine", 50) }, { "DateLeased", "2024-01-05" },
        { "LeaseTerm", fit("Lease term", 50) }, { "LeaseEnds", "2027-01-05" },
        { "MonthlyVolume", fit("Volume", 50) }, { "MonthlyPayment", 99999999.99 },
        { "Satisfied", fit("Satisfied", 50) }, { "Notes", numberedWords("note", 120) } };
    for (const char *column : { "Brand", "Model" })
        machine[column] = fit(QString(column) + " of the machine", 50);
    const QVariantMap call { { "Telemarketer", fit("Telemarketer of the call", 50) },
        { "DateofCall", "2024-02-03" }, { "NextCallBack", "2024-08-03" },
        { "Interest", numberedWords("interest", 60) } };
    customer["Customer"] = name;
    return { { "Customer", customer }, { "Equipment", machine }, { "Telemarket", call } };
}

void LongValues::add(TempDatabase &db, const QHash<QString, QVariantMap> &rows)
{
    const QString name = rows["Customer"]["Customer"].toString();
    db.addCustomer(name, rows["Customer"]);
    db.addMachine(name, rows["Equipment"]);
    db.addCall(name, rows["Telemarket"]);
}
