#pragma once

#include "SearchBench.h"

#include <QString>
#include <QStringList>

// Times start-up as a user meets it: from starting a process to its main window shown on the
// scale's database, through the real start-up (config.txt, opening the file, the one-copy
// guard). Each run is a new process: this program started again in its start-up mode.
QStringList runStartupBench(const BenchScale &scale, const QString &path, int runs);

// The start-up mode's own work, in the started process: starts the program with its folder at
// `programFolder`, says "shown" on its output once the main window is on the screen, and ends.
int startupChild(const QString &programFolder);

// The argument that starts this program in its start-up mode.
inline constexpr const char *StartupChildArgument = "--startup-child";
