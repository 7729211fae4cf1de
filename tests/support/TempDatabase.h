#pragma once

#include "ScratchDatabase.h"

// A fresh encrypted database in a folder of the test's own, installed as the run's gDatabase
// (and its path as gDatabasePath) while the object lives.
class TempDatabase : public ScratchDatabase
{
public:
    TempDatabase();
};
