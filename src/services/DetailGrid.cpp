#include "DetailGrid.h"

#include "CellText.h"
#include "DataGrid.h"
#include "Database.h"
#include "GridFill.h"
#include "ProgramValues.h"
#include "Recordset.h"

#include <QList>

const QStringList &machineFields()
{
    static const QStringList fields = { "Brand", "Model", "SN", "Provider", "DatePurchased",
        "DateLeased", "LeaseTerm", "LeaseEnds", "MonthlyVolume", "MonthlyPayment", "Satisfied",
        "Notes", "DateEntered", "ID" };
    return fields;
}

const QStringList &callFields()
{
    static const QStringList fields
        = { "DateofCall", "Telemarketer", "NextCallBack", "Interest", "DateEntered", "ID" };
    return fields;
}

namespace {

// The positions of the named fields in the statement's columns, found once per fill rather
// than by name for every cell.
QList<int> positions(const Recordset &rs, const QStringList &fields)
{
    QList<int> found;
    found.reserve(fields.size());
    for (const QString &field : fields) {
        int at = -1;
        for (int i = 0; i < rs.fieldCount() && at < 0; ++i) {
            if (rs.fieldName(i).compare(field, Qt::CaseInsensitive) == 0)
                at = i;
        }
        if (at < 0)
            rs.field(field); // throws the engine's own complaint about the missing column
        found << at;
    }
    return found;
}

} // namespace

void fillDetailGrid(DataGrid &grid, const DetailList &list, const QString &customer)
{
    beginGridFill(grid, list.headers);
    if (list.fixedCols > 0)
        grid.setFixedCols(list.fixedCols);
    Recordset rs = gDatabase->openRecordset(list.sql, { customer });
    const QList<int> at = positions(rs, list.fields);
    QStringList cells;
    while (!rs.eof()) {
        cells.clear();
        for (int position : at) {
            // A tab typed into a note would push the ID out of its column, and Edit and
            // Delete read the record's identity from there.
            cells << cellText(rs.field(position)).replace(QLatin1Char('\t'), QLatin1Char(' '));
        }
        grid.addItem(cells.join(QLatin1Char('\t')));
        rs.moveNext();
    }
    rs.close();
    if (list.formatCol >= 0)
        grid.setColFormat(list.formatCol, list.format);
    finishGridFill(grid);
}
