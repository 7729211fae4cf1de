#include "WholeFile.h"

#include <QSaveFile>

bool WholeFile::write(const QString &path, const Writer &writer, QString *problem)
{
    QSaveFile file(path);
    const bool whole = file.open(QIODevice::WriteOnly) && writer(file) && file.commit();
    // Without a commit the temporary file is removed as the object goes.
    if (!whole && problem)
        *problem = file.errorString();
    return whole;
}

WholeFile::WholeFile(const QString &path)
    : m_file(std::make_unique<QSaveFile>(path))
{ }

WholeFile::~WholeFile() = default;

bool WholeFile::open(QString *problem)
{
    if (!m_file)
        return false;
    if (m_file->open(QIODevice::WriteOnly))
        return true;
    if (problem)
        *problem = m_file->errorString();
    return false;
}

QString WholeFile::writingName() const
{
    // The temporary file may be one without a name in the folder (so that a program ended
    // half-way leaves nothing behind); the link of its open descriptor reaches it all the same.
    return m_file ? QStringLiteral("/proc/self/fd/%1").arg(m_file->handle()) : QString();
}

bool WholeFile::commit(QString *problem)
{
    if (!m_file)
        return false;
    // What the other writer wrote went to the file itself, past this object's buffer: the
    // commit makes it durable and gives it its name.
    if (m_file->commit())
        return true;
    if (problem)
        *problem = m_file->errorString();
    return false;
}

void WholeFile::discard()
{
    // An uncommitted file goes with its object, and the name asked for is left as it was.
    m_file.reset();
}
