#include "CustomerRows.h"

#include "app/CellText.h"
#include "db/IsoText.h"
#include "db/TextRows.h"

namespace {

// The fields of the statement.
enum { Name = 0, State = 4, Zip = 5, DateEntered = 20 };

void appendDateEntered(QByteArray &row, const TextRows &rows)
{
    if (rows.isNull(DateEntered))
        return;
    const QByteArrayView text = rows.text(DateEntered);
    const IsoText::DateAndTime parts = IsoText::toDateAndTime(text.data(), int(text.size()));
    if (parts.date.isValid())
        row += dateTimeText(parts.date, parts.time).toUtf8();
    else
        row += text; // not a date after all: shown as it stands
}

} // namespace

QString customerLine(const TextRows &rows, QByteArray &scratch)
{
    // The row is put together in the engine's own UTF-8 and converted once: a grid of 100,000
    // rows would otherwise make two million texts only to join them again.
    scratch.truncate(0);
    for (int field = Name; field < DateEntered; ++field) {
        if (field == State)
            scratch += ", ";
        else if (field == Zip)
            scratch += ' ';
        else if (field > Name)
            scratch += '\t';
        scratch += rows.text(field);
    }
    scratch += '\t';
    appendDateEntered(scratch, rows);
    return QString::fromUtf8(scratch);
}
