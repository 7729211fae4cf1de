#include "InstanceGuard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <unistd.h>

namespace {

QString lockPath(const QString &installationFolder)
{
    // Another path to the same folder (a link, "..", a trailing slash) is the same installation.
    QString folder = QFileInfo(installationFolder).canonicalFilePath();
    if (folder.isEmpty())
        folder = QDir::cleanPath(QDir(installationFolder).absolutePath());
    const QByteArray hash
        = QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    // Each user of the machine has a guard of their own: another user's running copy, or the
    // lock it left when it died (which the shared temporary folder does not let anyone else
    // remove), must not keep them out of their own database.
    return QDir(QDir::tempPath())
        .filePath(QStringLiteral("corvane-%1-%2.lock").arg(getuid()).arg(QLatin1String(hash)));
}

} // namespace

InstanceGuard::InstanceGuard(const QString &installationFolder)
    : m_lock(std::make_unique<QLockFile>(lockPath(installationFolder)))
{
    // A lock is stale only when its process is gone. Qt's default also takes over locks older
    // than 30 seconds, which would let a second copy in beside one that has run for a while.
    m_lock->setStaleLockTime(0);
}

InstanceGuard::~InstanceGuard() = default;

bool InstanceGuard::tryAcquire()
{
    return m_lock->isLocked() || m_lock->tryLock(0);
}
