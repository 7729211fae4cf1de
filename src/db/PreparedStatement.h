#pragma once

#include "DbError.h"

#include <QString>
#include <QVariant>
#include <QVariantList>

class Database;
struct sqlite3;
struct sqlite3_stmt;

// One compiled statement of the engine, released on every way out of the scope that holds it
// (or sooner, once its rows are read). Values go in bound to its ? marks, never spliced into the
// text: QString as text (empty text stays empty text), QDate as YYYY-MM-DD, QDateTime as
// YYYY-MM-DD HH:MM:SS, numbers as numbers, a null QVariant or an invalid date as Null. Every
// refusal of the engine becomes a DbError with the engine's own words and the statement as the
// caller wrote it.
class PreparedStatement
{
public:
    // How a result column's value comes back, chosen by the column's declared type: QDate for
    // DATE, QDateTime for DATETIME, double for CURRENCY, otherwise by what is stored (text,
    // whole number, number). Null stays a null QVariant, distinct from empty text. A value in a
    // date column that is no date (written by another tool) comes back as its text.
    enum class ColumnKind { Plain, Date, DateTime, Currency };

    // A statement the program writes itself in the engine's own SQL (no dialect translation),
    // run many times with fresh values: bulk loading the demo data, the schema code.
    PreparedStatement(Database &db, const QString &sql);
    // Compiles engineSql, which must be exactly one statement: text after it (a second statement
    // smuggled in after a semicolon) is refused rather than silently dropped. Refusals name
    // 'statement', the text as the caller wrote it.
    PreparedStatement(sqlite3 *db, const QString &engineSql, const QString &statement);
    PreparedStatement(PreparedStatement &&other) noexcept;
    PreparedStatement &operator=(PreparedStatement &&) = delete;
    PreparedStatement(const PreparedStatement &) = delete;
    ~PreparedStatement();

    void bind(int position, const QVariant &value); // positions count from 1
    void bindAll(const QVariantList &values);
    // Runs the statement to its end and readies it for the next values: a value not bound
    // again is Null, never the last row's.
    void execute();
    qint64 lastInsertId() const;

    // Moves to the next row, the first one included. At the end it returns false and the
    // statement is released at once, so that a finished read does not hold back later changes;
    // a refusal releases it too.
    bool step();
    // Releases the statement now; what it read is gone.
    void finish();
    bool active() const { return m_stmt != nullptr; }

    QVariant value(int column, ColumnKind kind) const;
    qint64 number(int column) const;
    static ColumnKind kindOf(const char *declaredType);

    sqlite3_stmt *handle() const { return m_stmt; }
    const QString &statement() const { return m_statement; }
    DbError error() const;

    // Compiles, runs and releases one statement of the engine's own SQL.
    static void run(sqlite3 *db, const QString &sql);

private:
    explicit PreparedStatement(sqlite3 *db); // holds no statement yet
    void compile(const QString &engineSql);

    sqlite3 *m_db;
    sqlite3_stmt *m_stmt = nullptr;
    QString m_statement;
};
