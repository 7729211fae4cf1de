#pragma once

#include "SearchCriteria.h"

#include <QString>

// The statement of a search as the navigator keeps it for printing and exporting: one SELECT
// DISTINCT over the customers joined with their machines and calls.
QString searchStatement(const SearchCriteria &criteria);

// A statement that finds exactly the same customers in the same order, but looks at each
// customer, machine and call once instead of at every machine-and-call combination of a
// customer. The navigator runs this one; the text it keeps is searchStatement().
QString fastSearchStatement(const SearchCriteria &criteria);
