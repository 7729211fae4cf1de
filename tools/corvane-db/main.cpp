// corvane-db: makes, fills, checks, backs up, restores and re-keys the program's database files
// from the command line.
#include "DbError.h"
#include "ToolArguments.h"
#include "ToolCommands.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QString problem;
    const std::optional<ToolArguments> arguments
        = ToolArguments::parse(app.arguments().mid(1), problem);
    if (!arguments) {
        err << "corvane-db: " << problem << "\n\n" << ToolArguments::usage();
        return 2;
    }
    try {
        return ToolCommands::run(*arguments, out);
    } catch (const DbError &failure) {
        out.flush();
        err << "corvane-db: " << failure.message() << '\n';
        return 1;
    }
}
