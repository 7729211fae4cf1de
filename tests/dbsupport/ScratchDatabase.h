#pragma once

#include "Database.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>
#include <memory>
#include <utility>

// A new encrypted database in a folder of its own, for one test, gone with the object.
class ScratchDatabase
{
public:
    // The open database is kept in 'home' when one is given (the run's database, for tests of
    // windows that use it), otherwise in the object itself.
    explicit ScratchDatabase(std::unique_ptr<Database> *home = nullptr);
    ~ScratchDatabase();
    ScratchDatabase(const ScratchDatabase &) = delete;
    ScratchDatabase &operator=(const ScratchDatabase &) = delete;

    Database &db() { return **m_home; }
    QString path() const { return m_path; }
    QString folder() const { return m_dir.path(); }
    void close() { m_home->reset(); }

    // Stores one row with the given columns, bound as they are; returns its row id.
    qint64 insert(const QString &table, const QVariantMap &columns);
    // Rows stored the way the windows store them: the given columns only, and a brand (a
    // telemarketer) where none is given.
    void addCustomer(const QString &name, const QVariantMap &columns = {});
    qint64 addMachine(const QString &customer, const QVariantMap &columns = {});
    qint64 addCall(const QString &customer, const QVariantMap &columns = {});

    // Every value of one column of a statement (the first unless named), each as text
    // ("<null>" for Null).
    QStringList column(const QString &sql, const QString &name = QString());

private:
    qint64 addDetail(const QString &table, const QString &customer, const QVariantMap &columns,
        const std::pair<QString, QString> &needed);

    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<Database> m_own;
    std::unique_ptr<Database> *m_home;
};
