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

// Pages copied at a time. Between steps the source is free, so that a save in Corvane waits
// for one step at most, well within its wait for a busy file, rather than for the whole copy.
constexpr int PagesPerStep = 2048;
constexpr int PauseMs = 10;
// A save by another program between steps starts the copy again, so that it always ends as the
// file stood at one moment. Should saves keep coming, the rest is copied in one step.
constexpr int MostRestarts = 10;

// The copy holds every save finished before it began, and no save in part.
void stepThrough(sqlite3_backup *backup)
{
    int restarts = 0;
    int previous = -1;
    int rc = SQLITE_OK;
    while (rc == SQLITE_OK) {
        rc = sqlite3_backup_step(backup, restarts < MostRestarts ? PagesPerStep : -1);
        const int remaining = sqlite3_backup_remaining(backup);
        if (previous >= 0 && remaining > previous)
            ++restarts;
        previous = remaining;
        if (rc == SQLITE_OK)
            sqlite3_sleep(PauseMs);
    }
}

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
    stepThrough(backup);
    const int finished = sqlite3_backup_finish(backup);
    if (finished != SQLITE_OK)
        throw copyFailure(destination, QString::fromUtf8(sqlite3_errstr(finished)));
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
