#include "ColumnReader.h"

#include "IsoText.h"

#include <QByteArray>
#include <sqlite3.h>

namespace ColumnReader {

Kind kindOf(const char *declaredType)
{
    if (!declaredType)
        return Kind::Plain;
    const QByteArray type = QByteArray(declaredType).trimmed().toUpper();
    if (type == "DATE")
        return Kind::Date;
    if (type == "DATETIME")
        return Kind::DateTime;
    if (type == "CURRENCY")
        return Kind::Currency;
    return Kind::Plain;
}

QVariant read(sqlite3_stmt *stmt, int column, Kind kind)
{
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        if (kind == Kind::Currency)
            return sqlite3_column_double(stmt, column);
        return qlonglong(sqlite3_column_int64(stmt, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(stmt, column);
    case SQLITE_BLOB: {
        const void *data = sqlite3_column_blob(stmt, column);
        return QByteArray(static_cast<const char *>(data), sqlite3_column_bytes(stmt, column));
    }
    default:
        break;
    }
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
    const int bytes = sqlite3_column_bytes(stmt, column);
    if (kind == Kind::Date) {
        const QDate date = IsoText::toDate(text, bytes);
        if (date.isValid())
            return date;
    } else if (kind == Kind::DateTime) {
        const QDateTime dateTime = IsoText::toDateTime(text, bytes);
        if (dateTime.isValid())
            return dateTime;
    }
    if (bytes == 0)
        return QString(QLatin1String("")); // empty text, never confused with Null
    return QString::fromUtf8(text, bytes);
}

} // namespace ColumnReader
