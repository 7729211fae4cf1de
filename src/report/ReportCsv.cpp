#include "ReportCsv.h"

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

QByteArray ReportCsv::line(const QStringList &values)
{
    QStringList cells;
    cells.reserve(values.size());
    for (const QString &value : values)
        cells << cell(value);
    return cells.join(QLatin1Char(',')).toUtf8() + "\r\n";
}
