#include "CustomerRows.h"
#include "CustomerSearch.h"
#include "Database.h"
#include "EngineFunctions.h"
#include "SearchStatement.h"
#include "TempDatabase.h"
#include "TestRegistry.h"
#include "TextRows.h"
#include "WordIndex.h"

#include <QRandomGenerator>
#include <QTest>

// The navigator runs a statement of its own that must find exactly what the kept statement
// finds. Compared here over random data in which a few words land in every searched column
// of customers, machines and calls, and random criteria around them.
class tst_SearchEquivalence : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sameRowsInSameOrder_data();
    void sameRowsInSameOrder();
    void unusualTextFoundAlike_data();
    void unusualTextFoundAlike();

private:
    std::unique_ptr<TempDatabase> m_db;
    // The searched columns as the navigator keeps them once it has read them.
    std::unique_ptr<WordIndex> m_index;
    QStringList m_names;
};

namespace {

const QStringList Words = { "red", "Blue", "GREEN", "réd", "RÉD", "o'k", "", "", "", "x7" };
const QStringList Cities = { "Salem", "salem", "Bend", "", "Élan" };
// Zips and types that hold search words too, so that the lists and the words meet.
const QStringList Zips = { "97301", "97301-RED", "o'k", "", "x7" };
const QStringList Types = { "Retail", "retail", "Dealer blue", "o'k", "" };

QString pick(QRandomGenerator &r, const QStringList &from)
{
    return from[r.bounded(int(from.size()))];
}

QString text(QRandomGenerator &r)
{
    QString value;
    for (int i = 0, n = r.bounded(3); i < n; ++i)
        value += pick(r, Words) + QLatin1Char(' ');
    return value.trimmed();
}

QVariant maybeDate(QRandomGenerator &r)
{
    if (r.bounded(4) == 0)
        return QVariant();
    return QDate(2026, 1, 1).addDays(r.bounded(60));
}

std::optional<DateWindow> window(QRandomGenerator &r)
{
    if (r.bounded(3) != 0)
        return std::nullopt;
    const QDate a = QDate(2026, 1, 1).addDays(r.bounded(60));
    return DateWindow { a, a.addDays(r.bounded(30) - 5) }; // sometimes reversed
}

QString word(QRandomGenerator &r)
{
    static const QStringList searched = { "red", "RED", "blue", "green", "réd", "o'k", "x#", "r?d",
        "[bg]", "e*e", "[!r]ed", "", "", "" };
    return pick(r, searched);
}

// The kept statement's rows as the customer grid shows them.
QByteArrayList keptRows(Database &db, const QString &sql)
{
    QByteArrayList result;
    QByteArray scratch;
    TextRows rows = db.openTextRows(sql);
    while (rows.next())
        result << customerLine(rows, scratch);
    return result;
}

} // namespace

void tst_SearchEquivalence::initTestCase()
{
    m_db = std::make_unique<TempDatabase>();
    QRandomGenerator r(20261208);
    const QStringList customerColumns = { "Address1", "Address2", "State", "Zip", "Phone", "Fax",
        "Website", "Contact1", "Contact1Title", "Contact2", "Contact2Title", "Contact1Email" };
    const QStringList machineColumns
        = { "Model", "SN", "Provider", "Satisfied", "Notes", "MonthlyVolume" };
    for (int c = 0; c < 80; ++c) {
        // Names that begin with the words make the order depend on the case rules.
        const QString name = QStringLiteral("%2 C%1").arg(c).arg(text(r)).trimmed();
        m_names << name;
        QVariantMap columns { { "City", pick(r, Cities) }, { "Zip", pick(r, Zips) } };
        if (r.bounded(4) != 0)
            columns.insert("Type", pick(r, Types));
        for (const QString &column : customerColumns)
            if (r.bounded(5) == 0)
                columns.insert(column, text(r));
        m_db->addCustomer(name, columns);
        for (int m = 0, n = r.bounded(4); m < n; ++m) {
            QVariantMap machine { { "Brand", text(r) }, { "LeaseEnds", maybeDate(r) } };
            for (const QString &column : machineColumns)
                if (r.bounded(3) == 0)
                    machine.insert(column, text(r));
            m_db->addMachine(r.bounded(5) == 0 ? name.toUpper() : name, machine);
        }
        for (int t = 0, n = r.bounded(4); t < n; ++t)
            m_db->addCall(name,
                { { "Telemarketer", text(r) }, { "Interest", text(r) },
                    { "NextCallBack", maybeDate(r) } });
    }
    m_index = WordIndex::build(m_db->db(), [] { return true; });
    QVERIFY(m_index);
}

