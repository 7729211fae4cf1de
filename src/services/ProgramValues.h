#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>

class Database;

// Program-wide values. Start-up fills them and they stay for the whole run; every window reads
// them from here, so no window needs to know the shell.
extern std::unique_ptr<Database> gDatabase;
extern QString gDatabasePath;
extern qint16 gCallBackMonths;
// True while the navigator is loaded; the customer window reads it when it closes.
extern bool gNavigatorOpen;
