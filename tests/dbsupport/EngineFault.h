#pragma once

#include <QString>
#include <functional>

class Database;

// One fault of the database engine, put on the program's own connection (and, for a lock, a
// second connection to the same file) while the object lives or until remove(), so that a test
// can show that an action meets it whole and succeeds once the cause is gone.
class EngineFault
{
public:
    enum Kind {
        // The file may not grow: its page limit is lowered to the pages it has now, and rows of
        // the test's own ("zz filler ...") take up the room left in them.
        Full,
        // Another program writes to the file for longer than the program waits. Only writers
        // wait for it: the file keeps a write-ahead journal, so searches and reports read on.
        Locked,
        // The engine refuses every change of one table (after the row is written), so that an
        // action writing several tables meets the refusal half-way.
        Refused,
        // The engine refuses to read one table, on the program's connection and on every
        // connection opened meanwhile (the one a report reads through), so that a search or a
        // report that reads it fails.
        Unreadable,
    };

    // 'table' is the table whose changes (or reads) are refused; only Refused and Unreadable
    // use it.
    EngineFault(Database &db, Kind kind, const QString &table = QString());
    ~EngineFault();
    EngineFault(const EngineFault &) = delete;
    EngineFault &operator=(const EngineFault &) = delete;

    // The cause is gone: the limit raised, the lock released, the refusal dropped.
    void remove();

private:
    std::function<void()> m_remove; // empty once removed
};
