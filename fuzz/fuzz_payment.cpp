// The payment box's numbers: whatever is typed, the test and the value agree; a number shows in
// the box's display form as text that reads back as a number within half a cent; and the amount
// stored, shown again for editing and stored unchanged, stays the same amount.

#include "Formats.h"
#include "FuzzCheck.h"

#include <cmath>

namespace {

const QString PaymentFormat = QStringLiteral("$#,##0.00;($#,##0.00)");

// Beyond this a double no longer holds every cent, so "within half a cent" means nothing there.
constexpr double Largest = 1e12;

// Amounts are rounded on the value's first 15 significant digits, as the database's currency
// holds them: beyond the places asked for, half a unit of the 15th digit may differ as well.
bool near(double a, double b, double within)
{
    return std::fabs(a - b) <= within + std::fabs(b) * 5e-15;
}

void payment(const QString &typed)
{
    const std::optional<double> value = numericValue(typed);
    fuzzCheck(value.has_value() == isNumericText(typed), "the test and the value agree", typed);
    fuzzCheck(toNumber(typed) == value.value_or(0.0), "toNumber is the value", typed);
    const double amount = toCurrency(typed);
    if (!value) {
        fuzzCheck(amount == 0.0, "no number is stored as zero", typed);
        fuzzCheck(formatText(typed, PaymentFormat) == typed, "no number shows as typed", typed);
        return;
    }
    fuzzCheck(std::isfinite(*value), "a finite value", typed);
    fuzzCheck(near(amount, *value, 0.00005), "the amount is the value to four places", typed);

    // Stored, loaded into the box for editing and stored again without a change.
    const QString editing = numberText(amount);
    fuzzCheck(toCurrency(editing) == amount, "a stored amount survives editing",
        typed + " -> " + editing);

    if (std::fabs(*value) >= Largest)
        return;
    const QString shown = formatText(typed, PaymentFormat);
    const std::optional<double> back = numericValue(shown);
    fuzzCheck(back.has_value(), "the display form reads as a number", typed + " -> " + shown);
    fuzzCheck(near(*back, *value, 0.005), "the display form is the value to the cent",
        typed + " -> " + shown);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool pinned = (pinLocale(), true);
    Q_UNUSED(pinned);
    if (size == 0)
        return 0;
    // The first byte picks the user's settings: a decimal point, or a decimal comma with dots
    // between the thousands and the euro sign.
    QLocale::setDefault(data[0] & 1 ? QLocale(QLocale::German, QLocale::Germany)
                                    : QLocale(QLocale::English, QLocale::UnitedStates));
    payment(QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)));
    return 0;
}
