#pragma once

// The program-wide values and the list type-ahead live below the windows, so that every window
// reaches them without the shell; the shell's module still offers both to its own users.
#include "ComboTypeAhead.h"
#include "ProgramValues.h"

#include <QString>

class MDI;

// The main window once start-up has shown it.
MDI *mainWindow();

// Start-up: reads config.txt, opens the database, refuses a second copy, shows the main window.
// Returns 0 when the main window is up; otherwise the failure was shown and the exit status
// is returned. The program folder defaults to the folder of the executable.
int Main();
void setProgramFolder(const QString &folder);
QString programFolder();

// Ends the run's state without any window's closing logic: the main window goes, gDatabase is
// dropped, the one-copy guard released and the program-wide values are as before the first start.
// The program calls it as it ends, so that the windows (and a report's snapshot of the database
// with them) go before the database and closing the database leaves the file whole on its own;
// tests that start the program more than once in one process call it between starts.
void endRun();

// Fills gDatabasePath and gCallBackMonths from config.txt; throws ConfigError.
void ReadConfig();
