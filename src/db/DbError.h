#pragma once

#include <QString>
#include <stdexcept>

// Every refusal of the database engine: the engine's own words and the statement it refused.
// Window code never catches it; the one guard at the event boundary shows it.
class DbError : public std::runtime_error
{
public:
    DbError(const QString &message, const QString &statement = QString())
        : std::runtime_error(message.toStdString())
        , m_message(message)
        , m_statement(statement)
    { }

    QString message() const { return m_message; }
    QString statement() const { return m_statement; }

private:
    QString m_message;
    QString m_statement;
};
