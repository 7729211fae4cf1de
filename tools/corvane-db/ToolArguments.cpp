#include "ToolArguments.h"

namespace {

const QString CustomersOption = QStringLiteral("--customers");

std::optional<ToolArguments::Command> commandNamed(const QString &name)
{
    if (name == QLatin1String("create"))
        return ToolArguments::Command::Create;
    if (name == QLatin1String("demo"))
        return ToolArguments::Command::Demo;
    if (name == QLatin1String("check"))
        return ToolArguments::Command::Check;
    if (name == QLatin1String("backup"))
        return ToolArguments::Command::Backup;
    if (name == QLatin1String("restore"))
        return ToolArguments::Command::Restore;
    if (name == QLatin1String("password"))
        return ToolArguments::Command::Password;
    return std::nullopt;
}

bool allDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// Digits only: toInt alone would take "+5", " 5" or "0x10".
std::optional<int> customerCount(const QString &text, QString &problem)
{
    if (!allDigits(text)) {
        problem = QStringLiteral("%1 needs a whole number, not \"%2\"").arg(CustomersOption, text);
        return std::nullopt;
    }
    bool ok = false;
    const int count = text.toInt(&ok);
    if (!ok || count < 1 || count > ToolArguments::MaxCustomers) {
        problem = QStringLiteral("%1 must be from 1 to %2, not %3")
                      .arg(CustomersOption)
                      .arg(ToolArguments::MaxCustomers)
                      .arg(text);
        return std::nullopt;
    }
    return count;
}

// The files a command works on, as the usage text names them.
QStringList fileNames(ToolArguments::Command command)
{
    switch (command) {
    case ToolArguments::Command::Backup:
        return { QStringLiteral("DB"), QStringLiteral("DEST") };
    case ToolArguments::Command::Restore:
        return { QStringLiteral("BACKUP"), QStringLiteral("DB") };
    case ToolArguments::Command::Password:
        return { QStringLiteral("DB") };
    default:
        return { QStringLiteral("PATH") };
    }
}

QString theFiles(const QStringList &names)
{
    if (names == QStringList { QStringLiteral("PATH") })
        return QStringLiteral("the PATH of the database file");
    return names.join(QStringLiteral(" and "));
}

} // namespace

std::optional<ToolArguments> ToolArguments::parse(const QStringList &arguments, QString &problem)
{
    if (arguments.isEmpty()) {
        problem = QStringLiteral("no command given");
        return std::nullopt;
    }
    ToolArguments parsed;
    const QString &name = arguments.first();
    if ((name == QLatin1String("--help") || name == QLatin1String("-h")) && arguments.size() == 1)
        return parsed;
    const std::optional<Command> command = commandNamed(name);
    if (!command) {
        problem = QStringLiteral("unknown command \"%1\"").arg(name);
        return std::nullopt;
    }
    parsed.command = *command;

    QStringList positional;
    bool countGiven = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const bool customers = argument == CustomersOption
            || argument.startsWith(CustomersOption + QLatin1Char('='));
        if (customers && parsed.command == Command::Demo) {
            if (countGiven) {
                problem = QStringLiteral("%1 given twice").arg(CustomersOption);
                return std::nullopt;
            }
            countGiven = true;
            QString value;
            if (argument == CustomersOption) {
                if (i + 1 == arguments.size()) {
                    problem = QStringLiteral("%1 needs a number").arg(CustomersOption);
                    return std::nullopt;
                }
                value = arguments.at(++i);
            } else {
                value = argument.mid(CustomersOption.size() + 1);
            }
            const std::optional<int> count = customerCount(value, problem);
            if (!count)
                return std::nullopt;
            parsed.customers = *count;
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            problem = QStringLiteral("unknown option \"%1\" for %2").arg(argument, name);
            return std::nullopt;
        } else {
            positional << argument;
        }
    }

    const QStringList names = fileNames(parsed.command);
    if (positional.size() < names.size() || positional.contains(QString())) {
        problem = QStringLiteral("%1 needs %2").arg(name, theFiles(names));
        return std::nullopt;
    }
    if (positional.size() > names.size()) {
        problem = QStringLiteral("unexpected argument \"%1\"").arg(positional.at(names.size()));
        return std::nullopt;
    }
    parsed.path = positional.first();
    if (names.size() > 1)
        parsed.target = positional.at(1);
    return parsed;
}

QString ToolArguments::usage()
{
    return QStringLiteral(
        "Usage: corvane-db create PATH\n"
        "       corvane-db demo PATH [--customers N]\n"
        "       corvane-db check PATH\n"
        "       corvane-db backup DB DEST\n"
        "       corvane-db restore BACKUP DB\n"
        "       corvane-db password DB\n"
        "\n"
        "  create    make a new, empty database file at PATH\n"
        "  demo      make a new database file at PATH holding N sample customers with their\n"
        "            machines and calls (N from 1 to %1, default %2)\n"
        "  check     check the database file at PATH, print its version and count its rows\n"
        "  backup    copy the database DB to the new file DEST, also while Corvane uses DB\n"
        "  restore   put the copy BACKUP in place of DB, keeping the replaced file as\n"
        "            DB.before-restore; not while Corvane is running\n"
        "  password  give DB a password of its own, asked twice; an empty answer returns it to\n"
        "            the built-in one; not while Corvane is running\n"
        "\n"
        "A file with a password of its own asks for it. An existing file is never overwritten.\n")
        .arg(MaxCustomers)
        .arg(DefaultCustomers);
}
