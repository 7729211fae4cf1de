#include "TestRegistry.h"
#include "TextWidthGauge.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QTest>

// The estimates that decide which texts of a large grid are measured.
class tst_TextWidthGauge : public QObject
{
    Q_OBJECT
private slots:
    void cellsOfALine_data();
    void cellsOfALine();
    void widestIsMeasured_data();
    void widestIsMeasured();
};

void tst_TextWidthGauge::cellsOfALine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("maxCells");
    QTest::addColumn<int>("first");
    QTest::addColumn<QStringList>("cells"); // what each estimate must equal

    QTest::newRow("all cells") << "ab\tc\tWWW" << 3 << 0 << QStringList { "ab", "c", "WWW" };
    QTest::newRow("from the second") << "ab\tc\tWWW" << 3 << 1 << QStringList { "c", "WWW" };
    QTest::newRow("missing cells") << "ab" << 3 << 0 << QStringList { "ab", "", "" };
    QTest::newRow("dropped cells") << "ab\tc\tWWW" << 2 << 0 << QStringList { "ab", "c", "" };
    QTest::newRow("empty cells") << "\t\tx" << 3 << 0 << QStringList { "", "", "x" };
    QTest::newRow("longest line counts")
        << "i\nWWWW\ni\tx" << 2 << 0 << QStringList { "WWWW", "x" };
    QTest::newRow("beyond Latin-1") << "Ωμέγα\t€" << 2 << 0 << QStringList { "Ωμέγα", "€" };
}

void tst_TextWidthGauge::cellsOfALine()
{
    QFETCH(QString, line);
    QFETCH(int, maxCells);
    QFETCH(int, first);
    QFETCH(QStringList, cells);
    TextWidthGauge gauge(QApplication::font());
    std::vector<int> estimates(size_t(cells.size()), -1);
    gauge.estimateCells(line, maxCells, first, int(cells.size()), estimates.data());
    for (int i = 0; i < cells.size(); ++i)
        QCOMPARE(estimates[size_t(i)], gauge.estimate(cells[i]));
}

void tst_TextWidthGauge::widestIsMeasured_data()
{
    // Texts of characters whose advances lie far from whole pixels, one kind each way, tell an
    // estimate that adds rounded advances from one that adds the real ones.
    QTest::addColumn<bool>("misleading"); // the widest text is the one of narrow characters
    QTest::newRow("many alike") << false;
    QTest::newRow("fractional advances") << true;
}

void tst_TextWidthGauge::widestIsMeasured()
{
    QFETCH(bool, misleading);
    const QFont font(QStringLiteral("Liberation Sans"), 8); // the grids' dialog font
    QCOMPARE(QFontInfo(font).family(), font.family()); // installed by the scripts

    QStringList texts;
    int widestAt = 0;
    if (misleading) {
        // Many texts of the character rounded up most, one a little wider of the one rounded
        // down most.
        const QFontMetricsF metrics(font);
        QChar down(u'i'), up(u'i');
        qreal most = -1, least = 1;
        for (char16_t c = u'!'; c <= u'~'; ++c) {
            const qreal advance = metrics.horizontalAdvance(QChar(c));
            const qreal off = advance - qRound(advance);
            if (off > most)
                most = off, down = QChar(c);
            if (off < least)
                least = off, up = QChar(c);
        }
        const QString wide(120, up);
        for (int i = 0; i < 100; ++i)
            texts << wide;
        const int count
            = int(metrics.horizontalAdvance(wide) / metrics.horizontalAdvance(down)) + 2;
        texts << QString(count, down);
        widestAt = int(texts.size()) - 1;
    } else {
        // Many texts near the widest: the result still covers the widest exactly.
        for (int i = 0; i < 500; ++i)
            texts << QString("Customer %1").arg(i, 4, 10, QChar('0'));
        texts[321] = "Customer WWWW";
        widestAt = 321;
    }

    TextWidthGauge gauge(font);
    std::vector<int> estimates;
    for (const QString &t : texts)
        estimates.push_back(gauge.estimate(t));
    const int widest
        = gauge.widest(estimates.data(), int(texts.size()), [&texts](int i) { return texts[i]; });
    int exact = 0;
    for (const QString &t : texts)
        exact = std::max(exact, gauge.exact(t));
    QVERIFY2(widest >= exact, qPrintable(QString("%1 < %2").arg(widest).arg(exact)));
    QVERIFY2(widest <= exact + 1, qPrintable(QString("%1 > %2 + 1").arg(widest).arg(exact)));
    QCOMPARE(gauge.exact(texts[widestAt]), exact);
}

CORVANE_TEST(tst_TextWidthGauge)
#include "tst_TextWidthGauge.moc"
