#pragma once

#include <QString>

class Database;

// A customer is known by its name alone and its machines and calls point to it by that name,
// so deleting or renaming one touches all three tables. Each runs as one transaction: an
// engine refusal part-way leaves all three tables as they were, never machines or calls
// without their customer.

// True when a customer of this name is stored (letter case aside).
bool customerExists(Database &db, const QString &name);
// Deletes the customer's machines, its calls and the customer itself.
void deleteCustomer(Database &db, const QString &name);
// Moves the machines, the calls and the customer itself to the new name. A new name longer
// than the customer column holds is refused (DbError) and nothing changes.
void renameCustomer(Database &db, const QString &from, const QString &to);
