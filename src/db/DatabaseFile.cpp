// The codec entry points of the engine are declared only with this switch.
#define SQLITE_HAS_CODEC 1

#include "DatabaseFile.h"

#include "DbError.h"
#include "PreparedStatement.h"
#include "Schema.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace {

// The file of the engine is made of pages of at least 1024 bytes; an encrypted one starts
// with random bytes, a plain one with this header.
constexpr qint64 SmallestPage = 1024;
const QByteArray PlainHeader("SQLite format 3\0", 16);

} // namespace

namespace DatabaseFile {

QString openFailure(const QString &path, const QString &cause)
{
    return QStringLiteral("The database %1 could not be opened: %2.").arg(path, cause);
}

QString createFailure(const QString &path, const QString &cause)
{
    return QStringLiteral("The database %1 could not be created: %2.").arg(path, cause);
}

void checkBeforeOpen(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw DbError(openFailure(path, QStringLiteral("the file does not exist")));
    if (info.isDir())
        throw DbError(openFailure(path, QStringLiteral("it is a folder, not a database file")));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(openFailure(path, QStringLiteral("there is no permission to read the file")));
    if (info.size() == 0)
        throw DbError(openFailure(path, QStringLiteral("the file is empty, not a database")));
    if (info.size() % SmallestPage != 0)
        throw DbError(openFailure(path, QStringLiteral("the file is not a database")));
    if (file.read(PlainHeader.size()) == PlainHeader)
        throw DbError(openFailure(path,
            QStringLiteral(
                "the file is a database without encryption, not one of this program's files")));
}

QString causeOfFirstRead(int resultCode, const char *engineMessage)
{
    switch (resultCode & 0xFF) {
    case SQLITE_NOTADB:
        return QStringLiteral("the password is wrong or the file is damaged");
    case SQLITE_CORRUPT:
        return QStringLiteral("the file is damaged");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("the file is locked by another program");
    case SQLITE_PERM:
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
        return QStringLiteral("there is no permission to use the file");
    default:
        return QString::fromUtf8(engineMessage);
    }
}

int applyKey(sqlite3 *db, const QString &password)
{
    const QByteArray key = password.toUtf8();
    return sqlite3_key(db, key.constData(), int(key.size()));
}

QString useWriteAheadJournal(sqlite3 *db)
{
    const QString sql = QStringLiteral("PRAGMA journal_mode = WAL");
    try {
        PreparedStatement mode(db, sql, sql);
        // The engine answers with the mode it is in; one that cannot keep the journal's index
        // beside the file stays in the old mode without an error.
        if (mode.step()
            && mode.value(0, PreparedStatement::ColumnKind::Plain).toString()
                == QLatin1String("wal"))
            return {};
        return QStringLiteral("the engine cannot keep its write-ahead journal beside the file");
    } catch (const DbError &) {
        return causeOfFirstRead(sqlite3_errcode(db), sqlite3_errmsg(db));
    }
}

namespace {

int pragmaNumber(sqlite3 *db, const char *name)
{
    const QString sql = QStringLiteral("PRAGMA %1").arg(QLatin1String(name));
    PreparedStatement read(db, sql, sql);
    return read.step() ? int(read.number(0)) : 0;
}

} // namespace

Identity identity(sqlite3 *db, const QString &path)
{
    const Identity found { pragmaNumber(db, "application_id"), pragmaNumber(db, "user_version") };
    // A file without the mark but with a version of its own was made by some other program.
    if (found.applicationId != ApplicationId && (found.applicationId != 0 || found.version != 0))
        throw DbError(openFailure(path,
            QStringLiteral("the file belongs to another application (application id %1)")
                .arg(found.applicationId)));
    if (found.version > CurrentVersion)
        throw DbError(openFailure(path,
            QStringLiteral("the file is of version %1, newer than this program knows (%2)")
                .arg(found.version)
                .arg(CurrentVersion)));
    return found;
}

void stamp(sqlite3 *db)
{
    PreparedStatement::run(db, QStringLiteral("PRAGMA application_id = %1").arg(ApplicationId));
    PreparedStatement::run(db, QStringLiteral("PRAGMA user_version = %1").arg(CurrentVersion));
}

void upgrade(sqlite3 *db, const QString &path, const Identity &found)
{
    if (found.version >= CurrentVersion)
        return;
    try {
        // IMMEDIATE: another program writing at the same moment shows as a lock at once.
        PreparedStatement::run(db, QStringLiteral("BEGIN IMMEDIATE"));
        try {
            for (const QString &statement : Schema::upgradeStatements(found.version))
                PreparedStatement::run(db, statement);
            stamp(db);
            PreparedStatement::run(db, QStringLiteral("COMMIT"));
        } catch (const DbError &) {
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
            throw;
        }
    } catch (const DbError &failure) {
        throw DbError(openFailure(path,
            QStringLiteral("it could not be brought up to version %1 (%2)")
                .arg(CurrentVersion)
                .arg(failure.message())));
    }
}

} // namespace DatabaseFile