void tst_SearchEquivalence::sameRowsInSameOrder_data()
{
    QTest::addColumn<bool>("indexReady");
    QTest::newRow("engine") << false;
    QTest::newRow("word index") << true;
}

void tst_SearchEquivalence::sameRowsInSameOrder()
{
    QFETCH(bool, indexReady);
    QRandomGenerator r(7);
    int nonEmpty = 0;
    int allWords = 0;
    for (int round = 0; round < 600; ++round) {
        SearchCriteria c;
        if (r.bounded(6) == 0)
            c.city = pick(r, Cities);
        if (r.bounded(8) == 0) // a name as stored, in other letters, or none at all
            c.customer = r.bounded(4) == 0 ? QStringLiteral("Nobody") : pick(r, m_names).toUpper();
        if (r.bounded(6) == 0)
            c.zip = pick(r, Zips);
        if (r.bounded(6) == 0)
            c.type = pick(r, Types);
        c.leaseEnds = window(r);
        c.callBack = window(r);
        // Every other round as many words as the search takes, none of them empty.
        QStringList words;
        while (words.size() < MaxSearchWords) {
            const QString w = word(r);
            if (!w.isEmpty() || round % 2 == 0)
                words << w;
        }
        allWords += words.count(QString()) == 0 ? 1 : 0;
        c.word1 = words[0];
        c.word2 = words[1];
        const QByteArrayList kept = keptRows(m_db->db(), searchStatement(c));
        const QByteArrayList fast
            = findCustomers(m_db->db(), c, indexReady ? m_index.get() : nullptr);
        if (kept != fast)
            QFAIL(qPrintable(QStringLiteral("round %1 differs: %2 rows against %3 for\n%4")
                                 .arg(round)
                                 .arg(kept.size())
                                 .arg(fast.size())
                                 .arg(searchStatement(c))));
        nonEmpty += kept.isEmpty() ? 0 : 1;
    }
    // The data must give the comparison something to compare.
    QVERIFY(nonEmpty > 150);
    QVERIFY(allWords > 300);
}

void tst_SearchEquivalence::unusualTextFoundAlike_data()
{
    QTest::addColumn<QVariantMap>("customer");
    QTest::addColumn<QVariantMap>("machine");
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("found");
    const QVariantMap none;
    QTest::newRow("Kelvin sign") << QVariantMap { { "Address1", "\u212Aelvin St" } } << none
                                 << "kelvin" << true;
    QTest::newRow("final sigma") << QVariantMap { { "City", "ΟΔΟΣ" } } << none << "οδος" << true;
    QTest::newRow("capital sharp s")
        << QVariantMap { { "Address2", "STRA\u1E9EE" } } << none << "straße" << true;
    QTest::newRow("stray byte: no word through it")
        << QVariantMap { { "Fax", QByteArray("Red\xFFOx") } } << none << "redox" << false;
    QTest::newRow("stray byte: words beside it")
        << QVariantMap { { "Fax", QByteArray("Red\xFFOx") } } << none << "ox" << true;
    QTest::newRow("not across two columns")
        << QVariantMap { { "Address1", "Gre" }, { "Address2", "en" } } << none << "green" << false;
    QTest::newRow("not across a machine's columns")
        << none << QVariantMap { { "Brand", "Re" }, { "Model", "d" } } << "red" << false;
    QTest::newRow("a machine's last column")
        << none << QVariantMap { { "Notes", "needs toner" } } << "TONER" << true;
}

void tst_SearchEquivalence::unusualTextFoundAlike()
{
    QFETCH(QVariantMap, customer);
    QFETCH(QVariantMap, machine);
    QFETCH(QString, word);
    QFETCH(bool, found);
    ScratchDatabase s;
    s.addCustomer("C", customer);
    s.addMachine("C", machine);
    const std::unique_ptr<WordIndex> index = WordIndex::build(s.db(), [] { return true; });
    SearchCriteria c;
    c.word1 = word;
    const QByteArrayList engine = findCustomers(s.db(), c);
    QCOMPARE(engine.size(), found ? 1 : 0);
    QCOMPARE(findCustomers(s.db(), c, index.get()), engine);
}

CORVANE_TEST(tst_SearchEquivalence)
#include "tst_SearchEquivalence.moc"
