#include "WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>

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
