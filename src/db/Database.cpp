#include "Database.h"

#include "DatabaseFile.h"
#include "DbError.h"
#include "Dialect.h"
#include "EngineFunctions.h"
#include "PreparedStatement.h"
#include "Recordset.h"
#include "RowChangeLog.h"
#include "Schema.h"
#include "TextRows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <mutex>
#include <sqlite3.h>
#include <stdexcept>

const char *const Database::Password = "KXQ";

namespace {

// Every page read from the file is decrypted; a search by the criteria visits every page of the
// customers and the index pages of the machines and calls, so a cache that holds those of a
// large customer base keeps the search from decrypting them again each time. A search by words
// the word index cannot take reads the machines and calls whole, several times the rest: the
// cache is not made to hold them too, which would keep hundreds of megabytes for the rare
// search. The engine takes memory for it only as pages are read.
constexpr const char *CacheSize = "PRAGMA cache_size = -131072";
// A snapshot's reader goes through its statements' rows once, in order, and reads a page again
// only for a report page laid out again: a small cache serves it, where the search's would hold
// the whole file for as long as a report is shown.
constexpr const char *ReaderCacheSize = "PRAGMA cache_size = -8192";

void tuneConnection(sqlite3 *db)
{
    sqlite3_busy_timeout(db, Database::BusyTimeoutMs);
    sqlite3_exec(db, CacheSize, nullptr, nullptr, nullptr);
}

// The program uses its connection from the window thread alone, so the engine need not lock
// it around every call: a search makes millions of them.
constexpr int OpenFlags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;

// The first read of a keyed file: only now does the engine find out whether the key fits.
// Returns the engine's result code.
int firstRead(sqlite3 *db, QStringList &tables)
{
    const QString sql = QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'");
    try {
        PreparedStatement read(db, sql, sql);
        while (read.step())
            tables << read.value(0, PreparedStatement::ColumnKind::Plain).toString();
    } catch (const DbError &) {
        return sqlite3_errcode(db);
    }
    return SQLITE_OK;
}

QString missingTables(const QStringList &present)
{
    QStringList missing;
    for (const Schema::Table &table : Schema::tables()) {
        if (!present.contains(table.name, Qt::CaseInsensitive))
            missing << table.name;
    }
    if (missing.isEmpty())
        return {};
    const QString last = missing.takeLast();
    const QString names = missing.isEmpty()
        ? last
        : missing.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
    return QStringLiteral("the file lacks the table%1 %2 of this program")
        .arg(missing.isEmpty() ? QString() : QStringLiteral("s"), names);
}

// The engine's handle, closed on every way out unless handed on.
struct Handle
{
    sqlite3 *db = nullptr;
    ~Handle() { sqlite3_close_v2(db); }
    sqlite3 *release() { return std::exchange(db, nullptr); }
};

} // namespace

// Read-only connections to the file, keyed once: keying costs the engine a deliberately slow
// derivation of the key (a good part of a second), which every report would otherwise wait for
// before its first page. One idle connection is kept for the next report. Snapshots may be
// taken and ended on other threads than the window's, hence the lock around the idle one.
struct Database::Readers
{
    Readers(const QString &path, const QString &password)
        : path(path)
        , password(password)
    { }

    QString path;
    QString password;
    std::mutex lock;
    sqlite3 *idle = nullptr;

    ~Readers() { sqlite3_close_v2(idle); }

    // An idle connection or a new one, outside any transaction. Throws DbError.
    sqlite3 *take()
    {
        if (sqlite3 *kept = takeIdle())
            return kept;
        Handle handle;
        const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &handle.db,
            SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
        if (rc != SQLITE_OK)
            throw refusal(handle.db, rc);
        DatabaseFile::applyKey(handle.db, password);
        tuneConnection(handle.db);
        sqlite3_exec(handle.db, ReaderCacheSize, nullptr, nullptr, nullptr);
        // The same comparisons as the program's own connection, so that a report orders and
        // matches its rows as the windows do.
        if (EngineFunctions::install(handle.db) != SQLITE_OK)
            throw refusal(handle.db, sqlite3_errcode(handle.db));
        return handle.release();
    }

