#include "TextListModel.h"

#include "Database.h"
#include "TextRows.h"

void TextListModel::load(Database &db, const QString &sql, bool skipEmpty)
{
    TextRows rows = db.openTextRows(sql);
    // Grown by std::string, which doubles its room: appending to a QByteArray here moved the
    // whole block again for many of 100,000 names.
    std::string text;
    QList<qsizetype> ends;
    while (rows.next()) {
        const QByteArrayView value = rows.text(0);
        if (skipEmpty && value.isEmpty())
            continue;
        if (!value.isEmpty())
            text.append(value.data(), size_t(value.size()));
        ends << qsizetype(text.size());
    }
    beginResetModel();
    m_text = std::move(text);
    m_ends = std::move(ends);
    endResetModel();
}

int TextListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_ends.size());
}

QVariant TextListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_ends.size()
        || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    const qsizetype start = index.row() == 0 ? 0 : m_ends.at(index.row() - 1);
    return QString::fromUtf8(m_text.data() + start, m_ends.at(index.row()) - start);
}
