#pragma once

#include "SearchCriteria.h"

#include <QByteArrayList>

class Database;
class WordIndex;

// The customers a search finds, each as its row of the customer grid, exactly those of the
// kept statement and in its order: by name, then the two address lines, ignoring letter case,
// Null first, in UTF-8. With an index, plain search words are found through it. Throws
// DbError.
QByteArrayList findCustomers(
    Database &db, const SearchCriteria &criteria, const WordIndex *index = nullptr);
