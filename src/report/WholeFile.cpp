#include "WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace {

QFile::Permissions newFilePermissions()
{
    // The process's file mode mask can only be read by setting it; it is set back at once.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const mode_t mode = 0666 & ~mask;
    QFile::Permissions permissions;
    const std::pair<mode_t, QFile::Permissions> bits[]
        = { { S_IRUSR, QFile::ReadOwner | QFile::ReadUser },
              { S_IWUSR, QFile::WriteOwner | QFile::WriteUser }, { S_IRGRP, QFile::ReadGroup },
              { S_IWGRP, QFile::WriteGroup }, { S_IROTH, QFile::ReadOther },
              { S_IWOTH, QFile::WriteOther } };
    for (const auto &[bit, permission] : bits)
        if (mode & bit)
            permissions |= permission;
    return permissions;
}

} // namespace

WholeFile::WholeFile(const QString &path)
    : m_path(path)
{ }

// Without a commit the temporary file goes with its object.
WholeFile::~WholeFile() = default;

bool WholeFile::open()
{
    m_save = std::make_unique<QSaveFile>(m_path);
    if (m_save->open(QIODevice::WriteOnly))
        return true;
    m_error = m_save->errorString();
    m_save.reset();
    return false;
}

QIODevice &WholeFile::device()
{
    return *m_save;
}

QString WholeFile::openByName()
{
    // Hidden, and with the target's own suffix, so that a writer that goes by the suffix
    // writes the kind of file asked for.
    const QFileInfo target(m_path);
    QString pattern = QStringLiteral(".%1.XXXXXX").arg(target.fileName());
    if (!target.suffix().isEmpty())
        pattern += QLatin1Char('.') + target.suffix();
    m_named = std::make_unique<QTemporaryFile>(target.dir().filePath(pattern));
    if (!m_named->open()) {
        m_error = m_named->errorString();
        m_named.reset();
        return QString();
    }
    m_named->close();
    return m_named->fileName();
}

bool WholeFile::commit()
{
    if (m_save) {
        const bool whole = m_save->commit();
        if (!whole)
            m_error = m_save->errorString();
        m_save.reset();
        return whole;
    }
    if (!m_named)
        return false;
    // A temporary file is the owner's alone; the file asked for gets what a file saved in
    // place would have: the older file's permissions, or the usual ones of a new file.
    m_named->setPermissions(
        QFileInfo::exists(m_path) ? QFile::permissions(m_path) : newFilePermissions());
    // One rename that replaces an older file at once: it is there whole, old or new.
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(m_named->fileName()).toStdString(),
        QFile::encodeName(m_path).toStdString(), error);
    if (error) {
        m_error = QString::fromLocal8Bit(error.message());
        m_named.reset();
        return false;
    }
    m_named->setAutoRemove(false);
    m_named.reset();
    return true;
}

void WholeFile::discard()
{
    // The device stays for a writer that still holds it; what it writes now goes nowhere, and
    // the temporary file goes with the object.
    if (m_save)
        m_save->cancelWriting();
    m_named.reset();
}

QString WholeFile::errorString() const
{
    // A write that failed on the way is the open file's to tell.
    return m_error.isEmpty() && m_save ? m_save->errorString() : m_error;
}
