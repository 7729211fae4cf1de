#include "tst_Like.h"
#include "TestRegistry.h"

#include "Dialect.h"
#include "LikePattern.h"
#include "Recordset.h"
#include "ScratchDatabase.h"

#include <QTest>

void tst_Like::matches_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("expected");

    QTest::newRow("contains") << "*smith*"
                              << "John Smithers" << true;
    QTest::newRow("contains at start") << "*smith*"
                                       << "smith" << true;
    QTest::newRow("contains missing") << "*smith*"
                                      << "Smyth" << false;
    QTest::newRow("contains partial at end") << "*smith*"
                                             << "Blacksmit" << false;
    QTest::newRow("contains retry after false start") << "*aab*"
                                                      << "aaab" << true;
    QTest::newRow("contains accented word") << "*élan*"
                                            << "Société ÉLAN" << true;
    QTest::newRow("contains ascii in accented text") << "*ete*"
                                                     << "Société ÉLAN" << false;
    QTest::newRow("contains, kelvin sign folds to k") << "*kilo*"
                                                      << "\u212Ailo" << true;
    QTest::newRow("prefix, kelvin sign folds to k") << "ke*"
                                                    << "\u212Aelvin" << true;
    QTest::newRow("suffix, kelvin sign folds to k") << "*vink"
                                                    << "Elvin\u212A" << true;
    QTest::newRow("exact, kelvin sign folds to k") << "kelvin"
                                                   << "\u212AELVIN" << true;
    QTest::newRow("prefix, accent is no letter of its own") << "ec*"
                                                            << "École" << false;
    QTest::newRow("empty contains") << "**"
                                    << "" << true;
    QTest::newRow("star only") << "*"
                               << "anything" << true;
    QTest::newRow("exact ignores case") << "acme"
                                        << "ACME" << true;
    QTest::newRow("exact is whole value") << "acme"
                                          << "acme inc" << false;
    QTest::newRow("exact accented") << "ÄRZTE"
                                    << "ärzte" << true;
    QTest::newRow("empty pattern") << ""
                                   << "" << true;
    QTest::newRow("empty pattern, text") << ""
                                         << "a" << false;
    QTest::newRow("prefix") << "ac*"
                            << "Acme" << true;
    QTest::newRow("prefix too short") << "acme*"
                                      << "Acm" << false;
    QTest::newRow("prefix accented text") << "é*"
                                          << "École" << true;
    QTest::newRow("suffix") << "*inc"
                            << "Acme INC" << true;
    QTest::newRow("suffix accented") << "*ÉE"
                                     << "Née" << true;
    QTest::newRow("suffix missing") << "*inc"
                                    << "Inc." << false;
    QTest::newRow("question one char") << "a?c"
                                       << "abc" << true;
    QTest::newRow("question not zero") << "a?c"
                                       << "ac" << false;
    QTest::newRow("question accented char") << "a?c"
                                            << "aéc" << true;
    QTest::newRow("digit") << "#-##"
                           << "5-42" << true;
    QTest::newRow("digit refuses letter") << "#-##"
                                          << "5-4x" << false;
    QTest::newRow("list") << "[abc]x"
                          << "Bx" << true;
    QTest::newRow("list miss") << "[abc]x"
                               << "dx" << false;
    QTest::newRow("range") << "[a-f]*"
                           << "Delta" << true;
    QTest::newRow("range miss") << "[a-f]*"
                                << "Gamma" << false;
    QTest::newRow("negated list") << "[!abc]*"
                                  << "delta" << true;
    QTest::newRow("negated list miss") << "[!abc]*"
                                       << "Alpha" << false;
    QTest::newRow("negated range") << "*[!0-9]"
                                   << "12a" << true;
    QTest::newRow("literal star") << "*[*]*"
                                  << "a*b" << true;
    QTest::newRow("literal star miss") << "*[*]*"
                                       << "ab" << false;
    QTest::newRow("literal question") << "why[?]"
                                      << "why?" << true;
    QTest::newRow("literal hash") << "[#]1"
                                  << "#1" << true;
    QTest::newRow("literal hash not digit") << "[#]1"
                                            << "11" << false;
    QTest::newRow("literal bracket") << "[[]x]"
                                     << "[x]" << true;
    QTest::newRow("dash first in list") << "[-a]"
                                        << "-" << true;
    QTest::newRow("dash last in list") << "[a-]"
                                       << "-" << true;
    QTest::newRow("unclosed bracket is itself") << "*[ab*"
                                                << "x[ab" << true;
    QTest::newRow("empty list is nothing") << "a[]b"
                                           << "ab" << true;
    QTest::newRow("star backtracks") << "*a*b*c"
                                     << "xxaxxbxxbxc" << true;
    QTest::newRow("star backtracks, no") << "*a*b*c"
                                         << "xxaxxcxxbx" << false;
    QTest::newRow("wildcards in search word") << "*5?#*"
                                              << "Model 5X9 plus" << true;
    QTest::newRow("wildcard word, no") << "*5?#*"
                                       << "Model 5XY" << false;
    QTest::newRow("quote and semicolon") << "*o'b;--*"
                                         << "O'B;--rien" << true;
}

