#include "ReportCsv.h"

#include "Report.h"

#include <QIODevice>

QString ReportCsv::cell(const QString &value)
{
    QString text = value;
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && formulaStarts.contains(text.front()))
        text.prepend(QLatin1Char('\''));
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"'))
        || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        text.replace(QLatin1String("\""), QLatin1String("\"\""));
        text = QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

bool ReportCsv::write(Report &report, QIODevice &out)
{
    // Row by row in the report's order, as far as the source goes: the table keeps only the
    // rows of a few pages, whatever the length of the list.
    ReportTable &table = report.table(1);
    const QStringList columns = table.columnNames();
    QByteArray chunk("\xEF\xBB\xBF");
    auto line = [&](const QStringList &cells) {
        chunk += cells.join(QLatin1Char(',')).toUtf8();
        chunk += "\r\n";
    };
    QStringList cells;
    for (const QString &name : columns)
        cells << cell(name);
    line(cells);
    for (int row = 0; table.ensureRow(row); ++row) {
        cells.clear();
        for (int c = 0; c < columns.size(); ++c)
            cells << cell(table.text(row, c));
        line(cells);
        if (chunk.size() > (1 << 20)) {
            if (out.write(chunk) != chunk.size())
                return false;
            chunk.clear();
        }
    }
    return out.write(chunk) == chunk.size();
}
