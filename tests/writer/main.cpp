// Writes one large report as a CSV list, an Excel workbook or a PDF file the way the viewer
// saves it, so that a test can end it half-way: report_writer csv|xlsx|pdf <path> <rows>. Exit
// code 0 once the file stands whole.
#include "Report.h"
#include "ReportCsvJob.h"
#include "ReportJobRunner.h"
#include "ReportPages.h"
#include "ReportRowSource.h"
#include "ReportWorkbook.h"

#include <QGuiApplication>

namespace {

// Numbered customers, each in the same city.
class NumberedRows : public ReportRowSource
{
public:
    explicit NumberedRows(int rows)
        : m_rows(rows)
    { }
    QStringList columnNames() const override { return { "Customer", "City" }; }
    bool next(QStringList &values) override
    {
        if (m_at >= m_rows)
            return false;
        values = { QStringLiteral("Customer %1").arg(m_at++, 7, 10, QLatin1Char('0')),
            QStringLiteral("Salem") };
        return true;
    }
    QByteArray matchKey(const QString &value) const override { return value.toUtf8(); }
    void close() override { }

private:
    int m_rows;
    int m_at = 0;
};

const QByteArray Layout = R"({
  "name": "Customers", "table": ["Customer", "City"],
  "sections": [
    { "name": "Head", "kind": "pageHeader", "text": "Customers" },
    { "name": "Entry", "kind": "entry", "text": "{Customer}",
      "groups": [ { "title": "Where", "lines": ["{City}"] } ] },
    { "name": "Foot", "kind": "pageFooter", "aside": "Page {Page}" }
  ]
})";

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 2;
    auto report = std::make_unique<Report>(ReportLayout::fromJson(Layout));
    report->table(1).setDataSource(std::make_unique<NumberedRows>(args[3].toInt()), 3);
    report->DiscardSavedData();
    report->ReadRecords();
    if (args[1] == QLatin1String("csv")) {
        ReportCsvJob job(*report, args[2]);
        return ReportJobRunner::runToEnd(job) ? 0 : 1;
    }
    if (args[1] == QLatin1String("xlsx")) {
        ReportWorkbook job(*report, args[2]);
        return ReportJobRunner::runToEnd(job) ? 0 : 1;
    }
    ReportPages pages(std::move(report));
    return pages.writePdf(args[2]) ? 0 : 1;
}
