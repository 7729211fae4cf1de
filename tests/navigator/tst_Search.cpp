#include "NavigatorDriver.h"
#include "MainMod.h"
#include "Database.h"
#include "frmNavigator.h"
#include "DataGrid.h"
#include "ScriptedMsgBox.h"
#include "TempDatabase.h"
#include "TestRegistry.h"

#include <QDateTime>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(SearchCriteria)

// The navigator's search on a small customer base whose every customer tells one rule.
class tst_Search : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void finds_data();
    void finds();
    void customerCells();
    void emptyResultKeepsHeader();
    void newSearchEmptiesDetailGrids();
    void failedSearchKeepsStatement();

private:
    QStringList search(const SearchCriteria &criteria);

    std::unique_ptr<TempDatabase> m_db;
    std::unique_ptr<frmNavigator> m_form;
};

void tst_Search::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_db = std::make_unique<TempDatabase>();
    TempDatabase &d = *m_db;
    const QDateTime entered(QDate(2024, 3, 9), QTime(14, 5, 0));
    d.addCustomer("Acme Office", {{"Address1", "1 Main St"}, {"City", "Salem"}, {"State", "OR"},
                                  {"Zip", "97301"}, {"Type", "Retail"}, {"DateEntered", entered}});
    d.addMachine("Acme Office", {{"Brand", "Kestrel"}, {"Notes", "needs toner"},
                                 {"LeaseEnds", QDate(2026, 12, 15)}});
    d.addMachine("Acme Office", {{"Brand", "Orvana"}, {"LeaseEnds", QDate(2027, 6, 1)}});
    d.addMachine("ACME OFFICE", {{"Brand", "Pica"}}); // the link ignores case
    d.addCall("Acme Office", {{"Interest", "wants color"}, {"NextCallBack", QDate(2027, 1, 10)}});
    d.addCall("Acme Office", {{"Telemarketer", "Dana"}, {"NextCallBack", QDate(2027, 2, 1)}});

    d.addCustomer("O'Brien Dental", {{"City", "salem"}, {"Type", "Medical"},
                                     {"DateEntered", QDateTime(QDate(2023, 1, 5), QTime(0, 0))}});
    d.addCall("O'Brien Dental", {{"Interest", "copier lease"}, {"NextCallBack", QDate(2026, 12, 31)}});

    d.addCustomer("Baker & Sons", {{"City", "Portland"}, {"Type", "Legal"}});
    d.addMachine("Baker & Sons", {{"Brand", "Kestrel"}, {"Model", "K1"}, {"SN", "alpha"}});
    d.addMachine("Baker & Sons", {{"Brand", "Zeta"}, {"Notes", "beta"}});

    d.addCustomer("Café Élan", {{"City", "Eugene"}, {"Address1", "Rue 9"}});
    d.addCustomer("Delta", {{"City", "Eugene"}, {"Contact1", "Ann * Star"}});
    d.addCall("Delta", {{"Interest", "alpha"}, {"NextCallBack", QDate(2026, 12, 1)}});
    d.addMachine("Delta", {{"Brand", "Zeta"}, {"Notes", "beta"}, {"LeaseEnds", QDate(2026, 12, 1)}});

    m_form = std::make_unique<frmNavigator>();
    m_form->load();
}

void tst_Search::cleanupTestCase()
{
    m_form.reset();
    m_db.reset();
}

QStringList tst_Search::search(const SearchCriteria &criteria)
{
    setCriteria(*m_form, criteria);
    QTest::mouseClick(m_form->btnFind, Qt::LeftButton);
    return gridColumn(*m_form->vsfgCustomers, 0);
}

