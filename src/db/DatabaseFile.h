#pragma once

#include <QString>

struct sqlite3;

// The file side of opening and creating: what can be told about a path before the engine
// looks at it, the key, and the messages that say to the user which file failed and why.
namespace DatabaseFile {

// Throws DbError for a path that is missing or cannot be one of the program's encrypted files.
void checkBeforeOpen(const QString &path);

// The sentence "The database <path> could not be opened: <cause>."
QString openFailure(const QString &path, const QString &cause);
QString createFailure(const QString &path, const QString &cause);

// The engine's refusal of the first read of a keyed file, put as its cause for the user.
QString causeOfFirstRead(int resultCode, const char *engineMessage);

int applyKey(sqlite3 *db, const QString &password);

// Puts the file in the engine's write-ahead journal mode: a report's snapshot reads the file
// as it stood while the windows go on writing, without either waiting for the other. The mode
// is kept in the file, so every later opening (by an older build or the stock shell as well)
// keeps it. Returns the cause for the user when the engine refuses, otherwise empty text.
QString useWriteAheadJournal(sqlite3 *db);

// What a file of this program says it is: this mark as its application id, and the version of
// its layout. A file made before files carried them has neither (both 0).
constexpr int ApplicationId = 0x436F7276; // "Corv"
constexpr int CurrentVersion = 3;

struct Identity
{
    int applicationId = 0;
    int version = 0;
};

// Throws DbError for a file whose layout is not readable by this program.
Identity identity(sqlite3 *db, const QString &path);
// Writes this program's mark and the current version; within the caller's transaction.
void stamp(sqlite3 *db);
// Brings a file of an older version up to the current one in one transaction.
void upgrade(sqlite3 *db, const QString &path, const Identity &found);

} // namespace DatabaseFile
