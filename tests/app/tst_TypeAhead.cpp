#include "tst_TypeAhead.h"
#include "TestRegistry.h"

#include "MainMod.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

namespace {

double fakeNow = 0;
double fakeClock()
{
    return fakeNow;
}

// Types keys[i] at times[i] (seconds since midnight); the list's text after each key.
QStringList typeInto(QComboBox &list, const QString &keys, const QList<double> &times)
{
    QStringList shown;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        fakeNow = times.at(i);
        quint16 keyAscii = keys.at(i).unicode();
        ComboTypeAhead(&list, keyAscii);
        if (keyAscii != 0)
            return { QStringLiteral("key %1 was not swallowed").arg(i) };
        shown << list.currentText();
    }
    return shown;
}

} // namespace

void tst_TypeAhead::cleanupTestCase()
{
    setTypeAheadClock(nullptr);
}

void tst_TypeAhead::typing_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("startIndex");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QList<double>>("times");
    QTest::addColumn<QStringList>("shown");

    const QStringList names = { "Salem", "Smith", "Smithfield" };
    QTest::newRow("s m i quickly") << names << -1 << "smi" << QList<double> { 100, 100.1, 100.2 }
                                   << QStringList { "Salem", "Smith", "Smith" };
    QTest::newRow("letter case is ignored")
        << names << -1 << "SmIthF" << QList<double> { 100, 100.1, 100.2, 100.3, 100.4, 100.5 }
        << QStringList { "Salem", "Smith", "Smith", "Smith", "Smith", "Smithfield" };
    QTest::newRow("the search always starts at the top")
        << names << 2 << "s" << QList<double> { 100 } << QStringList { "Salem" };
    QTest::newRow("no match keeps the selection and the prefix until a pause")
        << QStringList { "Mason", "Salem", "Smith" } << -1 << "sxmsm"
        << QList<double> { 100, 100.1, 100.2, 101, 101.05 }
        << QStringList { "Salem", "Salem", "Salem", "Salem", "Smith" };
    QTest::newRow("a first key that matches nothing keeps the selection")
        << names << 1 << "x" << QList<double> { 100 } << QStringList { "Smith" };
    QTest::newRow("a pause of exactly half a second starts anew") << QStringList { "Mason", "Salem",
        "Smith" } << -1 << "sm" << QList<double> { 100, 100.5 } << QStringList { "Salem", "Mason" };
    QTest::newRow("just under half a second continues")
        << QStringList { "Mason", "Salem", "Smith" } << -1 << "sm" << QList<double> { 100, 100.49 }
        << QStringList { "Salem", "Smith" };
    QTest::newRow("quick keys keep adding to the prefix")
        << names << -1 << "smithf" << QList<double> { 100, 100.4, 100.8, 101.2, 101.6, 102.0 }
        << QStringList { "Salem", "Smith", "Smith", "Smith", "Smith", "Smithfield" };
    QTest::newRow("backspace extends the prefix instead of shortening it")
        << QStringList { "Salem", "Smith" } << -1 << "s\bm" << QList<double> { 100, 100.1, 100.2 }
        << QStringList { "Salem", "Salem", "Salem" };
    QTest::newRow("enter is a character that matches nothing")
        << QStringList { "Salem", "Smith" } << -1 << "s\rm" << QList<double> { 100, 100.1, 100.2 }
        << QStringList { "Salem", "Salem", "Salem" };
    QTest::newRow("a blank is a character too")
        << QStringList { "Newark", "New York" } << -1 << "new "
        << QList<double> { 100, 100.1, 100.2, 100.3 }
        << QStringList { "Newark", "Newark", "Newark", "New York" };
    QTest::newRow("letters beyond ASCII ignore case too")
        << QStringList { "Eve", QString::fromUtf8("\xC3\x89mile") } << -1
        << QString::fromUtf8("\xC3\xA9") << QList<double> { 100 }
        << QStringList { QString::fromUtf8("\xC3\x89mile") };
    QTest::newRow("an empty list never selects")
        << QStringList {} << -1 << "sa" << QList<double> { 100, 100.1 } << QStringList { "", "" };
    QTest::newRow("quick keys across midnight continue")
        << QStringList { "Mason", "Salem", "Smith" } << -1 << "sm" << QList<double> { 86399.8, 0.1 }
        << QStringList { "Salem", "Smith" };
    QTest::newRow("a long pause across midnight starts anew")
        << QStringList { "Mason", "Salem", "Smith" } << -1 << "sm" << QList<double> { 86399.0, 0.1 }
        << QStringList { "Salem", "Mason" };
}

void tst_TypeAhead::typing()
{
    QFETCH(QStringList, entries);
    QFETCH(int, startIndex);
    QFETCH(QString, keys);
    QFETCH(QList<double>, times);
    QFETCH(QStringList, shown);

    setTypeAheadClock(fakeClock);
    QComboBox list;
    list.addItems(entries);
    list.setCurrentIndex(startIndex);
    QCOMPARE(typeInto(list, keys, times), shown);
}

void tst_TypeAhead::anotherListStartsFresh()
{
    setTypeAheadClock(fakeClock);
    QComboBox first, second;
    first.addItems({ "Salem", "Smith" });
    second.addItems({ "Mason", "Smith" });
    first.setCurrentIndex(-1);
    second.setCurrentIndex(-1);

    QCOMPARE(typeInto(first, "s", { 200 }), QStringList { "Salem" });
    // Within the half second, but in another list: "m" alone, not "sm".
    QCOMPARE(typeInto(second, "m", { 200.1 }), QStringList { "Mason" });
    // And back again: "i" alone matches nothing in the first list.
    QCOMPARE(typeInto(first, "i", { 200.2 }), QStringList { "Salem" });
}

void tst_TypeAhead::selectingIsNotPicking()
{
    // Typing moves the selection; it is not the user picking an entry.
    setTypeAheadClock(fakeClock);
    QComboBox list;
    list.addItems({ "Salem", "Smith" });
    list.setCurrentIndex(-1);
    QSignalSpy picked(&list, &QComboBox::activated);
    QSignalSpy moved(&list, &QComboBox::currentIndexChanged);
    QCOMPARE(typeInto(list, "sm", { 300, 300.1 }), (QStringList { "Salem", "Smith" }));
    QCOMPARE(picked.count(), 0);
    QCOMPARE(moved.count(), 2);
}

CORVANE_TEST(tst_TypeAhead)
