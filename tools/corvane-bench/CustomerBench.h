#pragma once

#include "SearchBench.h"

#include <QString>
#include <QStringList>

// Times the customer window and the navigator's drill-down on an existing demo database, each
// against the bare engine running the same statements: opening the customer window (its name
// list holds every customer), one key typed into its name box (the look-up and both lists),
// and a row change in the navigator's customer grid (both detail grids). One line each.
QStringList runCustomerBench(const BenchScale &scale, const QString &path, int runs);
