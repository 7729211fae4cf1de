#include "Dialect.h"

#include "DialectDate.h"
#include "IsoText.h"
#include "SqlTokens.h"

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
    Tokens tokens = tokenizeSql(sql);
    translateDates(tokens);
    translateDeleteStar(tokens);
    translateTop(tokens);
    return joinSql(tokens);
}
