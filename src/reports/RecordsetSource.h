#pragma once

#include "Recordset.h"
#include "ReportRowSource.h"

// A record set handed to the report engine: the report reads its rows as its pages need them
// and lets it go after the last one. Values are given as the grids show them (dates in the
// user's short date form, payments as money); names are matched the way the database compares
// them, ignoring letter case.
class RecordsetSource : public ReportRowSource
{
public:
    explicit RecordsetSource(Recordset recordset);

    QStringList columnNames() const override;
    bool next(QStringList &values) override;
    QByteArray matchKey(const QString &value) const override;
    void close() override;

private:
    Recordset m_rs;
    QStringList m_columns;
    bool m_started = false;
    bool m_closed = false;
};
