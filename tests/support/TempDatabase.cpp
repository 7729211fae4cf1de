#include "TempDatabase.h"

#include "MainMod.h"

TempDatabase::TempDatabase()
    : ScratchDatabase(&gDatabase)
{
    gDatabasePath = path();
}
