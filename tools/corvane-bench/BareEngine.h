#pragma once

#include <QString>

struct sqlite3;

// The encrypted file opened on the bare engine: none of the program's own collation or Like,
// so a statement run here costs what the engine alone costs.
class BareEngine
{
public:
    explicit BareEngine(const QString &path);
    ~BareEngine();
    BareEngine(const BareEngine &) = delete;
    BareEngine &operator=(const BareEngine &) = delete;

    // Steps through every row, reading every column as text; returns the number of rows.
    int run(const QString &sql);

    // The program's statement in the engine's own SQL, its Like patterns written with % and _.
    static QString bareStatement(const QString &programSql);

private:
    sqlite3 *m_db = nullptr;
};
