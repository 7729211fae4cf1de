#pragma once

#include <QString>

class QTextStream;

// corvane-db backup: a consistent copy of a database file, made while Corvane may have the file
// open and be saving. The copy keeps the file's password and is checked before it gets its name.
namespace FileBackup {

// Returns the exit code; failures are thrown as DbError and leave no file at destination.
int run(const QString &database, const QString &destination, QTextStream &out);

} // namespace FileBackup
