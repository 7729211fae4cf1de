#include "tst_ConfigReader.h"
#include "TestRegistry.h"

#include "ConfigError.h"
#include "ConfigReader.h"

#include <QTest>

namespace {

const QString FileName = QStringLiteral("/opt/corvane/config.txt");

QString stopped(const QString &cause)
{
    return QStringLiteral("The configuration file %1 could not be used: %2.").arg(FileName, cause);
}

} // namespace

void tst_ConfigReader::items_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("items");

    const QStringList usual
        = { "Corvane", "Database", "/srv/customers.db", "Call back months", "6" };
    QTest::newRow("the usual three lines, CR LF") << QByteArray(
        "\"Corvane\"\r\n\"Database\",\"/srv/customers.db\"\r\n"
        "\"Call back months\",6\r\n") << usual;
    QTest::newRow("LF line ends") << QByteArray(
        "\"Corvane\"\n\"Database\",\"/srv/customers.db\"\n\"Call back months\",6\n")
                                  << usual;
    QTest::newRow("CR line ends") << QByteArray(
        "\"Corvane\"\r\"Database\",\"/srv/customers.db\"\r\"Call back months\",6\r")
                                  << usual;
    QTest::newRow("no quotes, no final line end")
        << QByteArray("Corvane\nDatabase,/srv/customers.db\nCall back months,6") << usual;
    QTest::newRow("only the order counts")
        << QByteArray("Corvane,Database\n/srv/customers.db\nCall back months\n6") << usual;
    QTest::newRow("extra lines after the third are never read")
        << QByteArray("Corvane\nDatabase,/srv/customers.db\nCall back months,6\nmore,\"x\"\n7\n")
        << usual;
    QTest::newRow("a quoted path holds commas")
        << QByteArray("\"Corvane\"\n\"Database\",\"/srv/Smith, Jones, Co/customers.db\"\n"
                      "\"Call back months\",6\n")
        << QStringList { "Corvane", "Database", "/srv/Smith, Jones, Co/customers.db",
               "Call back months", "6" };
    QTest::newRow("blanks before an item skipped, trailing blanks of a bare item dropped")
        << QByteArray(
               "  Corvane  \n \t Database ,  /srv/my customers.db \t\nCall back months, 6 \n")
        << QStringList { "Corvane", "Database", "/srv/my customers.db", "Call back months", "6" };
    QTest::newRow("a quoted item keeps its blanks")
        << QByteArray("\" Corvane \"\n\"Database\",\"  /srv/a.db  \"\nx,6\n")
        << QStringList { " Corvane ", "Database", "  /srv/a.db  ", "x", "6" };
    QTest::newRow("text after the closing quote is skipped")
        << QByteArray("\"Corvane\" heading\n\"Database\"label,\"/srv/a.db\" (main), ignored\nx,6\n")
        << QStringList { "Corvane", "Database", "/srv/a.db", "ignored", "x" };
    QTest::newRow("an empty line is an empty item")
        << QByteArray("Corvane\n\nDatabase,/srv/a.db\nx,6\n")
        << QStringList { "Corvane", "", "Database", "/srv/a.db", "x" };
    QTest::newRow("a blank line is an empty item")
        << QByteArray("Corvane\n   \nDatabase,/srv/a.db\nx,6\n")
        << QStringList { "Corvane", "", "Database", "/srv/a.db", "x" };
    QTest::newRow("a comma before the line end leaves an empty item")
        << QByteArray("Corvane\nDatabase,\n/srv/a.db\nx,6\n")
        << QStringList { "Corvane", "Database", "", "/srv/a.db", "x" };
    QTest::newRow("a comma at the very end is followed by an empty item")
        << QByteArray("Corvane\nDatabase,/srv/a.db\nCall back months,")
        << QStringList { "Corvane", "Database", "/srv/a.db", "Call back months", "" };
    QTest::newRow("a quote inside a bare item is kept")
        << QByteArray("Corvane\nDatabase,/srv/o\"neil.db\nx,6\n")
        << QStringList { "Corvane", "Database", "/srv/o\"neil.db", "x", "6" };
    QTest::newRow("a quoted item runs over a line end to its closing quote")
        << QByteArray("\"Cor\nvane\"\nDatabase,/srv/a.db\nx,6\n")
        << QStringList { "Cor\nvane", "Database", "/srv/a.db", "x", "6" };
    QTest::newRow("an unclosed quote runs to the end of the file")
        << QByteArray("Corvane\nDatabase,/srv/a.db\nx,\"6, or so")
        << QStringList { "Corvane", "Database", "/srv/a.db", "x", "6, or so" };
    QTest::newRow("a UTF-8 byte order mark is not part of the first item")
        << QByteArray("\xEF\xBB\xBF\"Corvane\"\nDatabase,/srv/a.db\nx,6\n")
        << QStringList { "Corvane", "Database", "/srv/a.db", "x", "6" };
    QTest::newRow("the mark's character at the start of a later item is part of it")
        << QByteArray("Corvane\nDatabase,\xEF\xBB\xBF/srv/a.db\nx,6\n")
        << QStringList { "Corvane", "Database", QString(QChar(0xFEFF)) + "/srv/a.db", "x", "6" };
    QTest::newRow("UTF-8 text") << QByteArray("Corvane\nDatabase,/srv/Bj\xC3\xB6rk.db\nx,6\n")
                                << QStringList { "Corvane", "Database",
                                       QString::fromUtf8("/srv/Bj\xC3\xB6rk.db"), "x", "6" };
    QTest::newRow("8-bit Western text")
        << QByteArray("Corvane\nDatabase,/srv/Bj\xF6rk.db\nx,6\n")
        << QStringList { "Corvane", "Database", QString::fromUtf8("/srv/Bj\xC3\xB6rk.db"), "x",
               "6" };
}

