#include "ProgramClosed.h"

#include "DbError.h"

#include <QDir>

ProgramClosed::ProgramClosed(const QString &programFolder, const QString &database)
    : m_guard(programFolder)
{
    if (!m_guard.tryAcquire())
        throw DbError(QStringLiteral("Corvane is running from %1 and may have %2 open; close it "
                                     "first. Nothing was changed.")
                          .arg(QDir::toNativeSeparators(programFolder), database));
}
