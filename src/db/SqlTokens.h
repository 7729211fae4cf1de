#pragma once

#include <QString>
#include <vector>

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

std::vector<SqlToken> tokenizeSql(const QString &sql);
QString joinSql(const std::vector<SqlToken> &tokens);
