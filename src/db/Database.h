#pragma once

#include <QString>
#include <QVariantList>
#include <memory>

struct sqlite3;
class Recordset;
class TextRows;

// The one open database file of a run. Everything the windows send is written in the program's
// own SQL dialect and translated here before the engine sees it.
class Database
{
public:
    // The fixed password of every installation.
    static const char *const Password;

    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Opens an existing encrypted file read-write, shared. Throws DbError naming the file and
    // the cause: missing, wrong password or not a database, locked.
    static std::unique_ptr<Database> open(const QString &path, const QString &password = Password);
    // Makes a new encrypted file with the three tables. Refuses to touch an existing file.
    static std::unique_ptr<Database> create(
        const QString &path, const QString &password = Password);

    // Each statement takes its values bound to its ? marks, in order, never spliced into the text.

    // A cursor over the rows of a SELECT, positioned on the first row.
    Recordset openRecordset(const QString &sql, const QVariantList &values = {});
    // The rows of a SELECT as text, for reading only; before its first row.
    TextRows openTextRows(const QString &sql, const QVariantList &values = {});
    // Runs a DELETE or UPDATE to its end.
    void execute(const QString &sql, const QVariantList &values = {});

    // The engine's integrity check: "ok" or the problems it found.
    QString integrityCheck();
    QString path() const { return m_path; }
    sqlite3 *handle() const { return m_db; }

private:
    Database(sqlite3 *db, const QString &path);

    sqlite3 *m_db = nullptr;
    QString m_path;
};
