#include "FieldValue.h"

#include "DbError.h"
#include "Dialect.h"
#include "IsoText.h"
#include "Schema.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace {

using Schema::Column;
using Schema::ColumnType;

QString storedText(const Column &column, const QVariant &value)
{
    const QString text = value.toString();
    if (column.type == ColumnType::Text && FieldValue::characterCount(text) > column.width)
        throw DbError(QStringLiteral("The text for %1 is too long: at most %2 characters.")
                          .arg(column.name)
                          .arg(column.width));
    return text;
}

QDateTime dateFromText(const Column &column, const QString &text)
{
    QDateTime when = IsoText::toDateTime(text.trimmed());
    if (!when.isValid()) {
        const QDateTime written = parseDialectDate(text);
        if (written.isValid())
            when = QDateTime(written.date(), written.time());
    }
    if (!when.isValid())
        throw DbError(
            QStringLiteral("The value for %1 is not a date: \"%2\".").arg(column.name, text));
    return when;
}

QVariant storedDate(const Column &column, const QVariant &value)
{
    QDateTime when;
    switch (value.typeId()) {
    case QMetaType::QDate:
        when = QDateTime(value.toDate(), QTime(0, 0));
        break;
    case QMetaType::QDateTime:
        when = value.toDateTime();
        break;
    default: {
        const QString text = value.toString();
        if (text.trimmed().isEmpty())
            return {}; // an empty date box means no date
        when = dateFromText(column, text);
    }
    }
    if (!when.isValid())
        return {};
    if (column.type == ColumnType::Date)
        return when.date();
    return when;
}

QVariant storedPayment(const QVariant &value)
{
    if (value.typeId() == QMetaType::QString)
        return FieldValue::paymentFromText(value.toString());
    bool ok = false;
    const double amount = value.toDouble(&ok);
    return ok && std::isfinite(amount) ? FieldValue::roundPayment(amount) : 0.0;
}

} // namespace

namespace FieldValue {

QVariant toStored(const Column &column, const QVariant &value)
{
    if (column.type == ColumnType::Id)
        throw DbError(QStringLiteral("%1 is assigned by the database and cannot be written.")
                          .arg(column.name));
    if (!value.isValid() || value.isNull())
        return {};
    switch (column.type) {
    case ColumnType::Text:
    case ColumnType::LongText:
        return storedText(column, value);
    case ColumnType::Date:
    case ColumnType::DateTime:
        return storedDate(column, value);
    case ColumnType::Currency:
        return storedPayment(value);
    case ColumnType::Id:
        break;
    }
    return {};
}

double roundPayment(double amount)
{
    return std::round(amount * 10000.0) / 10000.0;
}

double paymentFromText(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    double amount = QLocale::c().toDouble(trimmed, &ok);
    if (!ok) {
        // The box's own display form; a comma counts only between groups of three digits, so
        // "12,50" is no number rather than twelve hundred and fifty.
        static const QRegularExpression shown(
            QStringLiteral(R"(^(\()?\s*(-)?\s*\$?\s*(\d{1,3}(?:,\d{3})+|\d+)(\.\d+)?\s*(\))?$)"));
        const QRegularExpressionMatch m = shown.match(trimmed);
        if (!m.hasMatch() || m.hasCaptured(1) != m.hasCaptured(5))
            return 0.0;
        QString digits = m.captured(3).remove(QLatin1Char(',')) + m.captured(4);
        amount = QLocale::c().toDouble(digits, &ok);
        if (m.hasCaptured(1) || m.hasCaptured(2))
            amount = -amount;
    }
    if (!ok || !std::isfinite(amount))
        return 0.0;
    return roundPayment(amount);
}

qsizetype characterCount(const QString &text)
{
    qsizetype count = text.size();
    for (const QChar c : text) {
        if (c.isLowSurrogate())
            --count;
    }
    return count;
}

} // namespace FieldValue
