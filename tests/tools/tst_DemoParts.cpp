#include "tst_DemoParts.h"
#include "TestRegistry.h"

#include "FoldedDuplicates.h"

#include "DemoBusinessNames.h"
#include "DemoRandom.h"
#include "DemoSlug.h"

#include <QTest>
#include <array>

void tst_DemoParts::slugs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("slug");
    QTest::newRow("apostrophe") << "O'Brien Dental"
                                << "obriendental";
    QTest::newRow("umlauts and ampersand") << "Müller & Söhne"
                                           << "mullersohne";
    QTest::newRow("acute capital") << "Café Élan"
                                   << "cafeelan";
    QTest::newRow("stroke") << "Łukasik"
                            << "lukasik";
    QTest::newRow("slashed o") << "Østergaard"
                               << "ostergaard";
    QTest::newRow("sharp s") << "Weiß"
                             << "weiss";
    QTest::newRow("caron and cedilla") << "Dvořák Gonçalves"
                                       << "dvorakgoncalves";
    QTest::newRow("digits and dots") << "St. Louis 2nd St."
                                     << "stlouis2ndst";
    QTest::newRow("nothing left") << "& - '"
                                  << "";
}

void tst_DemoParts::slugs()
{
    QFETCH(QString, text);
    QFETCH(QString, slug);
    QCOMPARE(DemoSlug::of(text), slug);
}

void tst_DemoParts::randomStaysInRange_data()
{
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::newRow("one value") << 5 << 5;
    QTest::newRow("two values") << 0 << 1;
    QTest::newRow("dice") << 1 << 6;
    QTest::newRow("negative") << -3 << 3;
    QTest::newRow("wide") << 0 << 99999;
}

void tst_DemoParts::randomStaysInRange()
{
    QFETCH(int, low);
    QFETCH(int, high);
    DemoRandom random(7);
    bool sawLow = false;
    bool sawHigh = false;
    for (int i = 0; i < 200000; ++i) {
        const int value = random.between(low, high);
        QVERIFY(value >= low && value <= high);
        sawLow |= value == low;
        sawHigh |= value == high;
    }
    // Both ends are reachable, so no range is cut short by one.
    QVERIFY(sawLow && sawHigh);
}

void tst_DemoParts::weightsOfZeroNeverChosen()
{
    static constexpr std::array<int, 5> Weights { 0, 3, 0, 1, 0 };
    DemoRandom random(11);
    std::array<int, 5> picked {};
    for (int i = 0; i < 40000; ++i)
        ++picked[std::size_t(random.weighted(Weights))];
    QCOMPARE(picked[0] + picked[2] + picked[4], 0);
    // Three to one, within a few per cent.
    QVERIFY2(picked[1] > 2.8 * picked[3] && picked[1] < 3.2 * picked[3],
        qPrintable(QString::number(picked[1])));
}

void tst_DemoParts::hundredThousandNamesStayUnique()
{
    DemoRandom random(1);
    DemoBusinessNames names;
    QStringList made;
    for (int i = 0; i < 100000; ++i) {
        made << names.next(random).name;
        QVERIFY2(made.last().size() <= DemoBusinessNames::MaxLength, qPrintable(made.last()));
    }
    QCOMPARE(firstFoldedDuplicate(made), QString());
}

CORVANE_TEST(tst_DemoParts)
