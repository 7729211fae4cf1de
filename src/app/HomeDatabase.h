#pragma once

#include <QString>

// A database of the user's own. An installation shared by the users of a machine names its
// database from the user's home ("~/.local/share/Corvane/customers.db"), so that every user keeps
// a file of their own; the first start finds no file there yet and offers to make an empty one.
// Every other path means what it always meant, and a missing file there stops start-up as before.
class HomeDatabase
{
public:
    // Whether config.txt's database item names a file in the user's home.
    static bool names(const QString &item);
    // The item with its leading "~/" replaced by the user's home folder.
    static QString path(const QString &item);

    // When there is no file at path yet, asks once whether to make a new empty database there.
    // Yes makes the missing folders and the database; No leaves everything as it was, so that
    // opening the file then stops start-up as for any missing database. An engine that cannot
    // make the file throws DbError.
    static void offerToCreate(const QString &path);
};
