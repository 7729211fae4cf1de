#include "CustomerSearch.h"

#include "CustomerRows.h"
#include "Database.h"
#include "EngineFunctions.h"
#include "FoldedCollation.h"
#include "SearchStatement.h"
#include "TextRows.h"
#include "WordIndex.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace {

// For each customer name (as its key), the set of word masks among its machines (or calls):
// bit m set when some machine's columns hold exactly the words of mask m.
using MaskSets = QHash<QByteArray, quint32>;

QByteArray keyOf(QByteArrayView text)
{
    return FoldedCollation::key(text.data(), int(text.size()));
}

// One bit for each mask the words can make.
static_assert((1 << MaxSearchWords) <= 32, "a set of word masks must fit in 32 bits");

MaskSets maskSets(Database &db, const BoundStatement &statement)
{
    MaskSets sets;
    TextRows rows = db.openTextRows(statement.sql, statement.values);
    while (rows.next())
        sets[keyOf(rows.text(0))] |= 1u << rows.number(1);
    return sets;
}

// The search words when the index can find them all: plain words and no date window, whose
// dates the index does not keep. Empty otherwise.
QStringList indexedWords(const SearchCriteria &c)
{
    if (c.leaseEnds || c.callBack)
        return {};
    QStringList words;
    for (const QString *word : { &c.word1, &c.word2 }) {
        if (word->isEmpty())
            continue;
        if (!WordIndex::takes(*word))
            return {};
        words << *word;
    }
    return words;
}

// The sort fields of the found customers, as the engine orders them: the keys of all of them
// in one block, as a search of 100,000 customers would otherwise make 300,000 small texts.
struct SortKeys
{
    QByteArray block;
    struct Field
    {
        qsizetype from = 0;
        int size = -1; // -1 for Null, which comes first
    };
    std::vector<std::array<Field, 3>> rows;

    Field add(const TextRows &rows, int column)
    {
        if (rows.isNull(column))
            return {};
        const QByteArrayView text = rows.text(column);
        const qsizetype from = block.size();
        FoldedCollation::appendKey(block, text.data(), int(text.size()));
        return { from, int(block.size() - from) };
    }

    QByteArrayView view(const Field &f) const
    {
        return QByteArrayView(block).sliced(f.from, f.size);
    }

    bool before(std::size_t a, std::size_t b) const
    {
        for (int i = 0; i < 3; ++i) {
            const Field &x = rows[a][size_t(i)], &y = rows[b][size_t(i)];
            if ((x.size < 0) != (y.size < 0))
                return x.size < 0;
            if (x.size < 0)
                continue;
            if (const int c = QtPrivate::compareMemory(view(x), view(y)); c != 0)
                return c < 0;
        }
        return false;
    }
};

} // namespace

QByteArrayList findCustomers(Database &db, const SearchCriteria &criteria, const WordIndex *index)
{
    const SearchPlan plan = searchPlan(criteria);
    BoundStatement customers = plan.customers;
    // With the index, the rowids of the customers the words find; the engine then only reads
    // the customers for the grid and applies the other criteria.
    std::optional<std::vector<qint64>> found;
    if (const QStringList words = index ? indexedWords(criteria) : QStringList();
        !words.isEmpty()) {
        found = index->covering(words);
        customers = customersWithRowid(criteria);
        // Nothing to read, but the statement is still put to the engine, so that a table it
        // refuses or has lost fails the search as the engine's path would.
        if (found->empty()) {
            db.openTextRows(customers.sql, customers.values);
            return {};
        }
    }
    MaskSets machines, calls;
    if (plan.allWords && !found) {
        machines = maskSets(db, plan.machines);
        calls = maskSets(db, plan.calls);
    }
    // Without any machine (call) a customer's joined rows hold it once with no word there.
    const quint32 noMachines = plan.machineWindow ? 0 : 1;
    const quint32 noCalls = plan.callWindow ? 0 : 1;

    SortKeys keys;
    QByteArrayList lines;
    QByteArray scratch;
    TextRows rows = db.openTextRows(customers.sql, customers.values);
    while (rows.next()) {
        if (found && !std::binary_search(found->begin(), found->end(), rows.number(RowIdField)))
            continue;
        const qsizetype mark = keys.block.size();
        const std::array<SortKeys::Field, 3> sortFields { keys.add(rows, NameField),
            keys.add(rows, Address1Field), keys.add(rows, Address2Field) };
        if (plan.allWords && !found) {
            // A customer without a name joins no machine and no call.
            const bool named = sortFields[0].size >= 0;
            const QByteArrayView name = named ? keys.view(sortFields[0]) : QByteArrayView();
            const QByteArray lookup = QByteArray::fromRawData(name.data(), name.size());
            const quint32 own = quint32(rows.number(WordMaskField));
            const quint32 m = named ? machines.value(lookup, noMachines) : noMachines;
            const quint32 t = named ? calls.value(lookup, noCalls) : noCalls;
            if (!WordIndex::covered(own, m, t, quint32(plan.allWords))) {
                keys.block.truncate(mark);
                continue;
            }
        }
        keys.rows.push_back(sortFields);
        lines << customerLine(rows, scratch);
    }
    std::vector<std::size_t> order(lines.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(),
        [&keys](std::size_t a, std::size_t b) { return keys.before(a, b); });
    QByteArrayList sorted;
    sorted.reserve(lines.size());
    for (const std::size_t i : order)
        sorted << std::move(lines[qsizetype(i)]);
    return sorted;
}
