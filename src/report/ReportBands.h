#pragma once

#include "ReportStyle.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <vector>

class QPainter;
class Report;
class ReportTable;
struct ReportColumnLayout;
struct ReportSectionLayout;

// One horizontal strip of a report page: an entry's heading block, a detail table's title and
// column headers, one detail row, a rule, the report's closing line. Pages are filled with
// bands; a band is never split.
struct ReportBand
{
    enum Kind { Entry, SubHead, SubRow, SubEmpty, Rule, TableRow, Footer, NoRows };
    Kind kind = Rule;
    double height = 0;
    int section = -1; // index into the layout's sections
    int sub = -1; // subreport index, for the detail bands
    int row = -1; // row of the main table, or of the subreport's table for SubRow
};

// Measures and draws the bands of one report laid out across a given width.
class ReportBands
{
public:
    ReportBands(Report &report, double width);

    // The bands of one row of the main table, in print order, the suppressed sections left out.
    std::vector<ReportBand> bandsOf(int row);
    // What ends the report: the closing line, or the line saying there were no rows.
    std::vector<ReportBand> closingBands(int rows);
    // For a page that continues an entry: its name again, and the columns of the table that
    // goes on, so that a detail row is never read without its headers.
    ReportBand continuedHeading(int row) const;
    ReportBand subHead(int sub, int row) const;
    // The column headers a plain list repeats at the top of each page; height 0 for a report
    // of entries.
    double tableHeaderHeight() const;

    void draw(QPainter &p, const ReportBand &band, double y, bool continued = false) const;
    void drawTableHeader(QPainter &p, double y) const;

    // Texts a page header or footer fills in.
    QString pageText(const QString &field, int page, int pages) const;
    int rowsRead() const;

private:
    QString value(const ReportTable &table, int row, const QString &field) const;
    QList<double> columnWidths(const QList<ReportColumnLayout> &columns, double width) const;
    double rowHeight(const QList<ReportColumnLayout> &columns, const QList<double> &widths,
        const ReportTable &table, int row) const;
    void drawRow(QPainter &p, const QList<ReportColumnLayout> &columns, const QList<double> &widths,
        const ReportTable &table, int row, double x, double y, double height) const;
    void drawHeaderRow(QPainter &p, const QList<ReportColumnLayout> &columns,
        const QList<double> &widths, double x, double y) const;
    double entryHeight(const ReportSectionLayout &section, int row) const;
    void drawEntry(
        QPainter &p, const ReportSectionLayout &section, int row, double y, bool continued) const;
    double noteHeight(int sub, int row) const;

    Report &m_report;
    const ReportStyle &m_style;
    double m_width;
    int m_tableSection = -1;
    QList<double> m_tableWidths;
    QList<QList<double>> m_subWidths;
};
