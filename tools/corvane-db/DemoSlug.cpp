#include "DemoSlug.h"

namespace {

// Letters that do not decompose into a base letter and a mark.
QString spelledOut(QChar c)
{
    switch (c.unicode()) {
    case u'ø':
    case u'Ø':
        return QStringLiteral("o");
    case u'ł':
    case u'Ł':
        return QStringLiteral("l");
    case u'ß':
        return QStringLiteral("ss");
    case u'æ':
    case u'Æ':
        return QStringLiteral("ae");
    default:
        return {};
    }
}

} // namespace

namespace DemoSlug {

QString of(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString slug;
    slug.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.unicode() < 0x80) {
            if (c.isLetterOrNumber())
                slug += c.toLower();
        } else {
            slug += spelledOut(c);
        }
    }
    return slug;
}

} // namespace DemoSlug
