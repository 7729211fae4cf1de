#pragma once

#include <QProcess>
#include <QString>

class ProgramFolder;

// The real program, copied into a program folder of a test's own and started from there as a
// user would start it. It is ended when the object goes, however the test ends.
class RunningCopy
{
public:
    ~RunningCopy();

    // Starts the copy and waits until it is up: its database open and its window waiting for
    // events, so that it holds the one-copy guard. Returns what went wrong, empty when it is up.
    QString start(const ProgramFolder &folder, const QString &databasePath);
    bool running() const { return m_process.state() == QProcess::Running; }
    void kill();

private:
    bool settled(const QString &databasePath);

    QProcess m_process;
};
