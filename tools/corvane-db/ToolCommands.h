#pragma once

class QTextStream;
struct ToolArguments;

// What corvane-db does for each command. Reports go to out; the exit code is returned.
// Failures of the engine are thrown as DbError for main to report.
namespace ToolCommands {

int run(const ToolArguments &arguments, QTextStream &out);

} // namespace ToolCommands
