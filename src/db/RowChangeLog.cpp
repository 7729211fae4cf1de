#include "RowChangeLog.h"

#include "PreparedStatement.h"

#include <algorithm>
#include <sqlite3.h>

namespace {

qint64 pragmaValue(sqlite3 *db, const char *pragma)
{
    PreparedStatement read(db, QLatin1String(pragma), QLatin1String(pragma));
    return read.step() ? read.number(0) : -1;
}

int tableOf(const char *name)
{
    static const char *const names[RowChangeLog::TableCount]
        = { "Customer", "Equipment", "Telemarket" };
    for (int i = 0; i < RowChangeLog::TableCount; ++i)
        if (qstricmp(name, names[i]) == 0)
            return i;
    return -1;
}

} // namespace

bool RowChangeLog::Changes::empty() const
{
    return complete
        && std::all_of(rows.begin(), rows.end(), [](const auto &r) { return r.empty(); });
}

RowChangeLog::RowChangeLog(sqlite3 *db)
    : m_db(db)
{
    sqlite3_update_hook(
        m_db,
        [](void *log, int operation, const char *database, const char *table, sqlite3_int64 rowid) {
            logged(log, operation, database, table, rowid);
        },
        this);
}

RowChangeLog::~RowChangeLog()
{
    detach();
}

void RowChangeLog::detach()
{
    if (m_db)
        sqlite3_update_hook(m_db, nullptr, nullptr);
    m_db = nullptr;
    stop();
}

void RowChangeLog::start()
{
    m_recording = true;
    take();
}

void RowChangeLog::stop()
{
    m_recording = false;
    m_rows = {};
}

void RowChangeLog::logged(void *log, int, const char *database, const char *table, qint64 rowid)
{
    auto *self = static_cast<RowChangeLog *>(log);
    if (!self->m_recording)
        return;
    ++self->m_seen;
    const int which = tableOf(table);
    if (which >= 0 && qstrcmp(database, "main") == 0)
        self->m_rows[size_t(which)].push_back(rowid);
}

RowChangeLog::Mark RowChangeLog::markNow() const
{
    if (!m_db)
        return {};
    return { pragmaValue(m_db, "PRAGMA data_version"), pragmaValue(m_db, "PRAGMA schema_version"),
        sqlite3_total_changes(m_db) };
}

RowChangeLog::Changes RowChangeLog::take()
{
    const Mark now = markNow();
    Changes changes;
    changes.rows = std::exchange(m_rows, {});
    for (std::vector<qint64> &rows : changes.rows) {
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    }
    // Every row the engine changed passes the hook, unless it emptied a table at once.
    changes.complete = m_db && now.dataVersion == m_mark.dataVersion
        && now.schemaVersion == m_mark.schemaVersion
        && qint64(quint32(now.totalChanges - m_mark.totalChanges)) <= m_seen;
    m_mark = now;
    m_seen = 0;
    return changes;
}
