#include "TestRegistry.h"
#include "TypedDate.h"

#include <QTest>

// Reading typed dates in forms the locales use, on a fixed day.
class tst_TypedDate : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void initTestCase() { cleanup(); }
    void read_data();
    void read();
};

void tst_TypedDate::read_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("twoDigitYears");
    QTest::addColumn<QDate>("expected"); // invalid: not a date

    const QDate none;
    // Today is 1 June 2025: two-digit years reach from 1945 to 2044.
    QTest::newRow("19 years ahead") << "M/d/yy"
                                    << "3/5/44" << true << QDate(2044, 3, 5);
    QTest::newRow("20 years ahead is 80 back") << "M/d/yy"
                                               << "3/5/45" << true << QDate(1945, 3, 5);
    QTest::newRow("century turn") << "M/d/yy"
                                  << "3/5/00" << true << QDate(2000, 3, 5);
    QTest::newRow("two digits not allowed") << "M/d/yyyy"
                                            << "3/5/25" << false << none;
    QTest::newRow("one-digit year") << "M/d/yyyy"
                                    << "3/5/5" << true << none;
    QTest::newRow("three-digit day") << "M/d/yyyy"
                                     << "3/105/2025" << true << none;
    QTest::newRow("spaces around") << "dd.MM.yyyy"
                                   << " 5 . 3 .2025 " << true << QDate(2025, 3, 5);
    QTest::newRow("quoted closing word") << "d.MM.yy 'r'."
                                         << "5.03.25 r." << true << QDate(2025, 3, 5);
    QTest::newRow("closing word left off") << "d.MM.yy 'r'."
                                           << "5.03.25" << true << QDate(2025, 3, 5);
    QTest::newRow("separator missing inside") << "dd.MM.yyyy"
                                              << "05.032025" << true << none;
    QTest::newRow("month by name") << "dd-MMM-yyyy"
                                   << "05-Mar-2025" << true << QDate(2025, 3, 5);
    QTest::newRow("31 April") << "M/d/yyyy"
                              << "4/31/2025" << true << none;
    QTest::newRow("empty") << "M/d/yyyy"
                           << "" << true << none;
}

void tst_TypedDate::read()
{
    QFETCH(QString, format);
    QFETCH(QString, text);
    QFETCH(bool, twoDigitYears);
    QTEST(readTypedDate(text, format, QDate(2025, 6, 1), twoDigitYears), "expected");
}

CORVANE_TEST(tst_TypedDate)
#include "tst_TypedDate.moc"
