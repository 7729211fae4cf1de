#include "ValueBinder.h"

#include "IsoText.h"

#include <QDate>
#include <QDateTime>
#include <sqlite3.h>

namespace {

int bindText(sqlite3_stmt *stmt, int position, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    // constData() of an empty array is still a valid pointer, so empty text is not Null.
    return sqlite3_bind_text(stmt, position, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

} // namespace

namespace ValueBinder {

int bind(sqlite3_stmt *stmt, int position, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return sqlite3_bind_null(stmt, position);
    switch (value.typeId()) {
    case QMetaType::QString:
        return bindText(stmt, position, value.toString());
    case QMetaType::QDate: {
        const QDate date = value.toDate();
        return date.isValid() ? bindText(stmt, position, IsoText::fromDate(date))
                              : sqlite3_bind_null(stmt, position);
    }
    case QMetaType::QDateTime: {
        const QDateTime dateTime = value.toDateTime();
        return dateTime.isValid() ? bindText(stmt, position, IsoText::fromDateTime(dateTime))
                                  : sqlite3_bind_null(stmt, position);
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return sqlite3_bind_double(stmt, position, value.toDouble());
    case QMetaType::Bool:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return sqlite3_bind_int64(stmt, position, value.toLongLong());
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return sqlite3_bind_blob(
            stmt, position, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
    }
    default:
        return bindText(stmt, position, value.toString());
    }
}

} // namespace ValueBinder