    sqlite3 *takeIdle()
    {
        const std::lock_guard<std::mutex> hold(lock);
        return std::exchange(idle, nullptr);
    }

    // A connection whose snapshot has ended; the pages it read are let go at once.
    void giveBack(sqlite3 *db)
    {
        sqlite3_db_release_memory(db);
        sqlite3 *older = nullptr;
        {
            const std::lock_guard<std::mutex> hold(lock);
            older = std::exchange(idle, db);
        }
        sqlite3_close_v2(older);
    }

    DbError refusal(sqlite3 *db, int code) const
    {
        return DbError(DatabaseFile::openFailure(
            path, DatabaseFile::causeOfFirstRead(code, sqlite3_errmsg(db))));
    }
};

Database::Database(sqlite3 *db, const QString &path, const QString &password, int foundVersion)
    : m_db(db)
    , m_path(path)
    , m_foundVersion(foundVersion)
    , m_readers(std::make_shared<Readers>(path, password))
{ }

Database::Database(sqlite3 *db, const QString &path, const std::shared_ptr<Readers> &readers)
    : m_db(db)
    , m_path(path)
    , m_foundVersion(DatabaseFile::CurrentVersion)
    , m_returnTo(readers)
{ }

Database::~Database()
{
    // A snapshot ends its transaction; its connection is kept for the next one when nothing of
    // it is left open.
    if (const std::shared_ptr<Readers> readers = m_returnTo.lock()) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        if (!sqlite3_next_stmt(m_db, nullptr) && sqlite3_get_autocommit(m_db)) {
            readers->giveBack(m_db);
            return;
        }
    }
    if (m_rowLog)
        m_rowLog->detach();
    // The readers go first: closing the last connection to the file folds the write-ahead
    // journal back into it.
    m_readers.reset();
    sqlite3_close_v2(m_db);
}

std::unique_ptr<Database> Database::open(const QString &path, const QString &password)
{
    DatabaseFile::checkBeforeOpen(path);

    Handle handle;
    const int rc
        = sqlite3_open_v2(QFile::encodeName(path).constData(), &handle.db, OpenFlags, nullptr);
    if (rc != SQLITE_OK)
        throw DbError(DatabaseFile::openFailure(
            path, DatabaseFile::causeOfFirstRead(rc, sqlite3_errmsg(handle.db))));
    DatabaseFile::applyKey(handle.db, password);
    tuneConnection(handle.db);

    QStringList tables;
    if (const int read = firstRead(handle.db, tables); read != SQLITE_OK)
        throw DbError(DatabaseFile::openFailure(
                          path, DatabaseFile::causeOfFirstRead(read, sqlite3_errmsg(handle.db))),
            (read & 0xFF) == SQLITE_NOTADB ? DbError::Cause::WrongPassword : DbError::Cause::Other);
    const DatabaseFile::Identity found = DatabaseFile::identity(handle.db, path);
    if (const QString missing = missingTables(tables); !missing.isEmpty())
        throw DbError(DatabaseFile::openFailure(path, missing));
    // The engine quietly opens a file it may not write read-only; the program must write.
    if (sqlite3_db_readonly(handle.db, "main") == 1)
        throw DbError(DatabaseFile::openFailure(
            path, QStringLiteral("there is no permission to change the file")));
    if (const QString refused = DatabaseFile::useWriteAheadJournal(handle.db); !refused.isEmpty())
        throw DbError(DatabaseFile::openFailure(path, refused));
    if (EngineFunctions::install(handle.db) != SQLITE_OK)
        throw DbError(
            DatabaseFile::openFailure(path, QString::fromUtf8(sqlite3_errmsg(handle.db))));
    DatabaseFile::upgrade(handle.db, path, found);
    return std::unique_ptr<Database>(new Database(handle.release(), path, password, found.version));
}

