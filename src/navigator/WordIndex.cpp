#include "WordIndex.h"

#include "Database.h"
#include "FoldedCollation.h"
#include "TextRows.h"

#include <algorithm>

namespace {

// Each table's statement: the rowid, the customer name the row joins by, then the columns a
// word is looked for in.
const char *const Statements[RowChangeLog::TableCount] = {
    "SELECT rowid,Customer,Customer,Address1,Address2,City,State,Zip,Phone,Fax,Website,Contact1,"
    "Contact1Title,Contact2,Contact2Title FROM Customer",
    "SELECT rowid,Customer,Brand,Model,SN,Provider,Satisfied,Notes FROM Equipment",
    "SELECT rowid,Customer,Telemarketer,Interest FROM Telemarket",
};
constexpr int SearchedFrom = 2;
constexpr int SearchedColumns[RowChangeLog::TableCount] = { 13, 6, 2 };

// The tables as the statements name them, for the room their rows take.
const char *const Tables[RowChangeLog::TableCount] = { "Customer", "Equipment", "Telemarket" };
// Room is made ahead for no more rows than this; a table with more grows as it is read.
constexpr qint64 MostRowsAhead = 1 << 24;

// How often a build asks whether to go on.
constexpr int RowsBetweenStops = 4096;

} // namespace

WordIndex::WordIndex()
    : m_tables { FoldedRows(SearchedFrom, SearchedColumns[0]),
        FoldedRows(SearchedFrom, SearchedColumns[1]), FoldedRows(SearchedFrom, SearchedColumns[2]) }
{ }

bool WordIndex::takes(const QString &word)
{
    return !word.isEmpty() && !word.contains(QLatin1Char('*')) && !word.contains(QLatin1Char('?'))
        && !word.contains(QLatin1Char('#')) && !word.contains(QLatin1Char('['));
}

bool WordIndex::covered(quint32 own, quint32 machines, quint32 calls, quint32 all)
{
    for (quint32 m = 0; m <= all; ++m) {
        if (!(machines >> m & 1))
            continue;
        for (quint32 t = 0; t <= all; ++t)
            if ((calls >> t & 1) && ((own | m | t) & all) == all)
                return true;
    }
    return false;
}

bool WordIndex::read(
    Database &db, Table table, const QString &sql, const QVariantList &values, const GoOn *goOn)
{
    FoldedRows &rows = m_tables[size_t(table)];
    TextRows row = db.openTextRows(sql, values);
    for (int n = 1; row.next(); ++n) {
        if (goOn && n % RowsBetweenStops == 0 && !(*goOn)())
            return false;
        // A row without a customer name joins no customer.
        const qint32 group = row.isNull(1) ? FoldedRows::NoGroup : qint32(m_names.of(row.text(1)));
        if (goOn)
            rows.append(row.number(0), group, row);
        else
            rows.put(row.number(0), group, row);
    }
    return true;
}

std::unique_ptr<WordIndex> WordIndex::build(Database &db, const GoOn &goOn)
{
    auto index = std::make_unique<WordIndex>();
    for (int table = 0; table < RowChangeLog::TableCount; ++table) {
        // The largest rowid, found at once, bounds the rows; growing a hundred megabytes of
        // rows step by step would hold the old room and the new at each step.
        TextRows last = db.openTextRows(
            QStringLiteral("SELECT max(rowid) FROM %1").arg(QLatin1String(Tables[table])));
        if (last.next() && last.number(0) > 0 && last.number(0) <= MostRowsAhead)
            index->m_tables[size_t(table)].reserve(qsizetype(last.number(0)));
        if (!index->read(db, Table(table), QLatin1String(Statements[table]), {}, &goOn))
            return nullptr;
        index->m_tables[size_t(table)].squeeze();
    }
    index->m_names.squeeze();
    return index;
}

void WordIndex::update(Database &db, const RowChangeLog::Rows &rows)
{
    for (int table = 0; table < RowChangeLog::TableCount; ++table) {
        const QString sql = QLatin1String(Statements[table]) + QLatin1String(" WHERE rowid = ?");
        for (const qint64 rowid : rows[size_t(table)]) {
            m_tables[size_t(table)].remove(rowid);
            read(db, Table(table), sql, { rowid }, nullptr);
        }
    }
}

std::vector<quint32> WordIndex::maskSets(Table table, const std::vector<QByteArray> &needles) const
{
    const FoldedRows &rows = m_tables[size_t(table)];
    std::vector<quint32> sets(size_t(m_names.count()), 0);
    const std::vector<quint8> masks = rows.masks(needles);
    for (qsizetype place = 0; place < rows.places(); ++place)
        if (rows.live(place) && rows.group(place) >= 0)
            sets[size_t(rows.group(place))] |= 1u << masks[size_t(place)];
    return sets;
}

std::vector<qint64> WordIndex::covering(const QStringList &words) const
{
    std::vector<QByteArray> needles;
    for (const QString &word : words) {
        const QByteArray utf8 = word.toUtf8();
        needles.push_back(FoldedCollation::key(utf8.constData(), int(utf8.size())));
    }
    const FoldedRows &customers = m_tables[RowChangeLog::Customers];
    const std::vector<quint8> own = customers.masks(needles);
    const std::vector<quint32> machines = maskSets(RowChangeLog::Machines, needles);
    const std::vector<quint32> calls = maskSets(RowChangeLog::Calls, needles);
    // Without any machine (call) a customer's joined rows hold it once with no word there.
    auto setOf = [](const std::vector<quint32> &sets, qint32 group) {
        const quint32 set = group >= 0 ? sets[size_t(group)] : 0;
        return set ? set : 1u;
    };
    const quint32 all = (1u << words.size()) - 1;
    std::vector<qint64> found;
    for (qsizetype place = 0; place < customers.places(); ++place) {
        if (!customers.live(place))
            continue;
        const qint32 group = customers.group(place);
        if (covered(own[size_t(place)], setOf(machines, group), setOf(calls, group), all))
            found.push_back(customers.rowid(place));
    }
    std::sort(found.begin(), found.end());
    return found;
}

qsizetype WordIndex::bytes() const
{
    qsizetype total = m_names.bytes();
    for (const FoldedRows &rows : m_tables)
        total += rows.bytes();
    return total;
}
