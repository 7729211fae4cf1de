#include "tst_DemoData.h"
#include "TestRegistry.h"

#include "FoldedDuplicates.h"
#include "TableDump.h"

#include "Database.h"
#include "DbError.h"
#include "DemoGenerator.h"
#include "Schema.h"
#include "ScratchDatabase.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <stdexcept>

namespace {

constexpr int Customers = 1500;

// The customers' DateEntered by name, for the checks of the rows stored under them.
QHash<QString, QDateTime> customersEntered(Database &db)
{
    QHash<QString, QDateTime> entered;
    for (const QVariantList &row :
        TableDump::select(db, QStringLiteral("SELECT Customer, DateEntered FROM Customer")))
        entered.insert(row.at(0).toString(), row.at(1).toDateTime());
    return entered;
}

} // namespace

void tst_DemoData::initTestCase()
{
    m_demo = std::make_unique<ScratchDatabase>();
    QVERIFY(QFileInfo(m_demo->folder()).isDir());
    generateDemoData(m_demo->db(), Customers);
}

void tst_DemoData::sameArgumentsSameRows()
{
    ScratchDatabase again;
    generateDemoData(again.db(), Customers);
    QCOMPARE(TableDump::allTables(again.db()), TableDump::allTables(m_demo->db()));
}

void tst_DemoData::otherSeedOtherRows()
{
    ScratchDatabase other;
    generateDemoData(other.db(), Customers, 2);
    QVERIFY(TableDump::rows(other.db(), QStringLiteral("Customer"))
        != TableDump::rows(m_demo->db(), QStringLiteral("Customer")));
    QVERIFY(TableDump::rows(other.db(), QStringLiteral("Telemarket"))
        != TableDump::rows(m_demo->db(), QStringLiteral("Telemarket")));
}

void tst_DemoData::countsPerCustomer()
{
    const double machines
        = double(TableDump::count(m_demo->db(), QStringLiteral("SELECT Count(*) FROM Equipment")))
        / Customers;
    const double calls
        = double(TableDump::count(m_demo->db(), QStringLiteral("SELECT Count(*) FROM Telemarket")))
        / Customers;
    QVERIFY2(machines > 2.7 && machines < 3.3, qPrintable(QString::number(machines)));
    QVERIFY2(calls > 4.6 && calls < 5.4, qPrintable(QString::number(calls)));

    const qint64 withoutMachines = TableDump::count(m_demo->db(),
        QStringLiteral("SELECT Count(*) FROM Customer WHERE Customer NOT IN (SELECT Customer FROM "
                       "Equipment)"));
    const qint64 withoutCalls = TableDump::count(m_demo->db(),
        QStringLiteral("SELECT Count(*) FROM Customer WHERE Customer NOT IN (SELECT Customer FROM "
                       "Telemarket)"));
    QVERIFY2(withoutMachines > Customers / 20 && withoutMachines < Customers / 4,
        qPrintable(QString::number(withoutMachines)));
    QVERIFY2(withoutCalls > Customers / 30 && withoutCalls < Customers / 5,
        qPrintable(QString::number(withoutCalls)));

    // Every machine and call belongs to a customer of the file.
    QCOMPARE(TableDump::count(m_demo->db(),
                 QStringLiteral("SELECT Count(*) FROM Equipment WHERE Customer NOT IN (SELECT "
                                "Customer FROM Customer)")),
        qint64(0));
    QCOMPARE(TableDump::count(m_demo->db(),
                 QStringLiteral("SELECT Count(*) FROM Telemarket WHERE Customer NOT IN (SELECT "
                                "Customer FROM Customer)")),
        qint64(0));
}

void tst_DemoData::namesUniqueIgnoringCase()
{
    QStringList names;
    for (const QVariantList &row :
        TableDump::select(m_demo->db(), QStringLiteral("SELECT Customer FROM Customer"))) {
        const QString name = row.at(0).toString();
        QVERIFY2(!name.isEmpty() && name.size() <= 50, qPrintable(name));
        QVERIFY2(name == name.trimmed(), qPrintable(name));
        names << name;
    }
    QCOMPARE(names.size(), Customers);
    QCOMPARE(firstFoldedDuplicate(names), QString());
}

void tst_DemoData::namesHaveApostrophesAndAccents()
{
    int apostrophes = 0;
    int accents = 0;
    for (const QVariantList &row :
        TableDump::select(m_demo->db(), QStringLiteral("SELECT Customer FROM Customer"))) {
        const QString name = row.at(0).toString();
        apostrophes += name.contains(QLatin1Char('\''));
        accents
            += std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() > 0x7f; });
    }
    QVERIFY2(apostrophes > Customers / 100, qPrintable(QString::number(apostrophes)));
    QVERIFY2(accents > Customers / 50, qPrintable(QString::number(accents)));
}

