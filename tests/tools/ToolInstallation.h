#pragma once

#include "InstanceGuard.h"
#include "ToolProcess.h"

#include <QTemporaryDir>
#include <memory>

// A program folder of a test's own with a copy of corvane-db in it, as an installation has the
// tool beside Corvane. Holding the folder's one-copy guard stands for Corvane running there.
class ToolInstallation
{
public:
    // Empty when the copy is in place, else what went wrong.
    QString prepare();
    ToolRun run(const QStringList &arguments, const QByteArray &input = {}) const;
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // True when the guard was free and is now held by the test.
    bool startCorvane();
    void endCorvane() { m_guard.reset(); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<InstanceGuard> m_guard;
};
