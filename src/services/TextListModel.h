#pragma once

#include <QAbstractListModel>
#include <QList>
#include <string>

class Database;

// The values of one column of a query, for a drop-down list that shows many of them: every
// customer name, every city. A large customer base has 100,000 names: they are kept as the
// engine hands them over, in one block of text, and made into a text for the list only when the
// list shows or searches one, where items added one by one would cost a second to open.
class TextListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Replaces the entries with the first column of every row of the query, in its order; a
    // Null value gives an empty entry. With skipEmpty, empty and Null values are left out.
    void load(Database &db, const QString &sql, bool skipEmpty = false);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    std::string m_text;
    // Where each entry ends in m_text; the next one starts there.
    QList<qsizetype> m_ends;
};
