#include "ProgramFolder.h"

#include "Database.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

void ProgramFolder::writeConfig(const QByteArray &bytes)
{
    QFile file(filePath(QStringLiteral("config.txt")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
}

void ProgramFolder::writeConfig(const QString &databaseItem, const QString &monthsItem)
{
    writeConfig(QStringLiteral("\"Corvane\"\r\n\"Database\",\"%1\"\r\n\"Call back months\",%2\r\n")
                    .arg(databaseItem, monthsItem)
                    .toUtf8());
}

QString ProgramFolder::createDatabase(const QString &name, const QString &password)
{
    const QString path = QDir(this->path()).filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (password.isEmpty())
        Database::create(path);
    else
        Database::create(path, password);
    return path;
}

QMap<QString, QByteArray> ProgramFolder::contents() const
{
    QMap<QString, QByteArray> files;
    QDirIterator it(path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files.insert(
            file.fileName(), file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    return files;
}
