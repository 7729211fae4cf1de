#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One run of the real corvane-db binary from the build folder (or a copy of it elsewhere).
struct ToolRun
{
    int exitCode = -1;
    QString out;
    QString err;

    // input is what the tool reads from its standard input (passwords); the input ends there.
    static ToolRun of(const QStringList &arguments, const QByteArray &input = {},
        const QString &program = builtTool());
    static QString builtTool() { return QStringLiteral(CORVANE_BUILD_DIR "/corvane-db"); }
    // What a file holds as the tool left it; empty when there is none.
    static QByteArray contents(const QString &path);
};
