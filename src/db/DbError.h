#pragma once

#include <QString>
#include <stdexcept>

// Every refusal of the database engine: the engine's own words and the statement it refused.
// Window code never catches it; the one guard at the event boundary shows it.
class DbError : public std::runtime_error
{
public:
    // What a caller may act on besides showing the message: a key that did not fit (or a file
    // too damaged to tell) can be tried again with another password.
    enum class Cause { Other, WrongPassword };

    DbError(const QString &message, const QString &statement = QString())
        : std::runtime_error(message.toStdString())
        , m_message(message)
        , m_statement(statement)
    { }
    DbError(const QString &message, Cause cause)
        : DbError(message)
    {
        m_cause = cause;
    }

    QString message() const { return m_message; }
    QString statement() const { return m_statement; }
    Cause cause() const { return m_cause; }

private:
    QString m_message;
    QString m_statement;
    Cause m_cause = Cause::Other;
};
