#include "tst_TextRows.h"
#include "TestRegistry.h"

#include "DbError.h"
#include "EngineFunctions.h"
#include "ScratchDatabase.h"
#include "TextRows.h"

#include <QTest>

void tst_TextRows::readsStoredText()
{
    ScratchDatabase s;
    s.insert(QStringLiteral("Customer"),
        { { QStringLiteral("Customer"), QStringLiteral("Zoë's Büro") },
            { QStringLiteral("City"), QStringLiteral("") },
            { QStringLiteral("DateEntered"), QDateTime(QDate(2024, 1, 5), QTime(9, 8, 7)) } });
    s.insert(
        QStringLiteral("Customer"), { { QStringLiteral("Customer"), QStringLiteral("Abel") } });

    // The program's dialect is translated: the date between number signs is 5 January.
    TextRows rows = s.db().openTextRows(
        QStringLiteral("SELECT Customer, City, Zip, DateEntered, length(Customer) FROM Customer "
                       "WHERE DateEntered >= #1/5/2024# "
                       "OR DateEntered Is Null ORDER BY Customer"));
    QCOMPARE(rows.columnCount(), 5);
    QVERIFY(rows.next());
    QCOMPARE(rows.text(0), QByteArrayView("Abel"));
    QVERIFY(rows.isNull(1));
    QVERIFY(rows.next());
    QCOMPARE(QString::fromUtf8(rows.text(0).toByteArray()), QStringLiteral("Zoë's Büro"));
    // Empty text is not Null.
    QVERIFY(!rows.isNull(1));
    QVERIFY(rows.text(1).isEmpty());
    QVERIFY(rows.isNull(2));
    QCOMPARE(rows.text(3), QByteArrayView("2024-01-05 09:08:07"));
    QCOMPARE(rows.number(4), 10);
    QVERIFY(!rows.next());
    QVERIFY(!rows.next());

    // Read to the end, the statement holds back no change.
    s.db().execute(QStringLiteral("DELETE * FROM Customer"));
    QCOMPARE(s.column(QStringLiteral("SELECT count(*) FROM Customer")), QStringList { "0" });
}

void tst_TextRows::failureStopsTheRows()
{
    ScratchDatabase s;
    s.insert(QStringLiteral("Customer"), { { QStringLiteral("Customer"), QStringLiteral("A") } });
    QVERIFY_THROWS_EXCEPTION(
        DbError, s.db().openTextRows(QStringLiteral("SELECT Nothing FROM Customer")));
    // A function refusing its arguments fails the step, not the compiling.
    TextRows rows
        = s.db().openTextRows(QStringLiteral("SELECT WordMask(0, Customer) FROM Customer"));
    QVERIFY_THROWS_EXCEPTION(DbError, rows.next());
    QVERIFY(!rows.next());
    // As many words as the search takes, and no more.
    const auto words = [&s](int count) {
        QStringList patterns;
        for (int i = 0; i < count; ++i)
            patterns << QStringLiteral("'*%1*'").arg(i);
        return s.db().openTextRows(QStringLiteral("SELECT WordMask(%1, %2, '0123')")
                                       .arg(count)
                                       .arg(patterns.join(QLatin1Char(','))));
    };
    TextRows tooMany = words(MaxSearchWords + 1);
    QVERIFY_THROWS_EXCEPTION(DbError, tooMany.next());
    TextRows atTheLimit = words(MaxSearchWords);
    QVERIFY(atTheLimit.next());
    QCOMPARE(atTheLimit.number(0), (1 << MaxSearchWords) - 1);
    QVERIFY(!atTheLimit.next());
    s.db().execute(QStringLiteral("DELETE * FROM Customer"));
}

void tst_TextRows::wordMask_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("mask");

    QTest::newRow("one word found") << "1, '*red*', 'a', 'Bored'" << 1;
    QTest::newRow("one word missing") << "1, '*red*', 'a', 'b'" << 0;
    QTest::newRow("second word only") << "2, '*red*', '*blue*', 'x', 'BLUE sky'" << 2;
    QTest::newRow("both in different columns") << "2, '*red*', '*blue*', 'red', 'blue'" << 3;
    QTest::newRow("both in one column") << "2, '*red*', '*blue*', 'red blue', NULL" << 3;
    QTest::newRow("null columns match nothing") << "1, '**', NULL, NULL" << 0;
    QTest::newRow("empty text matches a star") << "1, '**', ''" << 1;
    QTest::newRow("accented capital") << "1, '*élan*', 'ÉLAN GmbH'" << 1;
    QTest::newRow("digit wildcard") << "1, '*x#*', 'box7'" << 1;
    QTest::newRow("class") << "1, '*[bg]reen*', 'Green'" << 1;
    QTest::newRow("no columns") << "1, '*a*'" << 0;
}

void tst_TextRows::wordMask()
{
    QFETCH(QString, arguments);
    QFETCH(int, mask);
    ScratchDatabase s;
    TextRows rows = s.db().openTextRows(QStringLiteral("SELECT WordMask(%1)").arg(arguments));
    QVERIFY(rows.next());
    QCOMPARE(rows.number(0), mask);
}

CORVANE_TEST(tst_TextRows)
