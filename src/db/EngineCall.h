#pragma once

#include "DbError.h"

#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

// The few ways the db layer calls the engine, each turning a refusal into a DbError with the
// engine's own words and the statement as the caller wrote it.
namespace EngineCall {

DbError error(sqlite3 *db, const QString &statement);

// Compiles exactly one statement: text after it (a second statement smuggled in after a
// semicolon) is refused rather than silently dropped.
sqlite3_stmt *prepare(sqlite3 *db, const QString &engineSql, const QString &statement);

// Binds one value (see ValueBinder), throwing when the engine refuses it.
void bind(
    sqlite3 *db, sqlite3_stmt *stmt, int position, const QVariant &value, const QString &statement);

// Steps a compiled statement to its end, throwing on a refusal.
void runToEnd(sqlite3 *db, sqlite3_stmt *stmt, const QString &statement);

// Compiles, runs and releases one statement.
void execute(sqlite3 *db, const QString &engineSql, const QString &statement);

} // namespace EngineCall