void tst_DemoData::textColumnsAreNeverNull_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    for (const Schema::Table &table : Schema::tables()) {
        for (const Schema::Column &column : table.columns) {
            const bool text = column.type == Schema::ColumnType::Text
                || column.type == Schema::ColumnType::LongText;
            // The lease term is the one text column a purchased machine leaves Null.
            if (text && column.name != QLatin1String("LeaseTerm"))
                QTest::addRow("%s.%s", qPrintable(table.name), qPrintable(column.name))
                    << table.name << column.name;
        }
    }
}

void tst_DemoData::textColumnsAreNeverNull()
{
    QFETCH(QString, table);
    QFETCH(QString, column);
    QCOMPARE(TableDump::count(m_demo->db(),
                 QStringLiteral("SELECT Count(*) FROM %1 WHERE %2 IS NULL").arg(table, column)),
        qint64(0));
    QCOMPARE(TableDump::count(m_demo->db(),
                 QStringLiteral("SELECT Count(*) FROM %1 WHERE typeof(%2) <> 'text'")
                     .arg(table, column)),
        qint64(0));
}

void tst_DemoData::datesInTheDemoYears_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<bool>("nullable");
    QTest::newRow("Customer.DateEntered") << "Customer"
                                          << "DateEntered" << false;
    QTest::newRow("Equipment.DatePurchased") << "Equipment"
                                             << "DatePurchased" << true;
    QTest::newRow("Equipment.DateLeased") << "Equipment"
                                          << "DateLeased" << true;
    QTest::newRow("Equipment.LeaseEnds") << "Equipment"
                                         << "LeaseEnds" << true;
    QTest::newRow("Equipment.DateEntered") << "Equipment"
                                           << "DateEntered" << false;
    QTest::newRow("Telemarket.DateofCall") << "Telemarket"
                                           << "DateofCall" << false;
    QTest::newRow("Telemarket.NextCallBack") << "Telemarket"
                                             << "NextCallBack" << false;
    QTest::newRow("Telemarket.DateEntered") << "Telemarket"
                                            << "DateEntered" << false;
}

void tst_DemoData::datesInTheDemoYears()
{
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(bool, nullable);
    int nulls = 0;
    int beforeNow = 0;
    int afterNow = 0;
    const auto rows
        = TableDump::select(m_demo->db(), QStringLiteral("SELECT %1 FROM %2").arg(column, table));
    for (const QVariantList &row : rows) {
        if (row.at(0).isNull()) {
            ++nulls;
            continue;
        }
        // Dates read back as dates: the column holds ISO text the engine layer understands.
        const QDate day = row.at(0).typeId() == QMetaType::QDateTime ? row.at(0).toDateTime().date()
                                                                     : row.at(0).toDate();
        QVERIFY2(day.isValid(), qPrintable(row.at(0).toString()));
        QVERIFY2(day >= QDate(2019, 1, 1) && day <= QDate(2028, 12, 31),
            qPrintable(day.toString(Qt::ISODate)));
        (day < QDate(2025, 1, 1) ? beforeNow : afterNow) += 1;
    }
    QVERIFY(nullable || nulls == 0);
    QVERIFY(nulls < int(rows.size()));
    QVERIFY(beforeNow > 0);
    if (column != QLatin1String("DateEntered") && column != QLatin1String("DatePurchased")
        && column != QLatin1String("DateLeased"))
        QVERIFY2(afterNow > int(rows.size() - nulls) / 10,
            "the data should reach the years around today");
}

void tst_DemoData::leasedAndPurchasedMachines()
{
    static const QRegularExpression term(QStringLiteral("^(\\d+)( months| Months| mo)?$"));
    int leased = 0;
    int purchased = 0;
    const auto rows = TableDump::select(m_demo->db(),
        QStringLiteral("SELECT DatePurchased, DateLeased, LeaseTerm, LeaseEnds, MonthlyPayment, "
                       "Brand, Satisfied FROM Equipment"));
    for (const QVariantList &row : rows) {
        QVERIFY(!row.at(5).toString().isEmpty());
        QVERIFY(row.at(6).toString() == QLatin1String("Yes")
            || row.at(6).toString() == QLatin1String("No"));
        if (row.at(1).isNull()) {
            ++purchased;
            QVERIFY(row.at(0).toDate().isValid());
            QVERIFY(row.at(2).isNull() && row.at(3).isNull() && row.at(4).isNull());
            continue;
        }
        ++leased;
        QVERIFY(row.at(0).isNull());
        const QDate start = row.at(1).toDate();
        const QDate end = row.at(3).toDate();
        QVERIFY(end > start);
        const QRegularExpressionMatch match = term.match(row.at(2).toString());
        QVERIFY2(match.hasMatch(), qPrintable(row.at(2).toString()));
        QCOMPARE(end, start.addMonths(match.captured(1).toInt()));
        const double payment = row.at(4).toDouble();
        QCOMPARE(row.at(4).typeId(), QMetaType::Double);
        QVERIFY2(payment > 10 && payment < 1000, qPrintable(QString::number(payment)));
        QCOMPARE(qRound64(payment * 100) / 100.0, payment);
    }
    QCOMPARE(leased + purchased, int(rows.size()));
    QVERIFY(leased > int(rows.size()) / 3 && purchased > int(rows.size()) / 3);
}

