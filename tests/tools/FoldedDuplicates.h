#pragma once

#include <QString>
#include <QStringList>

// Names the database's own text comparison takes for the same name. Empty when there are none,
// else the first such pair, for the failure message.
QString firstFoldedDuplicate(const QStringList &names);
