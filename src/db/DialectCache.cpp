#include "DialectCache.h"

#include "Dialect.h"

QString DialectCache::translate(const QString &sql)
{
    const auto found = m_translations.constFind(sql);
    if (found != m_translations.constEnd())
        return found.value();
    // Starting afresh when full is cheaper than tracking use, and the texts that come back
    // again are cached again at once.
    if (m_translations.size() >= m_capacity)
        m_translations.clear();
    const QString translated = translateDialect(sql);
    m_translations.insert(sql, translated);
    return translated;
}
