#pragma once

#include <QString>
#include <stdexcept>

// config.txt cannot give start-up what it needs. The message names the file and the cause, so
// the person setting up an installation knows which file to mend and how.
class ConfigError : public std::runtime_error
{
public:
    ConfigError(const QString &file, const QString &cause);

    QString file() const { return m_file; }
    QString cause() const { return m_cause; }
    QString message() const;

private:
    QString m_file;
    QString m_cause;
};
