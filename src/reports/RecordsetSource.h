#pragma once

#include "Recordset.h"
#include "ReportRowSource.h"

#include <memory>

class Database;

// A record set handed to the report engine: the report reads its rows as its pages need them
// and lets it go after the last one. Values are given as the grids show them (dates in the
// user's short date form, payments as money); names are matched the way the database compares
// them, ignoring letter case.
class RecordsetSource : public ReportRowSource
{
public:
    // The record set is the snapshot's, opened on sql. The source keeps the snapshot as long
    // as it lives, so that every row comes from the same moment, and rows read before can be
    // read again from that moment by running sql once more. sql orders its rows by the column
    // named orderedBy first (empty for none): a second reader then starts at a value of it.
    RecordsetSource(Recordset recordset, const QString &sql, const QString &orderedBy,
        std::shared_ptr<Database> snapshot);

    QStringList columnNames() const override;
    bool next(QStringList &values) override;
    const QList<QDateTime> &dates() const override;
    bool skip() override;
    QByteArray matchKey(const QString &value) const override;
    void close() override;
    int seekColumn() const override;
    std::unique_ptr<ReportRowSource> reopen(const QString &from) const override;

private:
    void keepDate(int column, const QVariant &value);
    // Moves to the next row; false after the last.
    bool advance();

    // Declared before the record set: the cursor goes before its connection.
    std::shared_ptr<Database> m_snapshot;
    QString m_sql;
    QString m_orderedBy;
    Recordset m_rs;
    QStringList m_columns;
    QList<QDateTime> m_dates; // of the current row; empty while no row has held a date
    bool m_started = false;
    bool m_closed = false;
};
