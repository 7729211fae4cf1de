#pragma once

#include "ReportRowSource.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <memory>

// What the report engine's tests feed it: rows from a list and a small layout of entries with a
// subreport of machines.
namespace ReportTestData {

// Rows from a list, names matched ignoring letter case as the program's database does.
class ListSource : public ReportRowSource
{
public:
    // How a second reader of the rows finds a value: it cannot, it starts at the first row not
    // below it, or it claims to but starts at the first row (a source whose order is not the
    // one it states).
    enum class Seek { None, Exact, Wrong };

    ListSource(
        QStringList columns, QList<QStringList> rows, int *read = nullptr, Seek seek = Seek::None)
        : m_columns(std::move(columns))
        , m_rows(std::move(rows))
        , m_read(read)
        , m_seek(seek)
    { }
    QStringList columnNames() const override { return m_columns; }
    bool next(QStringList &values) override
    {
        if (m_at >= m_rows.size())
            return false;
        values = m_rows[m_at++];
        if (m_read)
            ++*m_read;
        return true;
    }
    QByteArray matchKey(const QString &value) const override
    {
        return value.toCaseFolded().toUtf8();
    }
    // Passes a row by without counting it: only rows whose values are made cost much.
    bool skip() override { return m_at < m_rows.size() && ++m_at > 0; }
    void close() override { }
    int seekColumn() const override { return m_seek == Seek::None ? -1 : 0; }
    std::unique_ptr<ReportRowSource> reopen(const QString &from) const override
    {
        auto again = std::make_unique<ListSource>(m_columns, m_rows, m_read, m_seek);
        while (m_seek == Seek::Exact && !from.isEmpty() && again->m_at < m_rows.size()
            && matchKey(m_rows[again->m_at][0]) < matchKey(from))
            ++again->m_at;
        return again;
    }

private:
    QStringList m_columns;
    QList<QStringList> m_rows;
    qsizetype m_at = 0;
    int *m_read;
    Seek m_seek;
};

inline const QByteArray Layout
    = "{"
      "  \"name\": \"test\", \"table\": [\"Customer\", \"City\"],"
      "  \"sections\": ["
      "    { \"name\": \"Head\", \"kind\": \"pageHeader\", \"text\": \"Test\" },"
      "    { \"name\": \"Entry\", \"kind\": \"entry\", \"text\": \"{Customer}\","
      "      \"groups\": [ { \"title\": \"Where\", \"lines\": [\"{City}\"] } ] },"
      "    { \"name\": \"Machines\", \"kind\": \"subreport\", \"subreport\": \"Sub\" },"
      "    { \"name\": \"Gap\", \"kind\": \"rule\" },"
      "    { \"name\": \"Foot\", \"kind\": \"pageFooter\", \"aside\": \"Page {Page}[ of {Pages}]\" "
      "}"
      "  ],"
      "  \"subreports\": [ { \"name\": \"Sub\", \"title\": \"Machines\", \"link\": { \"field\": "
      "\"Owner\", \"to\": \"Customer\" },"
      "    \"sections\": [\"Sub_Rows\"], \"columns\": [ { \"header\": \"Brand\", \"text\": "
      "\"{Brand}\" } ] } ]"
      "}";

} // namespace ReportTestData
