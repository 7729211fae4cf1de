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
    // The record set is one of the snapshot's: the source keeps the snapshot open until it has
    // read its last row or the report goes, so that every row comes from the same moment.
    RecordsetSource(Recordset recordset, std::shared_ptr<Database> snapshot);

    QStringList columnNames() const override;
    bool next(QStringList &values) override;
    const QList<QDateTime> &dates() const override;
    QByteArray matchKey(const QString &value) const override;
    void close() override;

private:
    void keepDate(int column, const QVariant &value);

    // Declared before the record set: the cursor goes before its connection.
    std::shared_ptr<Database> m_snapshot;
    Recordset m_rs;
    QStringList m_columns;
    QList<QDateTime> m_dates; // of the current row; empty while no row has held a date
    bool m_started = false;
    bool m_closed = false;
};