void tst_Like::matches()
{
    QFETCH(QString, pattern);
    QFETCH(QString, value);
    QFETCH(bool, expected);
    const QByteArray p = pattern.toUtf8();
    const QByteArray v = value.toUtf8();
    QCOMPARE(
        LikePattern(p.constData(), int(p.size())).matches(v.constData(), int(v.size())), expected);
}

void tst_Like::throughEngine_data()
{
    matches_data();
}

void tst_Like::throughEngine()
{
    // The same table through SQL: "value Like pattern" reaches the program's like() the right
    // way round, and the pattern compiled on the first row still holds on the second.
    QFETCH(QString, pattern);
    QFETCH(QString, value);
    QFETCH(bool, expected);
    ScratchDatabase scratch;
    scratch.insert(
        QStringLiteral("Customer"), { { QStringLiteral("Customer"), QStringLiteral("\x01") } });
    scratch.insert(QStringLiteral("Customer"), { { QStringLiteral("Customer"), value } });
    const QStringList found
        = scratch.column(QStringLiteral("SELECT Customer FROM Customer WHERE Customer Like %1")
                             .arg(sqlText(pattern)));
    QCOMPARE(found.contains(value), expected);
}

void tst_Like::nullGivesNull()
{
    ScratchDatabase scratch;
    Recordset rs = scratch.db().openRecordset(
        QStringLiteral("SELECT NULL Like '*', 'a' Like NULL, (NULL Like '*') IS NULL"));
    QVERIFY(!rs.field(0).isValid());
    QVERIFY(!rs.field(1).isValid());
    QCOMPARE(rs.field(2).toInt(), 1);
}

void tst_Like::patternFromColumn()
{
    // A pattern that changes from row to row is compiled afresh for each.
    ScratchDatabase scratch;
    scratch.insert(QStringLiteral("Customer"),
        { { QStringLiteral("Customer"), QStringLiteral("a*") },
            { QStringLiteral("City"), QStringLiteral("Alpha") } });
    scratch.insert(QStringLiteral("Customer"),
        { { QStringLiteral("Customer"), QStringLiteral("b?") },
            { QStringLiteral("City"), QStringLiteral("Beta") } });
    scratch.insert(QStringLiteral("Customer"),
        { { QStringLiteral("Customer"), QStringLiteral("*t?") },
            { QStringLiteral("City"), QStringLiteral("Beta") } });
    QCOMPARE(scratch.column(QStringLiteral("SELECT Customer FROM Customer WHERE City Like Customer "
                                           "ORDER BY Customer")),
        QStringList({ QStringLiteral("*t?"), QStringLiteral("a*") }));
}

CORVANE_TEST(tst_Like)
