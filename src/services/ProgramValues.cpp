#include "ProgramValues.h"

#include "Database.h"

std::unique_ptr<Database> gDatabase;
QString gDatabasePath;
qint16 gCallBackMonths = 0;
bool gNavigatorOpen = false;
