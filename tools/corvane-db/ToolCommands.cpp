#include "ToolCommands.h"

#include "Database.h"
#include "DemoGenerator.h"
#include "FileBackup.h"
#include "FileRekey.h"
#include "FileRestore.h"
#include "PasswordPrompt.h"
#include "Recordset.h"
#include "ToolArguments.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <array>

namespace {

constexpr std::array<const char *, 3> Tables { "Customer", "Equipment", "Telemarket" };

qint64 rowCount(Database &db, const char *table)
{
    Recordset rows = db.openRecordset(
        QStringLiteral("SELECT Count(*) AS Rows FROM %1").arg(QLatin1String(table)));
    const qint64 count = rows.field(0).toLongLong();
    rows.close();
    return count;
}

int create(const ToolArguments &arguments, QTextStream &out)
{
    Database::create(arguments.path);
    out << "created " << arguments.path << " (empty)\n";
    return 0;
}

int demo(const ToolArguments &arguments, QTextStream &out)
{
    auto db = Database::create(arguments.path);
    try {
        generateDemoData(*db, arguments.customers);
    } catch (...) {
        // The file is ours, made a moment ago: an empty one left behind would only stand in
        // the way of the next try.
        db.reset();
        QFile::remove(arguments.path);
        throw;
    }
    out << "created " << arguments.path << " with";
    for (const char *table : Tables)
        out << ' ' << table << ": " << rowCount(*db, table)
            << (table == Tables.back() ? "\n" : ",");
    return 0;
}

int check(const ToolArguments &arguments, QTextStream &out)
{
    auto db = PasswordPrompt::open(arguments.path).db;
    const QString result = db->integrityCheck();
    const bool ok = result == QLatin1String("ok");
    // The engine lists one problem a line; each is kept on a line of its own.
    out << "integrity: " << QString(result).replace(QLatin1Char('\n'), QStringLiteral("\n  "))
        << '\n';
    out << "version: " << db->version();
    if (db->foundVersion() != db->version())
        out << " (brought up from " << db->foundVersion() << " on opening)";
    out << '\n';
    for (const char *table : Tables)
        out << table << ": " << rowCount(*db, table) << '\n';
    return ok ? 0 : 1;
}

} // namespace

namespace ToolCommands {

int run(const ToolArguments &arguments, QTextStream &out)
{
    switch (arguments.command) {
    case ToolArguments::Command::Create:
        return create(arguments, out);
    case ToolArguments::Command::Demo:
        return demo(arguments, out);
    case ToolArguments::Command::Check:
        return check(arguments, out);
    case ToolArguments::Command::Backup:
        return FileBackup::run(arguments.path, arguments.target, out);
    // Corvane is installed beside this tool: its one-copy guard is the one of this folder.
    case ToolArguments::Command::Restore:
        return FileRestore::run(
            arguments.path, arguments.target, QCoreApplication::applicationDirPath(), out);
    case ToolArguments::Command::Password:
        return FileRekey::run(arguments.path, QCoreApplication::applicationDirPath(), out);
    case ToolArguments::Command::Help:
        out << ToolArguments::usage();
        return 0;
    }
    return 2;
}

} // namespace ToolCommands
