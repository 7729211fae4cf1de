#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

// A program folder of a test's own: config.txt and database files as an installation has them.
class ProgramFolder
{
public:
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    void writeConfig(const QByteArray &bytes);
    // The usual three lines, with the database path and the call-back months as given.
    void writeConfig(const QString &databaseItem, const QString &monthsItem = QStringLiteral("6"));
    // A new database with the three tables; a relative name lies in this folder.
    QString createDatabase(const QString &name, const QString &password = QString());

    // Every file under the folder with its bytes, to show that nothing was written.
    QMap<QString, QByteArray> contents() const;

private:
    QTemporaryDir m_dir;
};
