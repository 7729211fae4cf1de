#include "tst_FieldValues.h"
#include "TestRegistry.h"

#include "ExpectRefusal.h"
#include "Recordset.h"
#include "ScratchDatabase.h"

#include <QTest>

namespace {

const QString Customer = QStringLiteral("Customer");

} // namespace

void tst_FieldValues::readsValuesByColumnType()
{
    ScratchDatabase scratch;
    const qint64 id = scratch.insert(QStringLiteral("Equipment"),
        { { Customer, QStringLiteral("Acme") }, { QStringLiteral("LeaseEnds"), QDate(2004, 1, 5) },
            { QStringLiteral("MonthlyPayment"), 12.5 },
            { QStringLiteral("DateEntered"), QDateTime(QDate(2004, 1, 5), QTime(10, 30)) } });
    Recordset rs = scratch.db().openRecordset(
        QStringLiteral("SELECT * FROM Equipment WHERE ID = %1").arg(id));
    QCOMPARE(rs.field(QStringLiteral("ID")).typeId(), int(QMetaType::LongLong));
    QCOMPARE(rs.field(QStringLiteral("ID")).toLongLong(), id);
    QCOMPARE(rs.field(QStringLiteral("LeaseEnds")).typeId(), int(QMetaType::QDate));
    QCOMPARE(rs.field(QStringLiteral("LeaseEnds")).toDate(), QDate(2004, 1, 5));
    QCOMPARE(rs.field(QStringLiteral("DateEntered")).typeId(), int(QMetaType::QDateTime));
    QCOMPARE(rs.field(QStringLiteral("DateEntered")).toDateTime(),
        QDateTime(QDate(2004, 1, 5), QTime(10, 30)));
    QCOMPARE(rs.field(QStringLiteral("MonthlyPayment")).typeId(), int(QMetaType::Double));
    QCOMPARE(rs.field(QStringLiteral("MonthlyPayment")).toDouble(), 12.5);
    QCOMPARE(rs.field(QStringLiteral("Customer")).typeId(), int(QMetaType::QString));
    QVERIFY(!rs.field(QStringLiteral("DatePurchased")).isValid());
}

void tst_FieldValues::widths_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");

    QTest::newRow("city 50") << "Customer"
                             << "City" << QString(50, 'c') << true;
    QTest::newRow("city 51") << "Customer"
                             << "City" << QString(51, 'c') << false;
    QTest::newRow("name 51") << "Customer"
                             << "Customer" << QString(51, 'n') << false;
    QTest::newRow("website 100") << "Customer"
                                 << "Website" << QString(100, 'w') << true;
    QTest::newRow("website 101") << "Customer"
                                 << "Website" << QString(101, 'w') << false;
    QTest::newRow("accented 50") << "Customer"
                                 << "State" << QString(50, QChar(0xE9)) << true;
    QString faces;
    for (int i = 0; i < 50; ++i)
        faces += QString::fromUcs4(U"\U0001F600", 1);
    QTest::newRow("50 characters beyond the BMP") << "Customer"
                                                  << "Fax" << faces << true;
    QTest::newRow("brand 51") << "Equipment"
                              << "Brand" << QString(51, 'b') << false;
    QTest::newRow("notes long") << "Equipment"
                                << "Notes" << QString(100000, 'n') << true;
    QTest::newRow("interest long") << "Telemarket"
                                   << "Interest" << QString(70000, 'i') << true;
    QTest::newRow("telemarketer 51") << "Telemarket"
                                     << "Telemarketer" << QString(51, 't') << false;
}

void tst_FieldValues::widths()
{
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(QString, text);
    QFETCH(bool, fits);
    ScratchDatabase scratch;
    Recordset rs = scratch.db().openRecordset(QStringLiteral("SELECT TOP 1 * FROM ") + table);
    rs.addNew();
    if (!fits) {
        expectRefusal([&] { rs.setField(column, text); },
            QStringLiteral("The text for %1 is too long: at most").arg(column));
        return;
    }
    rs.setField(column, text);
    rs.update();
    QCOMPARE(scratch.column(QStringLiteral("SELECT %1 FROM %2").arg(column, table)),
        QStringList { text });
}

void tst_FieldValues::payments_data()
{
    QTest::addColumn<QVariant>("written");
    QTest::addColumn<QVariant>("stored");

    QTest::newRow("plain text") << QVariant("12.50") << QVariant(12.5);
    QTest::newRow("blanks around") << QVariant(" 7 ") << QVariant(7.0);
    QTest::newRow("not a number") << QVariant("soon") << QVariant(0.0);
    QTest::newRow("zero text") << QVariant("0.0") << QVariant(0.0);
    QTest::newRow("shown form") << QVariant("$1,234.50") << QVariant(1234.5);
    QTest::newRow("shown negative") << QVariant("($12.00)") << QVariant(-12.0);
    QTest::newRow("comma is no decimal point") << QVariant("12,50") << QVariant(0.0);
    QTest::newRow("rounded text") << QVariant("1.23456") << QVariant(1.2346);
    QTest::newRow("rounded number") << QVariant(3.14159) << QVariant(3.1416);
    QTest::newRow("whole number") << QVariant(250) << QVariant(250.0);
    QTest::newRow("null") << QVariant() << QVariant();
}

void tst_FieldValues::payments()
{
    QFETCH(QVariant, written);
    QFETCH(QVariant, stored);
    ScratchDatabase scratch;
    Recordset rs = scratch.db().openRecordset(QStringLiteral("SELECT TOP 1 * FROM Equipment"));
    rs.addNew();
    rs.setField(QStringLiteral("MonthlyPayment"), written);
    rs.update();
    QCOMPARE(rs.field(QStringLiteral("MonthlyPayment")), stored);
}

void tst_FieldValues::datesFromText_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QVariant>("written");
    QTest::addColumn<QVariant>("stored");

    QTest::newRow("date") << "LeaseEnds" << QVariant(QDate(2004, 1, 5))
                          << QVariant(QDate(2004, 1, 5));
    QTest::newRow("date-time to date")
        << "LeaseEnds" << QVariant(QDateTime(QDate(2004, 1, 5), QTime(23, 59)))
        << QVariant(QDate(2004, 1, 5));
    QTest::newRow("dialect text") << "LeaseEnds" << QVariant("1/5/2004")
                                  << QVariant(QDate(2004, 1, 5));
    QTest::newRow("iso text") << "DateLeased" << QVariant("2004-12-31")
                              << QVariant(QDate(2004, 12, 31));
    QTest::newRow("empty text") << "DateLeased" << QVariant("") << QVariant();
    QTest::newRow("date to date-time") << "DateEntered" << QVariant(QDate(2004, 1, 5))
                                       << QVariant(QDateTime(QDate(2004, 1, 5), QTime(0, 0)));
    QTest::newRow("invalid date") << "LeaseEnds" << QVariant(QDate()) << QVariant();
}

void tst_FieldValues::datesFromText()
{
    QFETCH(QString, column);
    QFETCH(QVariant, written);
    QFETCH(QVariant, stored);
    ScratchDatabase scratch;
    Recordset rs = scratch.db().openRecordset(QStringLiteral("SELECT TOP 1 * FROM Equipment"));
    rs.addNew();
    rs.setField(column, written);
    rs.update();
    QCOMPARE(rs.field(column), stored);
}

CORVANE_TEST(tst_FieldValues)
