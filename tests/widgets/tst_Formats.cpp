#include "Formats.h"
#include "TestRegistry.h"

#include <QDateTime>
#include <QLocale>
#include <QTest>

class tst_Formats : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void initTestCase() { cleanup(); }
    void formatNumber_data();
    void formatNumber();
    void formatText_data();
    void formatText();
    void numericText_data();
    void numericText();
    void numberText_data();
    void numberText();
    void addMonths_data();
    void addMonths();
    void roundHalfEven_data();
    void roundHalfEven();
    void shownForms_data();
    void shownForms();
};

namespace {
const QString Optional = QStringLiteral("$#,###.##");
const QString Accounting = QStringLiteral("$#,##0.00;($#,##0.00)");
} // namespace

void tst_Formats::formatNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");

    QTest::newRow("optional: grouped, one decimal") << 1234.5 << Optional << "$1,234.5";
    QTest::newRow("optional: whole number keeps the point") << 12.0 << Optional << "$12.";
    QTest::newRow("optional: zero shows no digit") << 0.0 << Optional << "$.";
    QTest::newRow("optional: half rounds up") << 0.125 << Optional << "$.13";
    QTest::newRow("optional: decimal half, not binary") << 1.005 << Optional << "$1.01";
    QTest::newRow("optional: carry into thousands") << 999.995 << Optional << "$1,000.";
    QTest::newRow("optional: below half") << 0.004 << Optional << "$.";
    QTest::newRow("optional: millions") << 1234567.891 << Optional << "$1,234,567.89";
    QTest::newRow("optional: negative") << -5.0 << Optional << "-$5.";
    QTest::newRow("optional: negative half away from zero") << -2.675 << Optional << "-$2.68";
    QTest::newRow("accounting: positive") << 1234.5 << Accounting << "$1,234.50";
    QTest::newRow("accounting: negative in parentheses") << -1234.5 << Accounting << "($1,234.50)";
    QTest::newRow("accounting: zero") << 0.0 << Accounting << "$0.00";
    QTest::newRow("accounting: tiny negative is zero") << -0.001 << Accounting << "$0.00";
    QTest::newRow("accounting: negative rounds away") << -0.125 << Accounting << "($0.13)";
    QTest::newRow("accounting: billion") << 1e9 << Accounting << "$1,000,000,000.00";
    QTest::newRow("zero section") << 0.0 << "0.0;-0.0;nil"
                                  << "nil";
    QTest::newRow("zero section unused") << 2.25 << "0.0;-0.0;nil"
                                         << "2.3";
}

void tst_Formats::formatNumber()
{
    QFETCH(double, value);
    QFETCH(QString, format);
    QTEST(::formatNumber(value, format), "expected");
}

void tst_Formats::formatText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain number") << "1234.5"
                                  << "en_US"
                                  << "$1,234.5";
    QTest::newRow("already formatted") << "$1,234.5"
                                       << "en_US"
                                       << "$1,234.5";
    QTest::newRow("text unchanged") << "call Bob"
                                    << "en_US"
                                    << "call Bob";
    QTest::newRow("empty unchanged") << ""
                                     << "en_US"
                                     << "";
    QTest::newRow("number with words unchanged") << "12 units"
                                                 << "en_US"
                                                 << "12 units";
    QTest::newRow("user's separators") << "1234,5"
                                       << "de_DE"
                                       << "$1.234,5";
}

void tst_Formats::formatText()
{
    QFETCH(QString, text);
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    QTEST(::formatText(text, Optional), "expected");
}

