#pragma once

#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>

struct sqlite3;
class Recordset;
class RowChangeLog;
class TextRows;

// The one open database file of a run. Everything the windows send is written in the program's
// own SQL dialect and translated here before the engine sees it.
class Database
{
public:
    // The fixed password of every installation.
    static const char *const Password;
    // Another program may hold the file for a moment (a write of its own); waiting this long
    // covers that without freezing the program on a file that stays locked.
    static constexpr int BusyTimeoutMs = 3000;

    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Opens an existing encrypted file read-write, shared. Throws DbError naming the file and
    // the cause: missing, wrong password or not a database, locked, another application's file,
    // a newer version than this program knows. A file of an older version is brought up to
    // date in one transaction.
    static std::unique_ptr<Database> open(const QString &path, const QString &password = Password);
    // Makes a new encrypted file with the three tables, marked as this program's and of the
    // current version. Refuses to touch an existing file.
    static std::unique_ptr<Database> create(
        const QString &path, const QString &password = Password);

    // A second, read-only connection to the same file that sees the file exactly as it stands
    // now, whatever this connection writes afterwards: its read transaction is begun and fixed
    // here and ends when the last holder lets it go. The file keeps a write-ahead journal, so
    // the snapshot never holds back a write of this connection. Throws DbError.
    std::shared_ptr<Database> openSnapshot() const;
    // Opens snapshots as openSnapshot does, on any one thread at a time, also after this
    // connection has gone: for work off the window thread.
    using SnapshotOpener = std::function<std::shared_ptr<Database>()>;
    SnapshotOpener snapshotOpener() const;

    // The log of the rows this connection changes, made on the first call and kept while the
    // connection lives; its holders may keep it longer.
    std::shared_ptr<RowChangeLog> rowChangeLog();

    // Each statement takes its values bound to its ? marks, in order, never spliced into the text.

    // A cursor over the rows of a SELECT, positioned on the first row.
    Recordset openRecordset(const QString &sql, const QVariantList &values = {});
    // The rows of a SELECT as text, for reading only; before its first row.
    TextRows openTextRows(const QString &sql, const QVariantList &values = {});
    // Runs a DELETE or UPDATE to its end.
    void execute(const QString &sql, const QVariantList &values = {});

    // The engine's integrity check: "ok" or the problems it found.
    QString integrityCheck();
    QString path() const { return m_path; }
    // The version of the file's layout as the file states it now.
    int version();
    // The version as it was found on opening (older ones are brought up to date then), or the
    // current one for a file made now.
    int foundVersion() const { return m_foundVersion; }
    sqlite3 *handle() const { return m_db; }

private:
    Database(sqlite3 *db, const QString &path, const QString &password, int foundVersion);
    struct Readers;
    // A snapshot on a reader connection, handed back to readers when it goes.
    Database(sqlite3 *db, const QString &path, const std::shared_ptr<Readers> &readers);
    static std::shared_ptr<Database> snapshotOn(const std::shared_ptr<Readers> &readers);

    sqlite3 *m_db = nullptr;
    QString m_path;
    int m_foundVersion;
    // The program's connection keeps the read-only connections of its snapshots; a snapshot
    // knows where to hand its connection back, if the program's connection is still there.
    std::shared_ptr<Readers> m_readers;
    std::weak_ptr<Readers> m_returnTo;
    std::shared_ptr<RowChangeLog> m_rowLog;
};
