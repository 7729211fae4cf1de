#pragma once

#include <QtGlobal>
#include <array>
#include <vector>

struct sqlite3;

// The rows of the three tables that the program's own connection inserted, changed or deleted,
// by rowid, for a copy of the file's contents held in memory: it then needs to read again only
// those rows. Changes that are later rolled back are logged too; reading the row again gives
// the truth either way.
//
// The rows alone do not always tell everything, and the log says so: another connection (the
// stock shell, another copy of a tool) committed, the tables themselves were changed, or the
// engine changed rows without naming them (a DELETE without WHERE empties a table at once).
//
// Made by Database::rowChangeLog, which keeps it for the connection; used on the connection's
// own thread. It records only between start and stop.
class RowChangeLog
{
public:
    enum Table { Customers, Machines, Calls, TableCount };
    // Each table's rowids, sorted, each once.
    using Rows = std::array<std::vector<qint64>, TableCount>;

    struct Changes
    {
        Rows rows;
        // False when rereading the rows is not enough to know the file again.
        bool complete = true;

        bool empty() const;
    };

    explicit RowChangeLog(sqlite3 *db);
    ~RowChangeLog();
    RowChangeLog(const RowChangeLog &) = delete;
    RowChangeLog &operator=(const RowChangeLog &) = delete;

    // Records from now on, with nothing recorded yet.
    void start();
    void stop();
    // What changed since start or the last take; the log goes on recording from here, empty.
    Changes take();
    // The connection is closing: from now on every take is incomplete.
    void detach();

private:
    static void logged(
        void *log, int operation, const char *database, const char *table, qint64 rowid);

    struct Mark
    {
        qint64 dataVersion = -1;
        qint64 schemaVersion = -1;
        // The engine counts in an int that may wrap; only differences are used.
        int totalChanges = 0;
    };
    Mark markNow() const;

    sqlite3 *m_db;
    bool m_recording = false;
    Mark m_mark;
    // Rows the hook was told of since the mark, of any table.
    qint64 m_seen = 0;
    Rows m_rows;
};