void tst_ConfigReader::items()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, items);
    QCOMPARE(readConfigItems(bytes, FileName), items);
}

void tst_ConfigReader::tooFewItems_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("found");

    QTest::newRow("empty file") << QByteArray() << 0;
    QTest::newRow("only a byte order mark") << QByteArray("\xEF\xBB\xBF") << 0;
    QTest::newRow("heading only") << QByteArray("\"Corvane\"\r\n") << 1;
    QTest::newRow("two lines") << QByteArray("Corvane\nDatabase,/srv/a.db\n") << 3;
    QTest::newRow("label without a value") << QByteArray("Corvane\nDatabase,/srv/a.db\nx\n") << 4;
    QTest::newRow("commas inside quotes do not count")
        << QByteArray("Corvane\n\"Database,/srv/a.db,x,6\"\n") << 2;
}

void tst_ConfigReader::tooFewItems()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, found);
    try {
        readConfigItems(bytes, FileName);
        QFAIL("the file was accepted");
    } catch (const ConfigError &error) {
        QCOMPARE(error.file(), FileName);
        QCOMPARE(error.message(),
            stopped(QStringLiteral("it holds fewer than five items (%1)").arg(found)));
    }
}

void tst_ConfigReader::number_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("months");

    QTest::newRow("six") << "6" << 6;
    QTest::newRow("a number with words after it") << "6 months" << 6;
    QTest::newRow("no digit at the start") << "abc" << 0;
    QTest::newRow("digits after words") << "about 6" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("a sign alone") << "-" << 0;
    QTest::newRow("a blank between sign and digits") << "- 5" << 0;
    QTest::newRow("a point alone") << "." << 0;
    QTest::newRow("hexadecimal is not read") << "0x10" << 0;
    QTest::newRow("leading blanks") << " \t 12" << 12;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("plus sign") << "+7" << 7;
    QTest::newRow("negative") << "-3" << -3;
    QTest::newRow("2.5 goes to the even 2") << "2.5" << 2;
    QTest::newRow("3.5 goes to the even 4") << "3.5" << 4;
    QTest::newRow("-2.5 goes to the even -2") << "-2.5" << -2;
    QTest::newRow("-3.5 goes to the even -4") << "-3.5" << -4;
    QTest::newRow("0.5 goes to 0") << "0.5" << 0;
    QTest::newRow("above a half rounds up") << "2.51" << 3;
    QTest::newRow("below a half rounds down") << "3.49" << 3;
    QTest::newRow("fraction without integer digits") << ".6" << 1;
    QTest::newRow("negative fraction") << "-.6" << -1;
    QTest::newRow("trailing point") << "5." << 5;
    QTest::newRow("comma is not a decimal point") << "5,9" << 5;
    QTest::newRow("exponent") << "1e2" << 100;
    QTest::newRow("capital exponent with sign") << "25E-1" << 2;
    QTest::newRow("an e without digits is not an exponent") << "12e" << 12;
    QTest::newRow("an e with a sign only is not an exponent") << "12e+x" << 12;
    QTest::newRow("a tiny exponent gives 0") << "1e-999" << 0;
    QTest::newRow("largest") << "32767" << 32767;
    QTest::newRow("smallest") << "-32768" << -32768;
    QTest::newRow("just below the top rounds into range") << "32767.4" << 32767;
    QTest::newRow("a half below the bottom goes to the even -32768") << "-32768.5" << -32768;
}

void tst_ConfigReader::number()
{
    QFETCH(QString, item);
    QFETCH(int, months);
    QCOMPARE(int(configNumber(item, FileName)), months);
}

void tst_ConfigReader::numberOutOfRange_data()
{
    QTest::addColumn<QString>("item");

    QTest::newRow("one above the top") << "32768";
    QTest::newRow("one below the bottom") << "-32769";
    QTest::newRow("a half above the top goes to the even 32768") << "32767.5";
    QTest::newRow("an exponent beyond the range") << "4e4";
    QTest::newRow("more than a double holds") << "1e999";
    QTest::newRow("more digits than a double holds") << QString(400, QLatin1Char('9'));
    QTest::newRow("far below") << "-70000 months";
}

void tst_ConfigReader::numberOutOfRange()
{
    QFETCH(QString, item);
    try {
        configNumber(item, FileName);
        QFAIL("the number was accepted");
    } catch (const ConfigError &error) {
        QCOMPARE(error.message(),
            stopped(QStringLiteral("the fifth item \"%1\" is outside -32768 to 32767").arg(item)));
    }
}

CORVANE_TEST(tst_ConfigReader)
