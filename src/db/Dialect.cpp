#include "Dialect.h"

#include "IsoText.h"

#include <QRegularExpression>
#include <vector>

namespace {

// SQL text cut into pieces, so that the dialect's rewrites see words and signs but never look
// inside a quoted value, a bracketed or double-quoted name or a comment. Joining the pieces'
// texts gives the statement back unchanged.
struct SqlToken
{
    enum Kind { Space, Word, Number, Sign, Quoted, Comment, DateLiteral };
    Kind kind;
    QString text;

    bool isWord(const char *word) const
    {
        return kind == Word && text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    bool isSign(QChar sign) const { return kind == Sign && text.size() == 1 && text[0] == sign; }
};

bool isWordStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}
bool isWordPart(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

// The end of a quoted piece opened at 'start' by 'open': a doubled closing character is part
// of the value. An unclosed quote runs to the end; the engine then refuses the statement.
qsizetype quotedEnd(const QString &sql, qsizetype start, QChar close)
{
    qsizetype i = start + 1;
    while (i < sql.size()) {
        if (sql[i] == close) {
            if (close != QLatin1Char(']') && i + 1 < sql.size() && sql[i + 1] == close) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return sql.size();
}

std::vector<SqlToken> tokenize(const QString &sql)
{
    std::vector<SqlToken> tokens;
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql[i];
        qsizetype end = i + 1;
        SqlToken::Kind kind = SqlToken::Sign;
        if (c.isSpace()) {
            kind = SqlToken::Space;
            while (end < n && sql[end].isSpace())
                ++end;
        } else if (c == QLatin1Char('\'')) {
            kind = SqlToken::Quoted;
            end = quotedEnd(sql, i, c);
        } else if (c == QLatin1Char('"')) {
            kind = SqlToken::Quoted;
            end = quotedEnd(sql, i, c);
        } else if (c == QLatin1Char('[')) {
            kind = SqlToken::Quoted;
            end = quotedEnd(sql, i, QLatin1Char(']'));
        } else if (c == QLatin1Char('-') && i + 1 < n && sql[i + 1] == QLatin1Char('-')) {
            kind = SqlToken::Comment;
            end = sql.indexOf(QLatin1Char('\n'), i);
            end = end < 0 ? n : end;
        } else if (c == QLatin1Char('/') && i + 1 < n && sql[i + 1] == QLatin1Char('*')) {
            kind = SqlToken::Comment;
            end = sql.indexOf(QLatin1String("*/"), i + 2);
            end = end < 0 ? n : end + 2;
        } else if (c == QLatin1Char('#')) {
            // A date between number signs; the text up to the next sign is checked by the
            // dialect, which leaves anything that is no date for the engine to refuse.
            const qsizetype close = sql.indexOf(QLatin1Char('#'), i + 1);
            const qsizetype quote = sql.indexOf(QLatin1Char('\''), i + 1);
            if (close > i && (quote < 0 || quote > close)) {
                kind = SqlToken::DateLiteral;
                end = close + 1;
            }
        } else if (isWordStart(c)) {
            kind = SqlToken::Word;
            while (end < n && isWordPart(sql[end]))
                ++end;
        } else if (c.isDigit()) {
            kind = SqlToken::Number;
            while (end < n && (sql[end].isDigit() || sql[end] == QLatin1Char('.')))
                ++end;
        }
        tokens.push_back({ kind, sql.mid(i, end - i) });
        i = end;
    }
    return tokens;
}

QString join(const std::vector<SqlToken> &tokens)
{
    QString sql;
    for (const SqlToken &token : tokens)
        sql += token.text;
    return sql;
}

int fullYear(const QString &digits)
{
    const int year = digits.toInt();
    if (digits.size() > 2)
        return year;
    // Two-digit years as the dialect has always read them: 30 to 99 in the 1900s.
    return year < 30 ? 2000 + year : 1900 + year;
}

QTime parseTime(const QRegularExpressionMatch &m, int first)
{
    if (!m.hasCaptured(first))
        return QTime(0, 0);
    int hour = m.captured(first).toInt();
    const int minute = m.captured(first + 1).toInt();
    const int second = m.hasCaptured(first + 2) ? m.captured(first + 2).toInt() : 0;
    const QString half = m.captured(first + 3).toUpper();
    if (!half.isEmpty()) {
        if (hour < 1 || hour > 12)
            return {};
        hour = hour % 12 + (half == QLatin1String("PM") ? 12 : 0);
    }
    return QTime(hour, minute, second);
}

} // namespace

QDateTime parseDialectDate(const QString &text)
{
    static const QString time
        = QStringLiteral(R"((?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?(?:\s*([AaPp][Mm]))?)?)");
    static const QRegularExpression monthFirst(
        QStringLiteral(R"(^\s*(\d{1,2})/(\d{1,2})/(\d{4}|\d{2}))") + time
        + QStringLiteral(R"(\s*$)"));
    static const QRegularExpression yearFirst(
        QStringLiteral(R"(^\s*(\d{4})-(\d{1,2})-(\d{1,2}))") + time + QStringLiteral(R"(\s*$)"));

    QDate date;
    QRegularExpressionMatch m = monthFirst.match(text);
    if (m.hasMatch()) {
        date = QDate(fullYear(m.captured(3)), m.captured(1).toInt(), m.captured(2).toInt());
    } else {
        m = yearFirst.match(text);
        if (!m.hasMatch())
            return {};
        date = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    }
    const QTime clock = parseTime(m, 4);
    if (!date.isValid() || !clock.isValid())
        return {};
    // In UTC so that no daylight-saving gap moves the clock time that was written.
    return QDateTime(date, clock, Qt::UTC);
}

QString sqlText(const QString &value)
{
    QString quoted = value;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString sqlDate(const QDate &date)
{
    // Written by hand, not through QLocale: the dialect's month/day/year form must not follow
    // the user's settings.
    return QStringLiteral("%1/%2/%3")
        .arg(date.month())
        .arg(date.day())
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

namespace {

using Tokens = std::vector<SqlToken>;

// The next piece that is not blank or a comment, or tokens.size().
size_t nextCode(const Tokens &tokens, size_t i)
{
    while (i < tokens.size()
        && (tokens[i].kind == SqlToken::Space || tokens[i].kind == SqlToken::Comment))
        ++i;
    return i;
}

void translateDates(Tokens &tokens)
{
    for (SqlToken &token : tokens) {
        if (token.kind != SqlToken::DateLiteral)
            continue;
        const QDateTime when = parseDialectDate(token.text.mid(1, token.text.size() - 2));
        if (!when.isValid())
            continue; // not a date: left for the engine to refuse
        // Midnight is written as the bare date, so that it equals a stored date-only value.
        const QString iso = when.time() == QTime(0, 0) ? IsoText::fromDate(when.date())
                                                       : IsoText::fromDateTime(when);
        token = { SqlToken::Quoted, QLatin1Char('\'') + iso + QLatin1Char('\'') };
    }
}

// "DELETE * FROM t" and "DELETE t.* FROM t": the engine knows only "DELETE FROM t".
void translateDeleteStar(Tokens &tokens)
{
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (!tokens[i].isWord("DELETE"))
            continue;
        size_t star = nextCode(tokens, i + 1);
        if (star + 2 < tokens.size() && tokens[star].kind == SqlToken::Word
            && tokens[star + 1].isSign(QLatin1Char('.'))
            && tokens[star + 2].isSign(QLatin1Char('*')))
            star += 2;
        else if (star >= tokens.size() || !tokens[star].isSign(QLatin1Char('*')))
            continue;
        const size_t from = nextCode(tokens, star + 1);
        if (from >= tokens.size() || !tokens[from].isWord("FROM"))
            continue;
        // Keep one blank between DELETE and FROM.
        const size_t first = nextCode(tokens, i + 1);
        tokens.erase(tokens.begin() + first, tokens.begin() + from);
    }
}

// Where the SELECT that starts at 'select' ends: at the bracket that closes around it, at a
// semicolon on its own level, or at the end of the text.
size_t selectEnd(const Tokens &tokens, size_t select)
{
    int depth = 0;
    size_t i = select + 1;
    for (; i < tokens.size(); ++i) {
        if (tokens[i].isSign(QLatin1Char('('))) {
            ++depth;
        } else if (tokens[i].isSign(QLatin1Char(')'))) {
            if (depth == 0)
                break;
            --depth;
        } else if (depth == 0 && tokens[i].isSign(QLatin1Char(';'))) {
            break;
        }
    }
    // The limit goes before trailing blanks and comments, so a comment cannot swallow it.
    while (i > select + 1
        && (tokens[i - 1].kind == SqlToken::Space || tokens[i - 1].kind == SqlToken::Comment))
        --i;
    return i;
}

// "SELECT [DISTINCT] TOP n ..." becomes "SELECT [DISTINCT] ... LIMIT n". From the last SELECT to
// the first, so that a subquery's limit is in place before the outer SELECT looks for its end.
void translateTop(Tokens &tokens)
{
    for (size_t i = tokens.size(); i-- > 0;) {
        if (!tokens[i].isWord("SELECT"))
            continue;
        size_t top = nextCode(tokens, i + 1);
        if (top < tokens.size() && (tokens[top].isWord("DISTINCT") || tokens[top].isWord("ALL")))
            top = nextCode(tokens, top + 1);
        if (top >= tokens.size() || !tokens[top].isWord("TOP"))
            continue;
        const size_t count = nextCode(tokens, top + 1);
        if (count >= tokens.size() || tokens[count].kind != SqlToken::Number
            || tokens[count].text.contains(QLatin1Char('.')))
            continue;
        const size_t after = nextCode(tokens, count + 1);
        if (after < tokens.size() && tokens[after].isWord("PERCENT"))
            continue; // no such thing in the engine: left for it to refuse
        const QString n = tokens[count].text;
        tokens.erase(tokens.begin() + top, tokens.begin() + after);
        const size_t end = selectEnd(tokens, i);
        tokens.insert(tokens.begin() + end,
            { { SqlToken::Space, QStringLiteral(" ") }, { SqlToken::Word, QStringLiteral("LIMIT") },
                { SqlToken::Space, QStringLiteral(" ") }, { SqlToken::Number, n } });
    }
}

} // namespace

QString translateDialect(const QString &sql)
{
    Tokens tokens = tokenize(sql);
    translateDates(tokens);
    translateDeleteStar(tokens);
    translateTop(tokens);
    return join(tokens);
}
