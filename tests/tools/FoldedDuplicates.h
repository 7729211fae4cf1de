#pragma once

#include <QString>
#include <QStringList>

// Names the database's own text comparison takes for the same name, found the way the unique
// index finds them: sorted by that comparison, equal neighbours. Empty when there are none,
// else the first such pair, for the failure message.
QString firstFoldedDuplicate(const QStringList &names);
