#pragma once

#include <QString>
#include <QStringList>

// One run of the real corvane-db binary from the build folder.
struct ToolRun
{
    int exitCode = -1;
    QString out;
    QString err;

    static ToolRun of(const QStringList &arguments);
};
