#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class ReportTable;

// A line of a report layout with fields in braces, such as "{City}, {State} {Zip}". The
// literal text only shows around values: a line whose fields are all empty is empty, so an
// entry leaves out a line the customer has nothing for instead of printing a lone comma.
// Text in square brackets shows only when a field inside them has a value ("Page {Page}[ of
// {Pages}]" while the number of pages is not known yet). A count can carry the noun it counts
// in both forms, "{RecordCount|customer|customers}", and shows with the form that agrees with
// it: "0 customers", "1 customer", "2 customers".
class ReportTemplate
{
public:
    ReportTemplate() = default;
    explicit ReportTemplate(const QString &text);

    // The field names it refers to, in order.
    QStringList fields() const;
    bool isEmpty() const { return m_parts.isEmpty(); }

    // value gives a field's text by name.
    QString render(const std::function<QString(const QString &)> &value) const;
    // The columns of the table its fields name, in the order of fields(); -1 for a name the
    // table does not have. Found once, a row's text is then put together without a look-up
    // by name for every field of every row.
    QList<int> columnsIn(const ReportTable &table) const;
    // The text for a row of the table, from the columns columnsIn gave.
    QString render(const ReportTable &table, int row, const QList<int> &columns) const;

private:
    // value gives the text of the field that is the given part (its index among the fields).
    template <class Value> QString build(const Value &value) const;

    struct Part
    {
        QString text;
        bool field = false;
        int group = 0; // 0 outside brackets
        QString one, many; // a count's noun, one of it and any other number of it
    };
    QList<Part> m_parts;
};
