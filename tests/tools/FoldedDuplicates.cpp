#include "FoldedDuplicates.h"

#include "db/FoldedCollation.h"

#include <QByteArray>
#include <algorithm>
#include <vector>

namespace {

int compare(const QByteArray &a, const QByteArray &b)
{
    return FoldedCollation::compare(a.constData(), int(a.size()), b.constData(), int(b.size()));
}

} // namespace

QString firstFoldedDuplicate(const QStringList &names)
{
    std::vector<QByteArray> texts;
    texts.reserve(std::size_t(names.size()));
    for (const QString &name : names)
        texts.push_back(name.toUtf8());
    std::sort(texts.begin(), texts.end(),
        [](const QByteArray &a, const QByteArray &b) { return compare(a, b) < 0; });
    for (std::size_t i = 1; i < texts.size(); ++i) {
        if (compare(texts[i - 1], texts[i]) == 0)
            return QString::fromUtf8(texts[i - 1]) + QStringLiteral(" / ")
                + QString::fromUtf8(texts[i]);
    }
    return {};
}
