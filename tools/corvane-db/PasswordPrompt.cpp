#include "PasswordPrompt.h"

#include "DbError.h"

#include <cstdio>
#include <cstdlib>
#include <termios.h>
#include <unistd.h>

namespace {

// Echo off for as long as it lives; the terminal's own settings come back on every way out.
class HiddenInput
{
public:
    HiddenInput()
    {
        m_active = tcgetattr(STDIN_FILENO, &m_saved) == 0;
        if (!m_active)
            return;
        termios quiet = m_saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        quiet.c_lflag |= ECHONL;
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    ~HiddenInput()
    {
        if (m_active)
            tcsetattr(STDIN_FILENO, TCSAFLUSH, &m_saved);
    }
    HiddenInput(const HiddenInput &) = delete;
    HiddenInput &operator=(const HiddenInput &) = delete;

private:
    termios m_saved {};
    bool m_active = false;
};

std::optional<QString> readLine()
{
    char *line = nullptr;
    size_t capacity = 0;
    const ssize_t length = getline(&line, &capacity, stdin);
    std::optional<QString> answer;
    if (length >= 0) {
        QByteArray bytes(line, length);
        while (bytes.endsWith('\n') || bytes.endsWith('\r'))
            bytes.chop(1);
        answer = QString::fromUtf8(bytes);
        // The password should not linger in freed memory.
        explicit_bzero(line, capacity);
    }
    free(line);
    return answer;
}

} // namespace

namespace PasswordPrompt {

std::optional<QString> ask(const QString &question)
{
    fputs(question.toLocal8Bit().constData(), stderr);
    fflush(stderr);
    if (!isatty(STDIN_FILENO)) {
        // Nothing was echoed; the next question starts a line of its own all the same.
        std::optional<QString> answer = readLine();
        fputs("\n", stderr);
        return answer;
    }
    HiddenInput hidden;
    return readLine();
}

PasswordOpening open(const QString &path, const QString &shownAs)
{
    const QString name = shownAs.isEmpty() ? path : shownAs;
    const auto askTerminal
        = [&name](int) { return ask(QStringLiteral("Password of %1: ").arg(name)); };
    if (name == path)
        return PasswordOpening::open(path, askTerminal);
    try {
        return PasswordOpening::open(path, askTerminal);
    } catch (const DbError &failure) {
        throw DbError(QString(failure.message()).replace(path, name), failure.cause());
    }
}

} // namespace PasswordPrompt
