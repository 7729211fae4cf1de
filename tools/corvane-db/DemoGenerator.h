#pragma once

#include <QtGlobal>

class Database;

// Fills an empty database with sample customers of an office equipment dealer, with about
// three machines and five calls each on average. The same arguments always give the same
// rows, dates included, so a demo file can be made again and compared. All rows go in one
// transaction: a failure leaves the tables as they were. Throws DbError;
// std::invalid_argument for a negative count.
void generateDemoData(Database &db, int customers, quint32 seed = 1);
