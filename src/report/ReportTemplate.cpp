#include "ReportTemplate.h"

#include "ReportTable.h"

#include <QLocale>

ReportTemplate::ReportTemplate(const QString &text)
{
    int group = 0, nextGroup = 1;
    QString literal;
    auto flush = [&] {
        if (!literal.isEmpty())
            m_parts.append({ literal, false, group, {}, {} });
        literal.clear();
    };
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text[at];
        if (c == QLatin1Char('{')) {
            const qsizetype close = text.indexOf(QLatin1Char('}'), at);
            if (close > at) {
                flush();
                const QStringList inside = text.mid(at + 1, close - at - 1).split(u'|');
                if (inside.size() == 3)
                    m_parts.append({ inside[0], true, group, inside[1], inside[2] });
                else
                    m_parts.append({ inside.join(u'|'), true, group, {}, {} });
                at = close;
                continue;
            }
        } else if (c == QLatin1Char('[') && group == 0) {
            flush();
            group = nextGroup++;
            continue;
        } else if (c == QLatin1Char(']') && group != 0) {
            flush();
            group = 0;
            continue;
        }
        literal += c;
    }
    flush();
}

namespace {

// The count as the report wrote it, in the user's number form or plainly.
bool countsOne(const QString &count)
{
    bool ok = false;
    const qlonglong n = QLocale().toLongLong(count.trimmed(), &ok);
    return ok ? n == 1 : count.trimmed() == QLatin1String("1");
}

} // namespace

QStringList ReportTemplate::fields() const
{
    QStringList names;
    for (const Part &part : m_parts)
        if (part.field)
            names << part.text;
    return names;
}

QString ReportTemplate::render(const std::function<QString(const QString &)> &value) const
{
    return build([&](const QString &name, int) { return value(name); });
}

QList<int> ReportTemplate::columnsIn(const ReportTable &table) const
{
    QList<int> columns;
    for (const Part &part : m_parts)
        if (part.field)
            columns << table.columnIndex(part.text);
    return columns;
}

QString ReportTemplate::render(const ReportTable &table, int row, const QList<int> &columns) const
{
    return build(
        [&](const QString &, int field) { return table.text(row, columns.value(field, -1)); });
}

template <class Value> QString ReportTemplate::build(const Value &value) const
{
    // Each part's text, then which groups have a value: a group shows only around a value.
    QStringList texts;
    QList<int> groupsWithValue;
    bool anyField = false, anyValue = false;
    int field = 0;
    for (const Part &part : m_parts) {
        QString text = part.field ? value(part.text, field++) : part.text;
        if (part.field) {
            anyField = true;
            if (!text.trimmed().isEmpty()) {
                anyValue = true;
                groupsWithValue << part.group;
                if (!part.many.isEmpty())
                    text += u' ' + (countsOne(text) ? part.one : part.many);
            }
        }
        texts << text;
    }
    if (anyField && !anyValue)
        return QString();
    QString out;
    for (qsizetype i = 0; i < m_parts.size(); ++i)
        if (m_parts[i].group == 0 || groupsWithValue.contains(m_parts[i].group))
            out += texts[i];
    return out.trimmed();
}
