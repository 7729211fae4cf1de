#include "TextWidthGauge.h"
#include "TestRegistry.h"

#include <QApplication>
#include <QTest>

// The estimates that decide which texts of a large grid are measured.
class tst_TextWidthGauge : public QObject
{
    Q_OBJECT
private slots:
    void cellsOfALine_data();
    void cellsOfALine();
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

void tst_TextWidthGauge::widestIsMeasured()
{
    // Many texts near the widest: the result still covers the widest exactly.
    TextWidthGauge gauge(QApplication::font());
    QStringList texts;
    for (int i = 0; i < 500; ++i)
        texts << QString("Customer %1").arg(i, 4, 10, QChar('0'));
    texts[321] = "Customer WWWW";
    std::vector<int> estimates;
    for (const QString &t : texts)
        estimates.push_back(gauge.estimate(t));
    const int widest = gauge.widest(
        estimates.data(), int(texts.size()), [&texts](int i) { return QStringView(texts[i]); });
    QVERIFY(widest >= gauge.exact(texts[321]));
    QVERIFY(widest <= gauge.estimate(texts[321]) + 1);
}

CORVANE_TEST(tst_TextWidthGauge)
#include "tst_TextWidthGauge.moc"