void tst_Search::finds_data()
{
    QTest::addColumn<SearchCriteria>("criteria");
    QTest::addColumn<QStringList>("expected");
    const QStringList everyone = {"Acme Office", "Baker & Sons", "Café Élan", "Delta", "O'Brien Dental"};
    const DateWindow december{QDate(2026, 12, 1), QDate(2026, 12, 31)};
    SearchCriteria c;

    QTest::newRow("no criteria: everyone once, by name") << c << everyone;
    c = {};
    c.city = "Salem";
    QTest::newRow("city ignores case") << c << QStringList{"Acme Office", "O'Brien Dental"};
    c = {};
    c.customer = "O'Brien Dental";
    QTest::newRow("customer with a quote") << c << QStringList{"O'Brien Dental"};
    c = {};
    c.type = "Legal";
    QTest::newRow("type") << c << QStringList{"Baker & Sons"};
    c = {};
    c.leaseEnds = december;
    QTest::newRow("lease window, both ends included") << c << QStringList{"Acme Office", "Delta"};
    c.leaseEnds = DateWindow{QDate(2026, 12, 2), QDate(2026, 12, 14)};
    QTest::newRow("lease window just missing both") << c << QStringList{};
    c.leaseEnds = DateWindow{december.stop, december.start};
    QTest::newRow("reversed window finds nothing") << c << QStringList{};
    c = {};
    c.callBack = december;
    QTest::newRow("call-back window") << c << QStringList{"Delta", "O'Brien Dental"};
    c.leaseEnds = december;
    QTest::newRow("both windows") << c << QStringList{"Delta"};
    c = {};
    c.word1 = "TONER";
    QTest::newRow("word in a machine, any case") << c << QStringList{"Acme Office"};
    c.word1 = "élan";
    QTest::newRow("accented word") << c << QStringList{"Café Élan"};
    c.word1 = "dana";
    QTest::newRow("word in a call") << c << QStringList{"Acme Office"};
    c.word1 = "'b";
    QTest::newRow("word with a quote") << c << QStringList{"O'Brien Dental"};
    c.word1 = "k#";
    QTest::newRow("# stands for a digit") << c << QStringList{"Baker & Sons"};
    c.word1 = "[xz]eta";
    QTest::newRow("a list of characters") << c << QStringList{"Baker & Sons", "Delta"};
    c.word1 = "k?str";
    QTest::newRow("? stands for one character") << c << QStringList{"Acme Office", "Baker & Sons"};
    c.word1 = "n*r";
    QTest::newRow("* inside a word") << c << QStringList{"Acme Office", "Delta"};
    c = {};
    c.word1 = "alpha";
    c.word2 = "beta";
    QTest::newRow("two words in two machines do not find") << c << QStringList{"Delta"};
    c.word2 = "k1";
    QTest::newRow("two words in one machine") << c << QStringList{"Baker & Sons"};
    c.word1 = "salem";
    c.word2 = "color";
    QTest::newRow("customer and call") << c << QStringList{"Acme Office"};
    c = {};
    c.city = "Eugene";
    c.word1 = "9";
    QTest::newRow("city and a word") << c << QStringList{"Café Élan"};
    c = {};
    c.word2 = "zeta";
    QTest::newRow("second word alone") << c << QStringList{"Baker & Sons", "Delta"};
    c = {};
    c.leaseEnds = december;
    c.word1 = "Orvana";
    QTest::newRow("word only on a machine outside the window") << c << QStringList{};
    c.word1 = "kestrel";
    QTest::newRow("word on the machine inside the window") << c << QStringList{"Acme Office"};
}

void tst_Search::finds()
{
    QFETCH(SearchCriteria, criteria);
    QTEST(search(criteria), "expected");
}

void tst_Search::customerCells()
{
    search({});
    const DataGrid &grid = *m_form->vsfgCustomers;
    QCOMPARE(grid.cols(), 19);
    QCOMPARE(grid.fixedRows(), 1);
    QCOMPARE(grid.textMatrix(0, 3), QString("City, State, Zip"));
    QCOMPARE(grid.textMatrix(0, 18), QString("Date Entered"));
    QCOMPARE(grid.textMatrix(1, 1), QString("1 Main St"));
    QCOMPARE(grid.textMatrix(1, 3), QString("Salem, OR 97301"));
    QCOMPARE(grid.textMatrix(1, 7), QString("Retail"));
    QCOMPARE(grid.textMatrix(1, 18), QString("3/9/2024 2:05:00 PM"));
    // Nothing but the city: the comma and the blank stay.
    QCOMPARE(grid.textMatrix(2, 3), QString("Portland,  "));
    QCOMPARE(grid.textMatrix(2, 18), QString());
    // Midnight shows the date alone.
    QCOMPARE(grid.textMatrix(5, 18), QString("1/5/2023"));
}

void tst_Search::emptyResultKeepsHeader()
{
    SearchCriteria c;
    c.word1 = "no such text anywhere";
    QCOMPARE(search(c), QStringList{});
    QCOMPARE(m_form->vsfgCustomers->rows(), 1);
    QCOMPARE(m_form->vsfgCustomers->textMatrix(0, 0), QString("Customer"));
    QCOMPARE(m_form->vsfgEquipment->rows(), 0);
    QCOMPARE(m_form->vsfgTelemarket->rows(), 0);
}

void tst_Search::newSearchEmptiesDetailGrids()
{
    m_form->vsfgEquipment->setCols(2);
    m_form->vsfgEquipment->addItem("left over\tcells");
    m_form->vsfgTelemarket->setCols(1);
    m_form->vsfgTelemarket->addItem("left over");
    search({});
    QCOMPARE(m_form->vsfgEquipment->rows(), 0);
    QCOMPARE(m_form->vsfgTelemarket->rows(), 0);
}

void tst_Search::failedSearchKeepsStatement()
{
    search({});
    const int rowsBefore = m_form->vsfgCustomers->rows();
    SearchCriteria c;
    c.word1 = "x";
    setCriteria(*m_form, c);
    // A table gone from the file makes the engine refuse the search: it stops, says why, and
    // the program goes on with the grid as it was.
    gDatabase->execute("DROP TABLE Telemarket");
    ScriptedMsgBox box;
    QTest::mouseClick(m_form->btnFind, Qt::LeftButton);
    QCOMPARE(box.shown().size(), 1);
    QVERIFY(m_form->searchSQL().contains("Like '*x*'"));
    QCOMPARE(m_form->vsfgCustomers->rows(), rowsBefore);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

CORVANE_TEST(tst_Search)
#include "tst_Search.moc"
