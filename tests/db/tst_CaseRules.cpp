#include "tst_CaseRules.h"
#include "TestRegistry.h"

#include "DbError.h"
#include "Dialect.h"
#include "FoldedCollation.h"
#include "ScratchDatabase.h"

#include <QTest>

void tst_CaseRules::sameName_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("same");

    QTest::newRow("ascii") << "ACME Office"
                           << "acme office" << true;
    QTest::newRow("acute") << "Élan"
                           << "élan" << true;
    QTest::newRow("umlaut") << "ÄRZTE GmbH"
                            << "ärzte gmbh" << true;
    QTest::newRow("greek") << "ΩMEGA"
                           << "ωmega" << true;
    QTest::newRow("cyrillic") << "ДАША"
                              << "даша" << true;
    QTest::newRow("kelvin sign") << "\u212Aappa"
                                 << "kappa" << true;
    QTest::newRow("accent differs") << "Elan"
                                    << "Élan" << false;
    QTest::newRow("sharp s is not ss") << "Straße"
                                       << "STRASSE" << false;
    QTest::newRow("blanks count") << "a b"
                                  << "a  b" << false;
    QTest::newRow("apostrophe") << "O'BRIEN"
                                << "o'brien" << true;
}

void tst_CaseRules::sameName()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, same);
    ScratchDatabase scratch;
    scratch.insert(QStringLiteral("Customer"),
        { { QStringLiteral("Customer"), first }, { QStringLiteral("City"), first } });
    scratch.insert(QStringLiteral("Customer"),
        { { QStringLiteral("Customer"), QStringLiteral("other") },
            { QStringLiteral("City"), second } });

    const QString where = QStringLiteral(" FROM Customer WHERE City %1 ") + sqlText(second);
    QCOMPARE(scratch.column(QStringLiteral("SELECT count(*)") + where.arg(QStringLiteral("="))),
        QStringList { same ? QStringLiteral("2") : QStringLiteral("1") });
    QCOMPARE(scratch.column(QStringLiteral("SELECT count(*)") + where.arg(QStringLiteral("Like"))),
        QStringList { same ? QStringLiteral("2") : QStringLiteral("1") });
    QCOMPARE(
        scratch.column(QStringLiteral("SELECT DISTINCT City FROM Customer")).size(), same ? 1 : 2);

    // The name is unique ignoring case: a second customer under the same name is refused.
    bool refused = false;
    try {
        scratch.insert(QStringLiteral("Customer"), { { QStringLiteral("Customer"), second } });
    } catch (const DbError &error) {
        refused = true;
        QVERIFY2(error.message().contains(QLatin1String("UNIQUE")), qPrintable(error.message()));
    }
    QCOMPARE(refused, same);
}

void tst_CaseRules::orders_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("ordered");

    QTest::newRow("ascii mixed case") << QStringList { "cherry", "Banana", "apple", "DATE" }
                                      << QStringList { "apple", "Banana", "cherry", "DATE" };
    QTest::newRow("underscore before letters")
        << QStringList { "b", "_x", "A" } << QStringList { "_x", "A", "b" };
    QTest::newRow("accented capitals with their small letters")
        << QStringList { "éclat", "Zebra", "Éclair", "ÄRZTE", "äpfel" }
        << QStringList { "Zebra", "äpfel", "ÄRZTE", "Éclair", "éclat" };
    QTest::newRow("prefix first") << QStringList { "Abcd", "ABC", "ab" }
                                  << QStringList { "ab", "ABC", "Abcd" };
}

void tst_CaseRules::orders()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, ordered);
    ScratchDatabase scratch;
    for (const QString &name : names)
        scratch.insert(QStringLiteral("Customer"),
            { { QStringLiteral("Customer"), name }, { QStringLiteral("City"), name } });
    // By the unique index on the name, and by sorting a column without one.
    QCOMPARE(
        scratch.column(QStringLiteral("SELECT Customer FROM Customer ORDER BY Customer")), ordered);
    QCOMPARE(scratch.column(QStringLiteral("SELECT City FROM Customer ORDER BY City")), ordered);
    std::reverse(ordered.begin(), ordered.end());
    QCOMPARE(
        scratch.column(QStringLiteral("SELECT City FROM Customer ORDER BY City DESC")), ordered);
}

void tst_CaseRules::keysOrderAsTheEngine_data()
{
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");

    QTest::newRow("ascii case") << QByteArray("ACME") << QByteArray("acme");
    QTest::newRow("ascii order") << QByteArray("Banana") << QByteArray("apple");
    QTest::newRow("prefix") << QByteArray("ab") << QByteArray("ABC");
    QTest::newRow("empty") << QByteArray("") << QByteArray("a");
    QTest::newRow("accented capital") << QString("Élan").toUtf8() << QString("élan").toUtf8();
    QTest::newRow("accent after z") << QString("zebra").toUtf8() << QString("äpfel").toUtf8();
    QTest::newRow("two and three bytes") << QString("ÿ").toUtf8() << QString("ДАША").toUtf8();
    QTest::newRow("kelvin sign") << QString("\u212Aappa").toUtf8() << QByteArray("kappa");
    QTest::newRow("astral") << QString("a\U0001F600").toUtf8() << QString("a\uFFFD").toUtf8();
    QTest::newRow("stray byte against astral")
        << QByteArray("a\xFF") << QString("a\U0010FFFF").toUtf8();
    QTest::newRow("two stray bytes") << QByteArray("\x80x") << QByteArray("\xC3");
    QTest::newRow("symbols between cases") << QByteArray("a_") << QByteArray("A[");
}

// Names found and sorted in the program must agree with the engine's comparison exactly.
void tst_CaseRules::keysOrderAsTheEngine()
{
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    const int engine
        = FoldedCollation::compare(a.constData(), int(a.size()), b.constData(), int(b.size()));
    const QByteArray ka = FoldedCollation::key(a.constData(), int(a.size()));
    const QByteArray kb = FoldedCollation::key(b.constData(), int(b.size()));
    QCOMPARE(sign(ka.compare(kb)), sign(engine));
    QCOMPARE(sign(kb.compare(ka)), -sign(engine));
}

CORVANE_TEST(tst_CaseRules)
