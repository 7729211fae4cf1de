#pragma once

#include <QHash>
#include <QString>

// Translations already made: the windows send the same texts again and again (every grid
// refill, every save). Bounded, since the search builds a new text for every set of criteria.
class DialectCache
{
public:
    explicit DialectCache(int capacity = 256)
        : m_capacity(capacity)
    { }

    QString translate(const QString &sql);

private:
    int m_capacity;
    QHash<QString, QString> m_translations;
};
