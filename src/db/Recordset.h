#pragma once

#include <QString>
#include <QVariant>
#include <memory>

class Database;

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
    explicit Recordset(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> d;
};
