#include "ChurnModel.h"

#include "Database.h"
#include "Recordset.h"

namespace {

// Moves the rows of a detail table from one customer to another; with an empty 'to' they go.
void moveDetails(QMap<QString, QStringList> &rows, const QString &from, const QString &to)
{
    const auto moved = [&](const QStringList &row) {
        return row.first().compare(from, Qt::CaseInsensitive) == 0;
    };
    rows.removeIf([&](auto row) { return to.isEmpty() && moved(row.value()); });
    for (QStringList &row : rows) {
        if (moved(row))
            row.first() = to;
    }
}

void addLines(QStringList &lines, const char *table, const QMap<QString, QStringList> &rows)
{
    for (auto it = rows.cbegin(); it != rows.cend(); ++it)
        lines << (QStringList { QLatin1String(table), it.key() } + *it).join(QLatin1Char('|'));
}

} // namespace

QStringList ChurnModel::takeRun(const QByteArray &output, QString *problem)
{
    QStringList begun;
    for (const QString &line : QString::fromUtf8(output).split(QLatin1Char('\n'))) {
        QStringList parts = line.split(QLatin1Char('\t'));
        const QString mark = parts.takeFirst();
        if (mark == QLatin1String("try")) {
            begun = parts;
        } else if (mark == QLatin1String("done")) {
            if (parts != begun)
                *problem = QStringLiteral("reported done without being begun: ") + line;
            apply(parts);
            begun.clear();
        }
    }
    return begun;
}

void ChurnModel::apply(const QStringList &change)
{
    const QString &kind = change.at(0);
    const QString &name = change.at(1);
    if (kind == QLatin1String("customer")) {
        m_customers.insert(name.toCaseFolded(), change.mid(1));
    } else if (kind == QLatin1String("machine")) {
        m_machines.insert(change.at(2), { name, change.at(3), change.at(4) });
    } else if (kind == QLatin1String("call")) {
        m_calls.insert(change.at(2), { name, change.at(3) });
    } else if (kind == QLatin1String("rename")) {
        const QString &to = change.at(2);
        moveDetails(m_machines, name, to);
        moveDetails(m_calls, name, to);
        if (const QStringList row = m_customers.take(name.toCaseFolded()); !row.isEmpty())
            m_customers.insert(to.toCaseFolded(), QStringList { to } + row.mid(1));
    } else if (kind == QLatin1String("delete")) {
        moveDetails(m_machines, name, QString());
        moveDetails(m_calls, name, QString());
        m_customers.remove(name.toCaseFolded());
    }
    ++m_applied;
}

QStringList ChurnModel::expected() const
{
    QStringList lines;
    for (const QStringList &row : m_customers)
        lines << (QStringList { QStringLiteral("Customer") } + row).join(QLatin1Char('|'));
    addLines(lines, "Equipment", m_machines);
    addLines(lines, "Telemarket", m_calls);
    lines.sort();
    return lines;
}

QStringList ChurnModel::stored(Database &db)
{
    const QList<std::pair<const char *, const char *>> reads {
        { "Customer", "SELECT Customer, Address1, City, Phone, Contact1 FROM Customer" },
        { "Equipment", "SELECT SN, Customer, Brand, Model FROM Equipment" },
        { "Telemarket", "SELECT Interest, Customer, Telemarketer FROM Telemarket" },
    };
    QStringList lines;
    for (const auto &[table, sql] : reads) {
        Recordset rs = db.openRecordset(QLatin1String(sql));
        for (; !rs.eof(); rs.moveNext()) {
            QStringList cells { QLatin1String(table) };
            for (int i = 0; i < rs.fieldCount(); ++i)
                cells << rs.field(i).toString();
            lines << cells.join(QLatin1Char('|'));
        }
        rs.close();
    }
    lines.sort();
    return lines;
}
