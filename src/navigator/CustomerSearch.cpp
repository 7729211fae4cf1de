#include "CustomerSearch.h"

#include "CustomerRows.h"
#include "SearchStatement.h"
#include "db/Database.h"
#include "db/FoldedCollation.h"
#include "db/TextRows.h"

#include <QHash>
#include <algorithm>
#include <vector>

namespace {

// For each customer name (as its key), the set of word masks among its machines (or calls):
// bit m set when some machine's columns hold exactly the words of mask m.
using MaskSets = QHash<QByteArray, quint32>;

QByteArray keyOf(QByteArrayView text)
{
    return FoldedCollation::key(text.data(), int(text.size()));
}

MaskSets maskSets(Database &db, const QString &sql)
{
    MaskSets sets;
    TextRows rows = db.openTextRows(sql);
    while (rows.next())
        sets[keyOf(rows.text(0))] |= 1u << rows.number(1);
    return sets;
}

// A joined row is one machine (or none) and one call (or none) of the customer; the customer
// is found when in some such row every word is in the customer, the machine or the call.
bool wordsCovered(quint32 own, quint32 machines, quint32 calls, quint32 all)
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

// The sort fields of a found customer, as the engine orders them.
struct Found
{
    QByteArray keys[3];
    bool null[3];
    QString line;
};

bool before(const Found &a, const Found &b)
{
    for (int i = 0; i < 3; ++i) {
        if (a.null[i] != b.null[i])
            return a.null[i];
        if (const int c = a.keys[i].compare(b.keys[i]); c != 0)
            return c < 0;
    }
    return false;
}

} // namespace

QStringList findCustomers(Database &db, const SearchCriteria &criteria)
{
    const SearchPlan plan = searchPlan(criteria);
    MaskSets machines, calls;
    if (plan.allWords) {
        machines = maskSets(db, plan.machines);
        calls = maskSets(db, plan.calls);
    }
    // Without any machine (call) a customer's joined rows hold it once with no word there.
    const quint32 noMachines = plan.machineWindow ? 0 : 1;
    const quint32 noCalls = plan.callWindow ? 0 : 1;
    enum { Name = 0, Address1 = 1, Address2 = 2, WordMask = 21 };

    std::vector<Found> found;
    QByteArray scratch;
    TextRows rows = db.openTextRows(plan.customers);
    while (rows.next()) {
        Found f;
        for (int i = 0; i < 3; ++i) {
            f.null[i] = rows.isNull(Name + i);
            if (!f.null[i])
                f.keys[i] = keyOf(rows.text(Name + i));
        }
        if (plan.allWords) {
            // A customer without a name joins no machine and no call.
            const quint32 own = quint32(rows.number(WordMask));
            const quint32 m = f.null[0] ? noMachines : machines.value(f.keys[0], noMachines);
            const quint32 t = f.null[0] ? noCalls : calls.value(f.keys[0], noCalls);
            if (!wordsCovered(own, m, t, quint32(plan.allWords)))
                continue;
        }
        f.line = customerLine(rows, scratch);
        found.push_back(std::move(f));
    }
    std::sort(found.begin(), found.end(), before);
    QStringList lines;
    lines.reserve(qsizetype(found.size()));
    for (Found &f : found)
        lines << std::move(f.line);
    return lines;
}
