#include "FoldedDuplicates.h"

#include "FoldedCollation.h"

#include <QHash>

QString firstFoldedDuplicate(const QStringList &names)
{
    QHash<QByteArray, QString> seen;
    for (const QString &name : names) {
        const QByteArray text = name.toUtf8();
        const QByteArray key = FoldedCollation::key(text.constData(), int(text.size()));
        if (const auto it = seen.constFind(key); it != seen.constEnd())
            return *it + QStringLiteral(" / ") + name;
        seen.insert(key, name);
    }
    return {};
}
