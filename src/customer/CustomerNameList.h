#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QList>

class Database;

// Every stored customer name, for the name box of the customer window. A large customer base
// has 100,000 names: they are kept as the engine hands them over, in one block of text, and
// made into a text for the list only when the list shows or searches one.
class CustomerNameList : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Replaces the names with every stored one, in the order of the names.
    void load(Database &db);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QByteArray m_text;
    // Where each name ends in m_text; the next one starts there.
    QList<qsizetype> m_ends;
};
