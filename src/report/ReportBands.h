#pragma once

#include "ReportEntryBlock.h"
#include "ReportStyle.h"

#include <QHash>

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
// bands; a band is never split. A row is one band unless it is too tall for a page (a long
// note): then it is several, each holding some of its lines.
struct ReportBand
{
    enum Kind { Entry, SubHead, SubRow, SubEmpty, Rule, TableRow, Footer, NoRows };
    Kind kind = Rule;
    double height = 0;
    int section = -1; // index into the layout's sections; -1 for a continued entry's name
    int sub = -1; // subreport index, for the detail bands
    int row = -1; // row of the main table, or of the subreport's table for SubRow
    // For a row: its lines in this band, [firstLine, lastLine), counted through the row's
    // cells (as many lines as its tallest cell) and then the note under them.
    int firstLine = 0;
    int lastLine = 0;
    int cellLines = 0;
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
    double tableHeaderHeight() const { return m_tableHeader; }
    // No row band is taller than this: a taller row goes on over more bands, so that it can
    // go on over pages.
    void setTallestBand(double height) { m_tallestBand = height; }

    void draw(QPainter &p, const ReportBand &band, double y) const;
    void drawTableHeader(QPainter &p, double y) const;

    // Texts a page header or footer fills in.
    QString pageText(const QString &field, int page, int pages) const;
    int rowsRead() const;

private:
    struct RowLines
    {
        int cells = 0;
        int notes = 0;
    };
    // A row's lines, of the main table's (sub -1) or a subreport's; measured once, as the pages
    // are counted before they are drawn.
    RowLines rowLines(int sub, int row);
    // What is kept of a row's lines, one for each row of every table: small, as a long report
    // has a million. A row of more lines than it holds is kept aside whole.
    struct KnownLines
    {
        static constexpr quint16 Most = 0xFFFF;
        quint16 cells = 0; // 0: not measured yet
        quint16 notes = 0;
    };
    double entryHeight(int section, int row);
    QString value(const ReportTable &table, int row, const QString &field) const;
    // A line of the layout for a row of the table it is bound to.
    QString text(const ReportTemplate &line, const ReportTable &table, int row) const;
    ReportEntryBlock::Field entryField(int row) const;
    QString noteOf(int sub, int row) const;
    double noteWidth() const;
    QList<double> columnWidths(const QList<ReportColumnLayout> &columns, double width) const;
    double headerHeight(
        const QList<ReportColumnLayout> &columns, const QList<double> &widths) const;
    int cellLines(const QList<ReportColumnLayout> &columns, const QList<double> &widths,
        const ReportTable &table, int row) const;
    double sliceHeight(int cellLines, int from, int to) const;
    // The bands of one row: band as a pattern, its lines spread over as many as it needs.
    void addRow(
        std::vector<ReportBand> &bands, ReportBand band, int cellLines, int noteLines) const;
    void drawRow(QPainter &p, const QList<ReportColumnLayout> &columns, const QList<double> &widths,
        const ReportTable &table, const ReportBand &band, double x, double y) const;
    void drawHeaderRow(QPainter &p, const QList<ReportColumnLayout> &columns,
        const QList<double> &widths, double x, double y, double height) const;
    const ReportSectionLayout *entrySection() const;
    void drawRowBand(QPainter &p, const ReportBand &band, double y) const;

    Report &m_report;
    const ReportStyle &m_style;
    double m_width;
    double m_tallestBand;
    int m_tableSection = -1;
    QList<double> m_tableWidths;
    double m_tableHeader = 0;
    QList<QList<double>> m_subWidths;
    QList<double> m_subHeaders;
    std::vector<std::vector<KnownLines>> m_rowLines; // the main table's, then each subreport's
    QHash<std::pair<int, int>, RowLines> m_manyLines; // by table (as above) and row
    std::vector<double> m_entryHeights; // a layout has one entry section
    // The columns each line of the layout names, by the line (the layout outlives the bands).
    mutable QHash<const ReportTemplate *, QList<int>> m_columnsOf;
};
