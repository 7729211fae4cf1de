#pragma once

#include "SearchCriteria.h"

#include <QStringList>

class Database;

// The customers a search finds, each as its row of the customer grid, exactly those of the
// kept statement and in its order: by name, then the two address lines, ignoring letter case,
// Null first. Throws DbError.
QStringList findCustomers(Database &db, const SearchCriteria &criteria);
