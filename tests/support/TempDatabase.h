#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QVariantMap>
#include <memory>

class Database;

// A fresh encrypted database in a folder of the test's own, installed as the run's gDatabase
// while the object lives.
class TempDatabase
{
public:
    TempDatabase();
    ~TempDatabase();

    Database &db();
    QString path() const { return m_path; }
    QString folder() const { return m_dir.path(); }

    // Rows stored the way the windows store them: every text column text, given columns only.
    void addCustomer(const QString &name, const QVariantMap &columns = {});
    qint64 addMachine(const QString &customer, const QVariantMap &columns = {});
    qint64 addCall(const QString &customer, const QVariantMap &columns = {});

private:
    qint64 insert(const QString &table, const QVariantMap &columns);

    QTemporaryDir m_dir;
    QString m_path;
};
