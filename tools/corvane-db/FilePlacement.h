#pragma once

#include <QString>

// Files the tool writes appear whole under their name or not at all, and never in place of a
// file that is there already: each is written under a temporary name beside its target, made
// durable, then given the target's name in one step that fails if the name is taken.
namespace FilePlacement {

// A new, empty file in the folder of target under a name of its own, for the caller to fill
// and remove (or place), with the permissions of the file model: a copy others share stays
// shared. Throws DbError when the folder takes no new file.
QString temporaryBeside(const QString &target, const QString &model);

// Flushes the file's contents to the disk.
void makeDurable(const QString &path);

// Gives the file at from the name to as well, unless to exists already: then throws DbError
// saying so, and nothing changed. from keeps its name.
void linkWithoutReplacing(const QString &from, const QString &to);

// Throws DbError when a file of that name exists.
void refuseExisting(const QString &path);

} // namespace FilePlacement
