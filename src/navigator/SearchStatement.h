#pragma once

#include "SearchCriteria.h"

#include <QString>
#include <QVariantList>

// The statement of a search as the navigator keeps it for printing and exporting: one SELECT
// DISTINCT over the customers joined with their machines and calls.
QString searchStatement(const SearchCriteria &criteria);

// Where the search's statements put the fields of a customer; WordMask only with words.
enum SearchField {
    NameField = 0,
    Address1Field = 1,
    Address2Field = 2,
    StateField = 4,
    ZipField = 5,
    DateEnteredField = 20,
    WordMaskField = 21,
    RowIdField = 21, // in customersWithRowid's statement
};

// A statement with the values for its ? marks, in their order.
struct BoundStatement
{
    QString sql;
    QVariantList values;
};

// What the navigator runs in place of the kept statement, which joins every machine of a
// customer with every call and tests each word in each of those rows: the customers, and with
// words the machines and the calls, are each read once, and CustomerSearch puts them together.
// Unlike the kept text, these pass every value bound.
struct SearchPlan
{
    // The fields of the kept statement in its order; with words, one more: the word mask of
    // the customer's own columns (bit i set when word i is found in one of them).
    BoundStatement customers;
    // With words only: each machine's (call's) customer and word mask, within the date window;
    // without a window, only those that hold a word.
    BoundStatement machines;
    BoundStatement calls;
    // One bit per word; 0 without words.
    int allWords = 0;
    // A customer without any machine (call) stands in the joined rows once, with no word in
    // that part; unless a window is in force, which no such row falls in.
    bool machineWindow = false;
    bool callWindow = false;
};

SearchPlan searchPlan(const SearchCriteria &criteria);

// The customers the criteria other than the words and windows leave, with the fields of the
// kept statement and then each one's rowid; for words found in the word index.
BoundStatement customersWithRowid(const SearchCriteria &criteria);
