#include "CustomerRows.h"

#include "SearchStatement.h"

#include "CellText.h"
#include "IsoText.h"
#include "TextRows.h"

#include <cstring>

namespace {

enum { Name = NameField, State = StateField, Zip = ZipField, DateEntered = DateEnteredField };

void appendDateEntered(QByteArray &row, const TextRows &rows)
{
    if (rows.isNull(DateEntered))
        return;
    const QByteArrayView text = rows.text(DateEntered);
    const IsoText::DateAndTime parts = IsoText::toDateAndTime(text.data(), int(text.size()));
    if (parts.date.isValid())
        appendDateTimeText(row, parts.date, parts.time);
    else
        row += text; // not a date after all: shown as it stands
}

} // namespace

QByteArray customerLine(const TextRows &rows, QByteArray &scratch)
{
    // The row is put together in the engine's own UTF-8 as one text: a grid of 100,000 rows
    // would otherwise make two million texts only to join them again.
    QByteArrayView fields[DateEntered];
    qsizetype size = 0;
    for (int field = Name; field < DateEntered; ++field) {
        fields[field] = rows.text(field);
        size += fields[field].size();
    }
    // The separators: one before each field after the first (", " before State, a blank before
    // Zip, else a tab), and the tab before DateEntered.
    size += (DateEntered - 1) + 1 + 1;
    scratch.resize(size);
    char *out = scratch.data();
    for (int field = Name; field < DateEntered; ++field) {
        if (field == State) {
            *out++ = ',';
            *out++ = ' ';
        } else if (field == Zip) {
            *out++ = ' ';
        } else if (field > Name) {
            *out++ = '\t';
        }
        if (!fields[field].isEmpty())
            std::memcpy(out, fields[field].data(), size_t(fields[field].size()));
        out += fields[field].size();
    }
    *out = '\t';
    Q_ASSERT(out + 1 == scratch.constData() + size);
    appendDateEntered(scratch, rows);
    // A copy of its own size: scratch keeps the room of the longest row so far.
    return QByteArray(scratch.constData(), scratch.size());
}