void tst_Formats::numericText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("currency"); // as stored: four decimals, zero when no number

    auto row = [](const char *name, const char *text, const char *locale, bool numeric,
                   double value, double currency) {
        QTest::newRow(name) << QString::fromUtf8(text) << QString::fromLatin1(locale) << numeric
                            << value << currency;
    };
    row("integer", "42", "en_US", true, 42.0, 42.0);
    row("blanks around", "  42 ", "en_US", true, 42.0, 42.0);
    row("decimal", "1234.5", "en_US", true, 1234.5, 1234.5);
    row("dollar and thousands", "$1,234.50", "en_US", true, 1234.5, 1234.5);
    row("box's own display form", "$1,234,567.89", "en_US", true, 1234567.89, 1234567.89);
    row("minus before dollar", "-$5", "en_US", true, -5.0, -5.0);
    row("minus after dollar", "$-5", "en_US", true, -5.0, -5.0);
    row("parentheses", "($1,234.50)", "en_US", true, -1234.5, -1234.5);
    row("parentheses, blanks inside", "( $12.00 )", "en_US", true, -12.0, -12.0);
    row("fifth decimal rounds up", "0.00005", "en_US", true, 0.00005, 0.0001);
    row("decimal half, not binary", "1.00015", "en_US", true, 1.00015, 1.0002);
    row("negative half away from zero", "(0.00005)", "en_US", true, -0.00005, -0.0001);
    row("below the fourth decimal", "0.00004", "en_US", true, 0.00004, 0.0);
    row("many digits", "12345678.12345", "en_US", true, 12345678.12345, 12345678.1235);
    row("empty", "", "en_US", false, 0.0, 0.0);
    row("blank", "   ", "en_US", false, 0.0, 0.0);
    row("dollar alone", "$", "en_US", false, 0.0, 0.0);
    row("word", "abc", "en_US", false, 0.0, 0.0);
    row("trailing word", "12abc", "en_US", false, 0.0, 0.0);
    row("two points", "1.2.3", "en_US", false, 0.0, 0.0);
    row("infinity", "inf", "en_US", false, 0.0, 0.0);
    row("not a number", "nan", "en_US", false, 0.0, 0.0);
    row("signs twice", "(-5)", "en_US", false, 0.0, 0.0);
    row("open parenthesis only", "($5", "en_US", false, 0.0, 0.0);
    row("user's form", "1.234,5", "de_DE", true, 1234.5, 1234.5);
    row("user's display form", "($1.234,50)", "de_DE", true, -1234.5, -1234.5);
    row("user's own currency sign", "€12,5", "de_DE", true, 12.5, 12.5);
    row("C form where the user's fails", "1234.5", "de_DE", true, 1234.5, 1234.5);
    row("user's decimal comma", "$1,5", "de_DE", true, 1.5, 1.5);
    row("user's thousands, French blank", "1\u202f234,5", "fr_FR", true, 1234.5, 1234.5);
}

void tst_Formats::numericText()
{
    QFETCH(QString, text);
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    QTEST(isNumericText(text), "numeric");
    QTEST(toNumber(text), "value");
    QTEST(toCurrency(text), "currency");
}

void tst_Formats::numberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no grouping") << 1234.5 << "en_US"
                                 << "1234.5";
    QTest::newRow("whole") << 12.0 << "en_US"
                           << "12";
    QTest::newRow("four decimals") << 0.1235 << "en_US"
                                   << "0.1235";
    QTest::newRow("negative") << -3.25 << "en_US"
                              << "-3.25";
    QTest::newRow("user's decimal comma") << 1234.5 << "de_DE"
                                          << "1234,5";
}

void tst_Formats::numberText()
{
    QFETCH(double, value);
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    QTEST(::numberText(value), "expected");
    // What the payment box shows reads back as the same amount.
    QCOMPARE(toCurrency(::numberText(value)), value);
}

