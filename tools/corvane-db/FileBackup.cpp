// The codec entry points of the engine are declared only with this switch.
#define SQLITE_HAS_CODEC 1

#include "FileBackup.h"

#include "DbError.h"
#include "FilePlacement.h"
#include "PasswordPrompt.h"

#include <QFile>
#include <QTextStream>
#include <sqlite3.h>

namespace {

// The engine's handle on the new copy, closed on every way out.
struct CopyHandle
{
    sqlite3 *db = nullptr;
    ~CopyHandle() { sqlite3_close_v2(db); }
};

// The temporary file is removed unless it was given its name.
struct PartFile
{
    QString path;
    ~PartFile() { QFile::remove(path); }
};

DbError copyFailure(const QString &destination, const QString &cause)
{
    return DbError(QStringLiteral("The backup %1 could not be made: %2.").arg(destination, cause));
}

// Copies every page in one step: the engine reads the source within one read transaction, so
// the copy is the file as it stood at one moment, holding every save finished before it began.
// A save that comes meanwhile waits for the copy (or, in write-ahead mode, goes on beside it).
void copyPages(
    sqlite3 *source, const QString &copyPath, const QString &password, const QString &destination)
{
    CopyHandle copy;
    if (sqlite3_open_v2(QFile::encodeName(copyPath).constData(), &copy.db,
            SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr)
        != SQLITE_OK)
        throw copyFailure(destination, QString::fromUtf8(sqlite3_errmsg(copy.db)));
    // The engine copies only between files of the same key.
    const QByteArray key = password.toUtf8();
    sqlite3_key(copy.db, key.constData(), int(key.size()));

    sqlite3_backup *backup = sqlite3_backup_init(copy.db, "main", source, "main");
    if (!backup)
        throw copyFailure(destination, QString::fromUtf8(sqlite3_errmsg(copy.db)));
    const int stepped = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE)
        throw copyFailure(destination, QString::fromUtf8(sqlite3_errstr(stepped)));
    if (finished != SQLITE_OK)
        throw copyFailure(destination, QString::fromUtf8(sqlite3_errmsg(copy.db)));
}

} // namespace

namespace FileBackup {

int run(const QString &database, const QString &destination, QTextStream &out)
{
    FilePlacement::refuseExisting(destination);
    const PasswordOpening source = PasswordPrompt::open(database);

    PartFile part { FilePlacement::temporaryBeside(destination, database) };
    copyPages(source.db->handle(), part.path, source.password, destination);

    // The copy is checked as any database is on opening, before anyone can take it for good.
    {
        auto copy = Database::open(part.path, source.password);
        const QString integrity = copy->integrityCheck();
        if (integrity != QLatin1String("ok"))
            throw copyFailure(destination,
                QStringLiteral("the copy fails the integrity check (%1)").arg(integrity));
    }
    FilePlacement::makeDurable(part.path);
    FilePlacement::linkWithoutReplacing(part.path, destination);
    out << "backed up " << database << " to " << destination << '\n';
    return 0;
}

} // namespace FileBackup
