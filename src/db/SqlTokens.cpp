#include "SqlTokens.h"

namespace {

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

} // namespace

std::vector<SqlToken> tokenizeSql(const QString &sql)
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

QString joinSql(const std::vector<SqlToken> &tokens)
{
    QString sql;
    for (const SqlToken &token : tokens)
        sql += token.text;
    return sql;
}
