#pragma once

#include <QString>

class QTextStream;

// corvane-db password: encrypts a database file again with a password of the user's own, or
// with the built-in one again, in place and all or nothing.
namespace FileRekey {

// Returns the exit code; failures are thrown as DbError and leave the file as it was.
int run(const QString &database, const QString &programFolder, QTextStream &out);

} // namespace FileRekey