void tst_DemoData::callsAndCallBacks()
{
    QSet<QString> callers;
    int sixMonths = 0;
    const auto rows = TableDump::select(m_demo->db(),
        QStringLiteral(
            "SELECT DateofCall, Telemarketer, NextCallBack, DateEntered FROM Telemarket"));
    for (const QVariantList &row : rows) {
        const QDate call = row.at(0).toDate();
        const QDate back = row.at(2).toDate();
        QVERIFY(back > call);
        sixMonths += back == call.addMonths(6);
        QVERIFY(!row.at(1).toString().isEmpty());
        callers.insert(row.at(1).toString());
        QCOMPARE(row.at(3).toDateTime().date(), call);
    }
    QVERIFY2(sixMonths > int(rows.size()) * 2 / 3, qPrintable(QString::number(sixMonths)));
    QVERIFY2(sixMonths < int(rows.size()), "some call backs are set by hand");
    QCOMPARE(callers.size(), 12);
}

void tst_DemoData::rowsEnteredAfterTheirCustomer()
{
    const QHash<QString, QDateTime> entered = customersEntered(m_demo->db());
    for (const char *table : { "Equipment", "Telemarket" }) {
        for (const QVariantList &row :
            TableDump::select(m_demo->db(),
                QStringLiteral("SELECT Customer, DateEntered FROM %1").arg(QLatin1String(table)))) {
            const QDateTime customer = entered.value(row.at(0).toString());
            QVERIFY2(row.at(1).toDateTime() > customer, qPrintable(row.at(0).toString()));
        }
    }
}

void tst_DemoData::typesAndCities()
{
    static const QStringList types { "Retail", "Medical", "Legal", "Education", "Government",
        "Manufacturing", "Non-Profit" };
    QHash<QString, int> typeCounts;
    QHash<QString, int> cityCounts;
    for (const QVariantList &row : TableDump::select(
             m_demo->db(), QStringLiteral("SELECT Type, City, State, Zip FROM Customer"))) {
        typeCounts[row.at(0).toString()] += 1;
        cityCounts[row.at(1).toString() + QLatin1Char(',') + row.at(2).toString()] += 1;
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{5}(-\\d{4})?$"))
                     .match(row.at(3).toString())
                     .hasMatch(),
            qPrintable(row.at(3).toString()));
    }
    for (const QString &type : typeCounts.keys())
        QVERIFY2(type.isEmpty() || types.contains(type), qPrintable(type));
    QVERIFY(typeCounts.value(QString()) > 0);
    QCOMPARE(typeCounts.size(), types.size() + 1);

    QList<int> sizes = cityCounts.values();
    std::sort(sizes.begin(), sizes.end());
    QVERIFY2(sizes.size() >= 45 && sizes.size() <= 70, qPrintable(QString::number(sizes.size())));
    // A few big cities hold many customers, most towns a handful.
    QVERIFY(sizes.last() > Customers / 15);
    QVERIFY(sizes.at(sizes.size() / 2) * 5 < sizes.last());
}

void tst_DemoData::negativeOrZeroCount()
{
    ScratchDatabase db;
    generateDemoData(db.db(), 0);
    QVERIFY(
        TableDump::allTables(db.db()) == (QStringList { "Customer", "Equipment", "Telemarket" }));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, generateDemoData(db.db(), -1));
}

void tst_DemoData::failedLoadLeavesTheFileAsItWas()
{
    ScratchDatabase probe;
    generateDemoData(probe.db(), 1);
    const QString first
        = TableDump::select(probe.db(), QStringLiteral("SELECT Customer FROM Customer"))
              .at(0)
              .at(0)
              .toString();

    // The same name in other letter case is there already: the load must fail as a whole.
    ScratchDatabase db;
    QCOMPARE(firstFoldedDuplicate({ first, first.toUpper() }).isEmpty(), false);
    db.addCustomer(first.toUpper());
    const QStringList before = TableDump::allTables(db.db());
    QVERIFY_THROWS_EXCEPTION(DbError, generateDemoData(db.db(), 50));
    QCOMPARE(TableDump::allTables(db.db()), before);

    // The indexes taken away for the load are back.
    QCOMPARE(
        TableDump::count(db.db(),
            QStringLiteral(
                "SELECT Count(*) FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL")),
        TableDump::count(probe.db(),
            QStringLiteral(
                "SELECT Count(*) FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL")));
    QVERIFY_THROWS_EXCEPTION(DbError, db.addCustomer(first.toLower()));
}

CORVANE_TEST(tst_DemoData)
