#include "ConfigError.h"

#include <QDir>

namespace {

QString describe(const QString &file, const QString &cause)
{
    return QStringLiteral("The configuration file %1 could not be used: %2.")
        .arg(QDir::toNativeSeparators(file), cause);
}

} // namespace

ConfigError::ConfigError(const QString &file, const QString &cause)
    : std::runtime_error(describe(file, cause).toStdString())
    , m_file(file)
    , m_cause(cause)
{ }

QString ConfigError::message() const
{
    return describe(m_file, m_cause);
}
