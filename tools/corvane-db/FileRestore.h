#pragma once

#include <QString>

class QTextStream;

// corvane-db restore: puts a backup in place of the database, once the backup has shown itself
// whole and one of this program's files, keeping the replaced file beside it.
namespace FileRestore {

// The name the replaced file keeps.
QString keptName(const QString &database);

// Returns the exit code; failures are thrown as DbError and leave the database as it was.
int run(
    const QString &backup, const QString &database, const QString &programFolder, QTextStream &out);

} // namespace FileRestore
