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

} // namespace DatabaseFile