std::unique_ptr<Database> Database::create(const QString &path, const QString &password)
{
    if (QFileInfo::exists(path))
        throw DbError(DatabaseFile::createFailure(
            path, QStringLiteral("a file of that name exists already")));
    if (password.isEmpty())
        throw DbError(DatabaseFile::createFailure(
            path, QStringLiteral("a password is needed to encrypt it")));
    if (!QFileInfo(path).absoluteDir().exists())
        throw DbError(
            DatabaseFile::createFailure(path, QStringLiteral("the folder does not exist")));

    Handle handle;
    const int rc = sqlite3_open_v2(
        QFile::encodeName(path).constData(), &handle.db, OpenFlags | SQLITE_OPEN_CREATE, nullptr);
    try {
        if (rc != SQLITE_OK)
            throw DbError(
                DatabaseFile::createFailure(path, QString::fromUtf8(sqlite3_errmsg(handle.db))));
        DatabaseFile::applyKey(handle.db, password);
        tuneConnection(handle.db);
        if (EngineFunctions::install(handle.db) != SQLITE_OK)
            throw DbError(
                DatabaseFile::createFailure(path, QString::fromUtf8(sqlite3_errmsg(handle.db))));
        if (const QString refused = DatabaseFile::useWriteAheadJournal(handle.db);
            !refused.isEmpty())
            throw DbError(DatabaseFile::createFailure(path, refused));
        PreparedStatement::run(handle.db, QStringLiteral("BEGIN"));
        for (const QString &statement : Schema::createStatements())
            PreparedStatement::run(handle.db, statement);
        DatabaseFile::stamp(handle.db);
        PreparedStatement::run(handle.db, QStringLiteral("COMMIT"));
    } catch (const DbError &failure) {
        // Nothing half made is left behind under the user's name.
        sqlite3_close_v2(handle.release());
        QFile::remove(path);
        for (const char *beside : { "-journal", "-wal", "-shm" })
            QFile::remove(path + QLatin1String(beside));
        if (failure.message().startsWith(QLatin1String("The database ")))
            throw;
        throw DbError(DatabaseFile::createFailure(path, failure.message()), failure.statement());
    }
    return std::unique_ptr<Database>(
        new Database(handle.release(), path, password, DatabaseFile::CurrentVersion));
}

std::shared_ptr<Database> Database::openSnapshot() const
{
    if (!m_readers)
        throw std::logic_error("database: a snapshot has no snapshots of its own");
    return snapshotOn(m_readers);
}

std::shared_ptr<Database> Database::snapshotOn(const std::shared_ptr<Readers> &readers)
{
    sqlite3 *db = readers->take();
    std::shared_ptr<Database> snapshot(new Database(db, readers->path, readers));
    // The transaction's first read fixes what it sees; it stays open until the snapshot goes.
    PreparedStatement::run(db, QStringLiteral("BEGIN"));
    QStringList tables;
    if (const int read = firstRead(db, tables); read != SQLITE_OK)
        throw readers->refusal(db, read);
    return snapshot;
}

Database::SnapshotOpener Database::snapshotOpener() const
{
    if (!m_readers)
        throw std::logic_error("database: a snapshot has no snapshots of its own");
    return [readers = m_readers] { return snapshotOn(readers); };
}

std::shared_ptr<RowChangeLog> Database::rowChangeLog()
{
    if (!m_rowLog)
        m_rowLog = std::make_shared<RowChangeLog>(m_db);
    return m_rowLog;
}

namespace {

// The statement in the engine's SQL with its values bound.
PreparedStatement compiled(sqlite3 *db, const QString &sql, const QVariantList &values)
{
    PreparedStatement statement(db, translateDialect(sql), sql);
    statement.bindAll(values);
    return statement;
}

} // namespace

Recordset Database::openRecordset(const QString &sql, const QVariantList &values)
{
    return Recordset(m_db, sql, translateDialect(sql), values);
}

TextRows Database::openTextRows(const QString &sql, const QVariantList &values)
{
    return TextRows(compiled(m_db, sql, values));
}

void Database::execute(const QString &sql, const QVariantList &values)
{
    compiled(m_db, sql, values).execute();
}

int Database::version()
{
    return DatabaseFile::identity(m_db, m_path).version;
}

QString Database::integrityCheck()
{
    const QString sql = QStringLiteral("PRAGMA integrity_check");
    PreparedStatement check(m_db, sql, sql);
    QStringList lines;
    while (check.step())
        lines << check.value(0, PreparedStatement::ColumnKind::Plain).toString();
    return lines.join(QLatin1Char('\n'));
}
