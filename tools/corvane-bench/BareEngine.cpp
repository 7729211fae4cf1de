// The encryption calls are declared only when the codec is asked for.
#define SQLITE_HAS_CODEC 1
#include "BareEngine.h"

#include "Database.h"
#include "Dialect.h"

#include <QRegularExpression>
#include <sqlite3.h>
#include <stdexcept>

BareEngine::BareEngine(const QString &path)
{
    if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READONLY, nullptr)
        != SQLITE_OK)
        throw std::runtime_error("cannot open " + path.toStdString());
    const QByteArray key(Database::Password);
    sqlite3_key(m_db, key.constData(), int(key.size()));
    // The same page cache as the program's own connection, so that both pay the same for reading.
    sqlite3_exec(m_db, "PRAGMA cache_size = -131072", nullptr, nullptr, nullptr);
}

BareEngine::~BareEngine()
{
    sqlite3_close(m_db);
}

int BareEngine::run(const QString &sql)
{
    sqlite3_stmt *stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(m_db));
    int rows = 0;
    const int columns = sqlite3_column_count(stmt);
    qint64 bytes = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int i = 0; i < columns; ++i) {
            sqlite3_column_text(stmt, i);
            bytes += sqlite3_column_bytes(stmt, i);
        }
        ++rows;
    }
    sqlite3_finalize(stmt);
    return bytes < 0 ? -1 : rows;
}

QString BareEngine::bareStatement(const QString &programSql)
{
    // The benchmark's words hold no wildcards, so only the framing stars become %.
    QString sql = translateDialect(programSql);
    static const QRegularExpression like(QStringLiteral("Like '\\*([^*']*)\\*'"));
    sql.replace(like, QStringLiteral("LIKE '%\\1%'"));
    return sql;
}
