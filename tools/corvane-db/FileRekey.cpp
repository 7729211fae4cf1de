// The codec entry points of the engine are declared only with this switch.
#define SQLITE_HAS_CODEC 1

#include "FileRekey.h"

#include "DbError.h"
#include "PasswordPrompt.h"
#include "PreparedStatement.h"
#include "ProgramClosed.h"

#include <QTextStream>
#include <sqlite3.h>

namespace {

DbError unchanged(const QString &database, const QString &cause)
{
    return DbError(QStringLiteral("The password of %1 was not changed: %2.").arg(database, cause));
}

QString answerTo(const QString &question, const QString &database)
{
    const std::optional<QString> answer = PasswordPrompt::ask(question);
    if (!answer)
        throw unchanged(database, QStringLiteral("no new password was given"));
    return *answer;
}

QString journalMode(sqlite3 *db, const QString &mode = QString())
{
    const QString sql = mode.isEmpty() ? QStringLiteral("PRAGMA journal_mode")
                                       : QStringLiteral("PRAGMA journal_mode = %1").arg(mode);
    PreparedStatement statement(db, sql, sql);
    return statement.step()
        ? statement.value(0, PreparedStatement::ColumnKind::Plain).toString().toLower()
        : QString();
}

// The engine re-encrypts page by page within one transaction whose rollback journal keeps the
// pages as they were, so a run cut short leaves the file with its old password. In write-ahead
// mode it has no such journal and refuses to, so the file is switched to a rollback journal for
// the re-key and back afterwards.
void rekey(sqlite3 *db, const QString &password, const QString &database)
{
    const QString mode = journalMode(db);
    const bool writeAhead = mode == QLatin1String("wal");
    if (writeAhead && journalMode(db, QStringLiteral("DELETE")) != QLatin1String("delete"))
        throw unchanged(database,
            QStringLiteral("the file is in use by another program (it cannot leave write-ahead "
                           "mode)"));
    const QByteArray key = password.toUtf8();
    const int rc = sqlite3_rekey(db, key.constData(), int(key.size()));
    if (rc != SQLITE_OK)
        throw unchanged(database, QString::fromUtf8(sqlite3_errmsg(db)));
    if (writeAhead)
        journalMode(db, QStringLiteral("WAL"));
}

} // namespace

namespace FileRekey {

int run(const QString &database, const QString &programFolder, QTextStream &out)
{
    const ProgramClosed closed(programFolder, database);
    PasswordOpening current = PasswordPrompt::open(database);

    const QString first = answerTo(
        QStringLiteral("New password of %1 (empty for the built-in one): ").arg(database),
        database);
    const QString second = answerTo(QStringLiteral("The new password again: "), database);
    if (first != second)
        throw unchanged(database, QStringLiteral("the two answers differ"));
    const QString password = first.isEmpty() ? QString::fromLatin1(Database::Password) : first;

    out << "re-encrypting " << database << '\n';
    out.flush();
    rekey(current.db->handle(), password, database);
    current.db.reset();

    // Read back with the new password before saying it worked.
    const QString integrity = Database::open(database, password)->integrityCheck();
    if (integrity != QLatin1String("ok"))
        throw DbError(QStringLiteral("%1 fails the integrity check after the re-key: %2")
                          .arg(database, integrity));
    out << (first.isEmpty() ? "the password of " : "the new password of ") << database
        << (first.isEmpty() ? " is the built-in one again\n" : " is set\n");
    return 0;
}

} // namespace FileRekey