void tst_Formats::addMonths_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("months");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("end of January to February") << QDate(2023, 1, 31) << 1 << QDate(2023, 2, 28);
    QTest::newRow("leap February") << QDate(2024, 1, 31) << 1 << QDate(2024, 2, 29);
    QTest::newRow("back to February") << QDate(2024, 3, 31) << -1 << QDate(2024, 2, 29);
    QTest::newRow("to a 30-day month") << QDate(2023, 8, 31) << 1 << QDate(2023, 9, 30);
    QTest::newRow("across the year") << QDate(2023, 12, 15) << 1 << QDate(2024, 1, 15);
    QTest::newRow("a year") << QDate(2024, 2, 29) << 12 << QDate(2025, 2, 28);
    QTest::newRow("back over a year") << QDate(2024, 1, 10) << -13 << QDate(2022, 12, 10);
    QTest::newRow("none") << QDate(2024, 5, 5) << 0 << QDate(2024, 5, 5);
    QTest::newRow("15 March + 3") << QDate(2025, 3, 15) << 3 << QDate(2025, 6, 15);
    QTest::newRow("31 May + 1") << QDate(2025, 5, 31) << 1 << QDate(2025, 6, 30);
    QTest::newRow("31 January + 1, common year") << QDate(2025, 1, 31) << 1 << QDate(2025, 2, 28);
    QTest::newRow("31 January + 1, century not leap")
        << QDate(2100, 1, 31) << 1 << QDate(2100, 2, 28);
    QTest::newRow("31 January + 1, 400-year leap") << QDate(2000, 1, 31) << 1 << QDate(2000, 2, 29);
    QTest::newRow("31 October + 4 over the year end")
        << QDate(2024, 10, 31) << 4 << QDate(2025, 2, 28);
    QTest::newRow("back over the year end to a shorter month")
        << QDate(2025, 3, 31) << -4 << QDate(2024, 11, 30);
    QTest::newRow("16-bit months forward") << QDate(2024, 1, 31) << 32767 << QDate(4754, 8, 31);
    QTest::newRow("a century back") << QDate(2024, 2, 29) << -1200 << QDate(1924, 2, 29);
    QTest::newRow("invalid stays invalid") << QDate() << 3 << QDate();
}

void tst_Formats::addMonths()
{
    QFETCH(QDate, date);
    QFETCH(int, months);
    QTEST(::addMonths(date, months), "expected");
}

void tst_Formats::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("2.5 down") << 2.5 << 2.0;
    QTest::newRow("3.5 up") << 3.5 << 4.0;
    QTest::newRow("0.5 down") << 0.5 << 0.0;
    QTest::newRow("-2.5 toward zero") << -2.5 << -2.0;
    QTest::newRow("-3.5 away") << -3.5 << -4.0;
    QTest::newRow("below half") << 2.4 << 2.0;
    QTest::newRow("above half") << 2.6 << 3.0;
    QTest::newRow("negative above half") << -2.6 << -3.0;
    QTest::newRow("whole") << 6.0 << 6.0;
    QTest::newRow("16-bit top") << 32766.5 << 32766.0;
    QTest::newRow("16-bit bottom") << -32768.5 << -32768.0;
}

void tst_Formats::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(::roundHalfEven(value) + 0.0, expected + 0.0);
}

void tst_Formats::shownForms_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");

    QTest::newRow("en_US") << "en_US"
                           << "1/5/2023"
                           << "3:04:05 PM";
    QTest::newRow("de_DE") << "de_DE"
                           << "05.01.2023"
                           << "15:04:05";
    QTest::newRow("en_GB") << "en_GB"
                           << "05/01/2023"
                           << "15:04:05";
    // The zone goes with the brackets, comma or blank that set it apart.
    QTest::newRow("zone in brackets") << "es_ES"
                                      << "5/1/2023"
                                      << "15:04:05";
    QTest::newRow("zone after a comma") << "sq_AL"
                                        << "5.1.2023"
                                        << "3:04:05 E PASDITES";
    QTest::newRow("zone first") << "zh_HK"
                                << "5/1/2023"
                                << "下午3:04:05";
}

void tst_Formats::shownForms()
{
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    QTEST(QLocale().toString(QDate(2023, 1, 5), fourDigitYearDateFormat()), "date");
    QTEST(QLocale().toString(QTime(15, 4, 5), timeOfDayFormat()), "time");
}

CORVANE_TEST(tst_Formats)
#include "tst_Formats.moc"
