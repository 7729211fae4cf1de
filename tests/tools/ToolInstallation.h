#pragma once

#include "InstanceGuard.h"
#include "ToolProcess.h"

#include <QTemporaryDir>
#include <memory>

// A program folder of a test's own with a copy of corvane-db in it, as an installation has the
// tool beside Corvane; a copy that fails fails the test. Holding the folder's one-copy guard
// stands for Corvane running there.
class ToolInstallation
{
public:
    ToolInstallation();
    ToolRun run(const QStringList &arguments, const QByteArray &input = {}) const;
    // True when the guard was free and is now held by the test.
    bool startCorvane();

private:
    QString tool() const { return m_dir.filePath(QStringLiteral("corvane-db")); }

    QTemporaryDir m_dir;
    std::unique_ptr<InstanceGuard> m_guard;
};
