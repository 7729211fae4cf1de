#pragma once

#include <QVariant>

namespace Schema {
struct Column;
}

// What a record set stores for a value written to a column, checked against the column
// before anything reaches the engine. Throws DbError naming the column.
namespace FieldValue {

QVariant toStored(const Schema::Column &column, const QVariant &value);

// A payment written as text: a plain number in the C locale ("12.50"), or the amount as the
// payment box shows it ("$1,234.50", "($12.00)"); any other text is zero. Rounded to four
// decimal places, as every payment is stored.
double paymentFromText(const QString &text);
double roundPayment(double amount);

// Characters as the engine's length() counts them: code points, not UTF-16 units.
qsizetype characterCount(const QString &text);

} // namespace FieldValue
