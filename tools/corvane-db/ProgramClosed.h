#pragma once

#include "InstanceGuard.h"

#include <QString>

// Corvane keeps its database open for the whole of its run: a file replaced or re-encrypted
// under it would be lost to it, or its next save lost to the file. So the commands that do so
// hold the installation's one-copy guard while they work, which tells them whether Corvane is
// running and keeps it from starting meanwhile.
class ProgramClosed
{
public:
    // Throws DbError, naming the database, when Corvane runs from the program folder.
    ProgramClosed(const QString &programFolder, const QString &database);

private:
    InstanceGuard m_guard;
};
