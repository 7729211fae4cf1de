#pragma once

#include <QString>
#include <stdexcept>

// Every refusal of the database engine: the engine's own words and the statement it refused.
// Window code never catches it; the one guard at the event boundary shows it.
class DbError : public std::runtime_error
{
public:
    // What lies behind a refusal, as far as the user can do something about it.
    enum class Cause {
        Other,
        // Another program holds the file for longer than the program waits.
        Busy,
        // The disk, or the largest size the file may grow to, is reached.
        Full,
        // A key that did not fit (or a file too damaged to tell): another password may open it.
        WrongPassword,
    };

    DbError(
        const QString &message, const QString &statement = QString(), Cause cause = Cause::Other)
        : std::runtime_error(message.toStdString())
        , m_message(message)
        , m_statement(statement)
        , m_cause(cause)
    { }
    DbError(const QString &message, Cause cause)
        : DbError(message, QString(), cause)
    { }

    QString message() const { return m_message; }
    QString statement() const { return m_statement; }
    Cause cause() const { return m_cause; }

    // What the user was doing when the engine refused, in the user's words ("The customer could
    // not be saved."); set by the innermost guard that names its action.
    QString failedAction() const { return m_failedAction; }
    void setFailedAction(const QString &what) { m_failedAction = what; }

private:
    QString m_message;
    QString m_statement;
    Cause m_cause;
    QString m_failedAction;
};
