#pragma once

#include <QString>
#include <QStringList>

struct BenchScale
{
    QString name;
    int customers;
};

// Makes the scale's database when it is missing, then times each search (or only the one named
// by `only`, when it is not empty) on a real navigator window and on the bare engine; one line
// per search. Without `withBare` the bare engine is left out (for profiling the program alone).
QStringList runSearchBench(const BenchScale &scale, const QString &path, int runs,
    const QString &only = QString(), bool withBare = true);
