#pragma once

#include <QStringList>

class Database;

// Takes a file's indexes away for a bulk load and builds them again afterwards: building an
// index once from a million rows is far cheaper than keeping it up to date row by row, and
// rebuilding the unique name index checks the loaded names all the same. Use it inside a
// transaction, so that a failed load gets its indexes back with the rollback.
class DeferredIndexes
{
public:
    explicit DeferredIndexes(Database &db);
    DeferredIndexes(const DeferredIndexes &) = delete;
    DeferredIndexes &operator=(const DeferredIndexes &) = delete;

    void rebuild();

private:
    Database &m_db;
    QStringList m_definitions;
};
