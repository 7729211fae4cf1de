#include "ToolInstallation.h"

#include <QFile>
#include <QTest>

ToolInstallation::ToolInstallation()
{
    if (!m_dir.isValid() || !QFile::copy(ToolRun::builtTool(), tool()))
        QTest::qFail("cannot copy corvane-db into a program folder", __FILE__, __LINE__);
}

ToolRun ToolInstallation::run(const QStringList &arguments, const QByteArray &input) const
{
    return ToolRun::of(arguments, input, tool());
}

bool ToolInstallation::startCorvane()
{
    m_guard = std::make_unique<InstanceGuard>(m_dir.path());
    return m_guard->tryAcquire();
}
