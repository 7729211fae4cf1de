#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The command line of corvane-db: one command, its one or two paths and, for demo, how many
// customers.
struct ToolArguments
{
    enum class Command { Create, Demo, Check, Backup, Restore, Password, Help };

    static constexpr int DefaultCustomers = 300;
    static constexpr int MaxCustomers = 100000;

    Command command = Command::Help;
    // The database the command reads (for restore, the backup); target is the second path of
    // backup (the new copy) and restore (the database to replace).
    QString path;
    QString target;
    int customers = DefaultCustomers;

    // The arguments after the program's name. Nothing when they do not make a command line;
    // problem then says what is wrong, for the line above the usage text.
    static std::optional<ToolArguments> parse(const QStringList &arguments, QString &problem);
    static QString usage();
};
