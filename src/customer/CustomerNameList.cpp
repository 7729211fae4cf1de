#include "CustomerNameList.h"

#include "Database.h"
#include "TextRows.h"

void CustomerNameList::load(Database &db)
{
    // Only the column the list shows: the engine reads it from the index of the names alone.
    TextRows rows
        = db.openTextRows(QStringLiteral("SELECT Customer FROM Customer ORDER BY Customer"));
    QByteArray text;
    QList<qsizetype> ends;
    while (rows.next()) {
        text += rows.text(0);
        ends << text.size();
    }
    beginResetModel();
    m_text = std::move(text);
    m_ends = std::move(ends);
    endResetModel();
}

int CustomerNameList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_ends.size());
}

QVariant CustomerNameList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_ends.size()
        || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    const qsizetype start = index.row() == 0 ? 0 : m_ends.at(index.row() - 1);
    return QString::fromUtf8(m_text.constData() + start, m_ends.at(index.row()) - start);
}
