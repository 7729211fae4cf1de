#pragma once

#include <QString>
#include <QVariant>
#include <memory>

class Database;
struct sqlite3_stmt;

// A statement the program writes itself in the engine's own SQL (no dialect translation),
// run many times with fresh values: bulk loading the demo data, the schema code. Every value is
// bound: QString as text, QDate as YYYY-MM-DD, QDateTime as YYYY-MM-DD HH:MM:SS, double,
// integers, and a null QVariant as Null.
class PreparedStatement
{
public:
    PreparedStatement(Database &db, const QString &sql);
    ~PreparedStatement();
    PreparedStatement(const PreparedStatement &) = delete;
    PreparedStatement &operator=(const PreparedStatement &) = delete;

    void bind(int position, const QVariant &value); // positions count from 1
    // Runs the statement to its end and readies it for the next values. Throws DbError.
    void execute();
    qint64 lastInsertId() const;

private:
    Database &m_db;
    QString m_sql;
    sqlite3_stmt *m_stmt = nullptr;
};
