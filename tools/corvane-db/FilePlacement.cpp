#include "FilePlacement.h"

#include "DbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace FilePlacement {

QString temporaryBeside(const QString &target, const QString &model)
{
    const QFileInfo info(target);
    QTemporaryFile file(
        info.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX.part").arg(info.fileName())));
    file.setAutoRemove(false);
    if (!file.open())
        throw DbError(QStringLiteral("No file can be written beside %1: %2.")
                          .arg(target, file.errorString()));
    file.setPermissions(QFileInfo(model).permissions());
    return file.fileName();
}

void makeDurable(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    if (!synced)
        throw DbError(QStringLiteral("%1 could not be written to the disk: %2.")
                          .arg(path, QString::fromLocal8Bit(strerror(error))));
}

void refuseExisting(const QString &path)
{
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        throw DbError(QStringLiteral("%1 exists already; it is left as it is.").arg(path));
}

void linkWithoutReplacing(const QString &from, const QString &to)
{
    // A hard link is made in one step and fails on a name that is taken, where a rename would
    // replace the file quietly.
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return;
    const int error = errno;
    if (error == EEXIST)
        refuseExisting(to);
    throw DbError(QStringLiteral("%1 could not be written: %2.")
                      .arg(to, QString::fromLocal8Bit(strerror(error))));
}

} // namespace FilePlacement
