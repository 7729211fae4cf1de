#include "EngineFault.h"

#include "Database.h"
#include "PreparedStatement.h"
#include "Schema.h"

#include <QStringList>

#include <sqlite3.h>

namespace {

// The program's connection waits this long for a lock here: the fault's lock is held until the
// test releases it, so the full wait would only make the test slow.
constexpr int ShortWaitMs = 50;

const char *const Events[] = { "INSERT", "UPDATE", "DELETE" };

qint64 pragmaValue(Database &db, const QString &pragma)
{
    PreparedStatement read(db.handle(), pragma, pragma);
    read.step();
    return read.value(0, PreparedStatement::ColumnKind::Plain).toLongLong();
}

// Rows of decreasing size that take up the room left in every page of the tables and their
// indexes, so that any further row, or a value that grows, needs a page the file may not have.
const QString FillerName = QStringLiteral("zz filler %1");

void fillTables(Database &db)
{
    int serial = 0;
    for (const Schema::Table &table : Schema::tables()) {
        QStringList names, marks;
        std::vector<int> widths;
        for (const Schema::Column &column : table.columns) {
            if (column.type != Schema::ColumnType::Text)
                continue;
            names << column.name;
            marks << QStringLiteral("?");
            widths.push_back(column.name == QLatin1String("Customer") ? 0 : column.width);
        }
        const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(table.name, names.join(','), marks.join(','));
        for (const int share : { 100, 50, 25, 10, 0 }) {
            for (;;) {
                QVariantList values;
                for (int i = 0; i < names.size(); ++i) {
                    values << (widths[i] == 0 ? FillerName.arg(++serial, 5, 10, QLatin1Char('0'))
                                              : QString(widths[i] * share / 100, QLatin1Char('f')));
                }
                try {
                    PreparedStatement insert(db.handle(), sql, sql);
                    insert.bindAll(values);
                    insert.execute();
                } catch (const DbError &full) {
                    if (full.cause() != DbError::Cause::Full)
                        throw;
                    break;
                }
            }
        }
    }
}

void emptyFiller(Database &db)
{
    for (const Schema::Table &table : Schema::tables()) {
        PreparedStatement::run(db.handle(),
            QStringLiteral("DELETE FROM %1 WHERE substr(Customer, 1, 10) = 'zz filler '")
                .arg(table.name));
    }
}

// The table no connection may read while an Unreadable fault stands; empty otherwise. The
// connections keep the check after the fault goes, so it must stay harmless then.
QByteArray &unreadableTable()
{
    static QByteArray table;
    return table;
}

int refuseReads(void *, int action, const char *table, const char *, const char *, const char *)
{
    return action == SQLITE_READ && table && unreadableTable() == table ? SQLITE_DENY : SQLITE_OK;
}

int refuseReadsOnOpen(sqlite3 *db, const char **, const sqlite3_api_routines *)
{
    sqlite3_set_authorizer(db, refuseReads, nullptr);
    return SQLITE_OK;
}

using ExtensionEntry = void (*)();

} // namespace

EngineFault::EngineFault(Database &db, Kind kind, const QString &table)
{
    switch (kind) {
    case Full: {
        const qint64 limit = pragmaValue(db, QStringLiteral("PRAGMA max_page_count"));
        const qint64 pages = pragmaValue(db, QStringLiteral("PRAGMA page_count"));
        pragmaValue(db, QStringLiteral("PRAGMA max_page_count = %1").arg(pages));
        fillTables(db);
        m_remove = [&db, limit] {
            emptyFiller(db);
            pragmaValue(db, QStringLiteral("PRAGMA max_page_count = %1").arg(limit));
        };
        break;
    }
    case Locked: {
        const std::shared_ptr<Database> other = Database::open(db.path());
        PreparedStatement::run(other->handle(), QStringLiteral("BEGIN EXCLUSIVE"));
        sqlite3_busy_timeout(db.handle(), ShortWaitMs);
        m_remove = [&db, other] {
            PreparedStatement::run(other->handle(), QStringLiteral("ROLLBACK"));
            sqlite3_busy_timeout(db.handle(), Database::BusyTimeoutMs);
        };
        break;
    }
    case Refused: {
        const auto forEvents = [&db, table](const char *sql) {
            for (const char *event : Events)
                PreparedStatement::run(
                    db.handle(), QString::fromLatin1(sql).arg(table, QLatin1String(event)));
        };
        forEvents("CREATE TEMP TRIGGER refuse_%1_%2 AFTER %2 ON main.%1 BEGIN SELECT "
                  "RAISE(ABORT, 'refused'); END");
        m_remove = [forEvents] { forEvents("DROP TRIGGER temp.refuse_%1_%2"); };
        break;
    }
    case Unreadable: {
        unreadableTable() = table.toUtf8();
        // Setting the check makes the connection prepare its kept statements again.
        sqlite3_set_authorizer(db.handle(), refuseReads, nullptr);
        sqlite3_auto_extension(reinterpret_cast<ExtensionEntry>(refuseReadsOnOpen));
        // Held here, the idle read connection is not the one the next report takes: that one
        // is opened now, and gets the check.
        const std::shared_ptr<Database> held = db.openSnapshot();
        m_remove = [&db, held] {
            unreadableTable().clear();
            sqlite3_cancel_auto_extension(reinterpret_cast<ExtensionEntry>(refuseReadsOnOpen));
            sqlite3_set_authorizer(db.handle(), nullptr, nullptr);
        };
        break;
    }
    }
}

EngineFault::~EngineFault()
{
    remove();
}

void EngineFault::remove()
{
    // The other program's connection, held by the step, closes as the step goes.
    if (m_remove)
        std::exchange(m_remove, nullptr)();
}
