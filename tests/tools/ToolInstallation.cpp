#include "ToolInstallation.h"

#include <QFile>

QString ToolInstallation::prepare()
{
    if (!m_dir.isValid())
        return m_dir.errorString();
    if (!QFile::copy(ToolRun::builtTool(), filePath(QStringLiteral("corvane-db"))))
        return QStringLiteral("cannot copy %1 (is corvane-db built?)").arg(ToolRun::builtTool());
    return {};
}

ToolRun ToolInstallation::run(const QStringList &arguments, const QByteArray &input) const
{
    return ToolRun::of(arguments, input, filePath(QStringLiteral("corvane-db")));
}

bool ToolInstallation::startCorvane()
{
    m_guard = std::make_unique<InstanceGuard>(m_dir.path());
    return m_guard->tryAcquire();
}
