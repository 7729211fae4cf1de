#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <memory>

class Database;
struct sqlite3;

// A cursor over the rows of one SELECT. Values come back as QVariant: QString for text, QDate
// for a date column, QDateTime for a date-and-time column, double for the payment, qlonglong
// for ID, and a null QVariant for Null (which is not the same as empty text).
// The one-table statements a save opens (SELECT * FROM t WHERE ..., SELECT TOP 1 * FROM t)
// are updatable: addNew/edit, setField, update.
class Recordset
{
public:
    Recordset(Recordset &&) noexcept;
    Recordset &operator=(Recordset &&) noexcept;
    ~Recordset();

    bool eof() const;
    bool bof() const;
    void moveNext();

    // Throws DbError for a column the statement does not have. Names ignore letter case.
    QVariant field(const QString &name) const;
    // The same by position, for callers that read every column in order.
    QVariant field(int index) const;
    int fieldCount() const;
    QString fieldName(int index) const;

    void addNew();
    void edit();
    void setField(const QString &name, const QVariant &value);
    void update();
    void close();

private:
    friend class Database;
    struct Impl;
    // Runs engineSql (the translation of sql) with its values bound.
    Recordset(
        sqlite3 *db, const QString &sql, const QString &engineSql, const QVariantList &values);
    std::unique_ptr<Impl> d;
};
