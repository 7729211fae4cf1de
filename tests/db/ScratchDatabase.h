#pragma once

#include "Database.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>
#include <memory>

// A new encrypted database in a folder of its own, for one test.
class ScratchDatabase
{
public:
    ScratchDatabase();

    Database &db() { return *m_db; }
    QString path() const { return m_path; }
    QString folder() const { return m_dir.path(); }
    void close() { m_db.reset(); }

    // Stores one row with the given columns, bound as they are; returns its row id.
    qint64 insert(const QString &table, const QVariantMap &columns);
    // Every value of one column of a statement (the first unless named), each as text
    // ("<null>" for Null).
    QStringList column(const QString &sql, const QString &name = QString());

private:
    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<Database> m_db;
};
