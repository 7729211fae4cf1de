#include "DemoRowWriter.h"

#include "DemoCall.h"
#include "DemoCustomer.h"
#include "DemoMachine.h"

#include <QStringList>
#include <initializer_list>

namespace {

QString insertInto(const char *table, const QStringList &columns)
{
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(QLatin1String(table), columns.join(QStringLiteral(", ")),
            marks.join(QStringLiteral(", ")));
}

const QString &customerInsert()
{
    static const QString sql = insertInto("Customer",
        { QStringLiteral("Customer"), QStringLiteral("Address1"), QStringLiteral("Address2"),
            QStringLiteral("City"), QStringLiteral("State"), QStringLiteral("Zip"),
            QStringLiteral("Phone"), QStringLiteral("Fax"), QStringLiteral("Website"),
            QStringLiteral("Type"), QStringLiteral("Contact1"), QStringLiteral("Contact1Title"),
            QStringLiteral("Contact1Phone"), QStringLiteral("Contact1Fax"),
            QStringLiteral("Contact1Email"), QStringLiteral("Contact2"),
            QStringLiteral("Contact2Title"), QStringLiteral("Contact2Phone"),
            QStringLiteral("Contact2Fax"), QStringLiteral("Contact2Email"),
            QStringLiteral("DateEntered") });
    return sql;
}

const QString &machineInsert()
{
    static const QString sql = insertInto("Equipment",
        { QStringLiteral("Customer"), QStringLiteral("Brand"), QStringLiteral("Model"),
            QStringLiteral("SN"), QStringLiteral("Provider"), QStringLiteral("DatePurchased"),
            QStringLiteral("DateLeased"), QStringLiteral("LeaseTerm"), QStringLiteral("LeaseEnds"),
            QStringLiteral("MonthlyVolume"), QStringLiteral("MonthlyPayment"),
            QStringLiteral("Satisfied"), QStringLiteral("Notes"), QStringLiteral("DateEntered") });
    return sql;
}

const QString &callInsert()
{
    static const QString sql = insertInto("Telemarket",
        { QStringLiteral("Customer"), QStringLiteral("DateofCall"), QStringLiteral("Telemarketer"),
            QStringLiteral("NextCallBack"), QStringLiteral("Interest"),
            QStringLiteral("DateEntered") });
    return sql;
}

void run(PreparedStatement &statement, std::initializer_list<QVariant> values)
{
    int position = 1;
    for (const QVariant &value : values)
        statement.bind(position++, value);
    statement.execute();
}

// A date the row does not have is Null; so is an absent lease term or payment.
QVariant orNull(const QDate &date)
{
    return date.isValid() ? QVariant(date) : QVariant();
}
template <typename T> QVariant orNull(const std::optional<T> &value)
{
    return value ? QVariant::fromValue(*value) : QVariant();
}

} // namespace

DemoRowWriter::DemoRowWriter(Database &db)
    : m_customer(db, customerInsert())
    , m_machine(db, machineInsert())
    , m_call(db, callInsert())
{ }

void DemoRowWriter::write(const DemoCustomer &row)
{
    const DemoContact &c1 = row.contact1;
    const DemoContact &c2 = row.contact2;
    run(m_customer,
        { row.customer, row.address1, row.address2, row.city, row.state, row.zip, row.phone,
            row.fax, row.website, row.type, c1.name, c1.title, c1.phone, c1.fax, c1.email, c2.name,
            c2.title, c2.phone, c2.fax, c2.email, row.dateEntered });
}

void DemoRowWriter::write(const QString &customer, const DemoMachine &row)
{
    run(m_machine,
        { customer, row.brand, row.model, row.sn, row.provider, orNull(row.datePurchased),
            orNull(row.dateLeased), orNull(row.leaseTerm), orNull(row.leaseEnds), row.monthlyVolume,
            orNull(row.monthlyPayment), row.satisfied, row.notes, row.dateEntered });
}

void DemoRowWriter::write(const QString &customer, const DemoCall &row)
{
    run(m_call,
        { customer, row.dateofCall, row.telemarketer, row.nextCallBack, row.interest,
            row.dateEntered });
}
