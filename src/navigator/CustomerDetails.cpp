#include "CustomerDetails.h"

#include "DetailGrid.h"

namespace {

const DetailList &machines()
{
    static const DetailList list = {
        .headers = { "Brand", "Model", "Serial No.", "Provider", "Date Purchased", "Date Leased",
            "Lease Term", "Lease Ends", "Monthy Volume", "Monthly Payment", "Satisfied", "Notes",
            "Date Entered", "ID" },
        .sql = QStringLiteral("SELECT * FROM Equipment WHERE Customer = ? ORDER BY Brand,Model,SN"),
        .fields = machineFields(),
        .formatCol = 9,
        .format = QStringLiteral("$#,###.##"),
    };
    return list;
}

const DetailList &calls()
{
    static const DetailList list = {
        .headers
        = { "Date of Call", "Telemarketer", "Next Call Back", "Interest", "Date Entered", "ID" },
        .sql = QStringLiteral(
            "SELECT * FROM Telemarket WHERE Customer = ? ORDER BY DateOfCall,Telemarketer"),
        .fields = callFields(),
    };
    return list;
}

} // namespace

void fillCustomerMachines(DataGrid &grid, const QString &customer)
{
    fillDetailGrid(grid, machines(), customer);
}

void fillCustomerCalls(DataGrid &grid, const QString &customer)
{
    fillDetailGrid(grid, calls(), customer);
}
