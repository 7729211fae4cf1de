#include "ReportBands.h"

#include "Report.h"
#include "ReportTextRun.h"

#include <QLocale>
#include <QPainter>
#include <limits>

namespace {

constexpr double Pad = ReportStyle::CellPadding;
constexpr double BarPad = 40;

} // namespace

ReportBands::ReportBands(Report &report, double width)
    : m_report(report)
    , m_style(ReportStyle::instance())
    , m_width(width)
    , m_tallestBand(std::numeric_limits<double>::infinity())
{
    const auto &sections = report.layout().sections;
    for (int i = 0; i < sections.size(); ++i)
        if (sections[i].kind == ReportSectionLayout::Table && m_tableSection < 0) {
            m_tableSection = i;
            m_tableWidths = columnWidths(sections[i].columns, width);
            m_tableHeader = headerHeight(sections[i].columns, m_tableWidths);
        }
    for (const auto &sub : report.subreports()) {
        const QList<ReportColumnLayout> &columns = sub->subreportLayout()->columns;
        m_subWidths << columnWidths(columns, width - ReportStyle::Indent);
        m_subHeaders << headerHeight(columns, m_subWidths.last());
    }
    m_rowLines.resize(report.subreports().size() + 1);
}

QString ReportBands::value(const ReportTable &table, int row, const QString &field) const
{
    return table.text(row, table.columnIndex(field));
}

QString ReportBands::text(const ReportTemplate &line, const ReportTable &table, int row) const
{
    auto it = m_columnsOf.constFind(&line);
    if (it == m_columnsOf.constEnd())
        it = m_columnsOf.insert(&line, line.columnsIn(table));
    return line.render(table, row, *it);
}

ReportEntryBlock::Field ReportBands::entryField(int row) const
{
    const ReportTable &table = m_report.table(1);
    return [this, &table, row](const ReportTemplate &line) { return text(line, table, row); };
}

QList<double> ReportBands::columnWidths(
    const QList<ReportColumnLayout> &columns, double width) const
{
    double total = 0;
    for (const ReportColumnLayout &c : columns)
        total += c.weight;
    QList<double> widths;
    for (const ReportColumnLayout &c : columns)
        widths << (total > 0 ? width * c.weight / total : 0);
    return widths;
}

double ReportBands::headerHeight(
    const QList<ReportColumnLayout> &columns, const QList<double> &widths) const
{
    int lines = 1;
    for (int c = 0; c < columns.size(); ++c)
        lines = std::max(lines,
            m_style.lineCount(ReportStyle::TableHeader, columns[c].header, widths[c] - 2 * Pad));
    return lines * m_style.lineHeight(ReportStyle::TableHeader) + 2 * Pad;
}

int ReportBands::cellLines(const QList<ReportColumnLayout> &columns, const QList<double> &widths,
    const ReportTable &table, int row) const
{
    int lines = 1;
    for (int c = 0; c < columns.size(); ++c) {
        lines = std::max(lines,
            m_style.lineCount(
                ReportStyle::Cell, text(columns[c].text, table, row), widths[c] - 2 * Pad));
    }
    return lines;
}

ReportBands::RowLines ReportBands::rowLines(int sub, int row)
{
    std::vector<KnownLines> &known = m_rowLines[size_t(sub + 1)];
    if (size_t(row) < known.size() && known[size_t(row)].cells > 0) {
        const KnownLines kept = known[size_t(row)];
        if (kept.cells < KnownLines::Most && kept.notes < KnownLines::Most)
            return { kept.cells, kept.notes };
        return m_manyLines.value({ sub + 1, row });
    }
    RowLines lines;
    if (sub < 0) {
        lines.cells = cellLines(m_report.layout().sections[m_tableSection].columns, m_tableWidths,
            m_report.table(1), row);
    } else {
        Report &subreport = *m_report.subreports()[size_t(sub)];
        lines.cells = cellLines(
            subreport.subreportLayout()->columns, m_subWidths[sub], subreport.table(1), row);
        const QString note = noteOf(sub, row);
        lines.notes = note.isEmpty() ? 0 : m_style.lineCount(ReportStyle::Note, note, noteWidth());
    }
    if (known.size() <= size_t(row))
        known.resize(size_t(row) + 1);
    known[size_t(row)] = { quint16(std::min<int>(lines.cells, KnownLines::Most)),
        quint16(std::min<int>(lines.notes, KnownLines::Most)) };
    if (lines.cells >= KnownLines::Most || lines.notes >= KnownLines::Most)
        m_manyLines.insert({ sub + 1, row }, lines);
    return lines;
}

double ReportBands::entryHeight(int section, int row)
{
    std::vector<double> &known = m_entryHeights;
    if (size_t(row) < known.size() && known[size_t(row)] > 0)
        return known[size_t(row)];
    const double height
        = ReportEntryBlock(m_report.layout().sections[section], entryField(row), m_width, false)
              .height();
    if (known.size() <= size_t(row))
        known.resize(size_t(row) + 1);
    known[size_t(row)] = height;
    return height;
}

QString ReportBands::noteOf(int sub, int row) const
{
    const Report &subreport = *m_report.subreports()[size_t(sub)];
    const ReportTemplate &note = subreport.subreportLayout()->note;
    if (note.isEmpty())
        return QString();
    const ReportTable &table = const_cast<Report &>(subreport).table(1);
    return text(note, table, row);
}

double ReportBands::noteWidth() const
{
    return m_width - ReportStyle::Indent - 4 * Pad;
}

double ReportBands::sliceHeight(int cells, int from, int to) const
{
    // The cells' lines between two paddings; the note's under them, with a padding of its own.
    const int cellsIn = std::max(0, std::min(to, cells) - from);
    const int notesIn = std::max(0, to - std::max(from, cells));
    double height = 2 * Pad + cellsIn * m_style.lineHeight(ReportStyle::Cell);
    if (notesIn > 0)
        height += notesIn * m_style.lineHeight(ReportStyle::Note) + Pad;
    return height;
}

void ReportBands::addRow(
    std::vector<ReportBand> &bands, ReportBand band, int cells, int notes) const
{
    band.cellLines = cells;
    const int total = cells + notes;
    for (int from = 0; from < total;) {
        // As many lines as fit the tallest band, one at least. Counted up from the first: a
        // row of many thousand lines (a long note) would otherwise cost its whole length for
        // every slice of it, on every page that lays it out.
        int to = from + 1;
        while (to < total && sliceHeight(cells, from, to + 1) <= m_tallestBand)
            ++to;
        band.firstLine = from;
        band.lastLine = to;
        band.height = sliceHeight(cells, from, to);
        bands.push_back(band);
        from = to;
    }
}

ReportBand ReportBands::subHead(int sub, int row) const
{
    ReportBand band { ReportBand::SubHead, 0, -1, sub, row };
    band.height
        = 60 + m_style.lineHeight(ReportStyle::GroupTitle) + 30 + m_subHeaders[qsizetype(sub)];
    return band;
}

const ReportSectionLayout *ReportBands::entrySection() const
{
    for (const ReportSectionLayout &s : m_report.layout().sections)
        if (s.kind == ReportSectionLayout::Entry)
            return &s;
    return nullptr;
}

std::vector<ReportBand> ReportBands::bandsOf(int row)
{
    std::vector<ReportBand> bands;
    const auto &sections = m_report.layout().sections;
    ReportTable &table = m_report.table(1);
    auto field = [&](const QString &f) { return value(table, row, f); };
    for (int i = 0; i < sections.size(); ++i) {
        const ReportSectionLayout &s = sections[i];
        if (m_report.section(s.name)->suppressed())
            continue;
        switch (s.kind) {
        case ReportSectionLayout::Entry:
            bands.push_back({ ReportBand::Entry, entryHeight(i, row), i, -1, row });
            break;
        case ReportSectionLayout::Rule:
            bands.push_back({ ReportBand::Rule, ReportStyle::EntryGap, i, -1, row });
            break;
        case ReportSectionLayout::Table: {
            const RowLines lines = rowLines(-1, row);
            addRow(bands, { ReportBand::TableRow, 0, i, -1, row }, lines.cells, lines.notes);
            break;
        }
        case ReportSectionLayout::Subreport: {
            int sub = 0;
            while (m_report.subreports()[size_t(sub)]->name() != s.subreport)
                ++sub;
            Report &subreport = *m_report.subreports()[size_t(sub)];
            const SubreportLayout &layout = *subreport.subreportLayout();
            const std::vector<int> rows
                = subreport.table(1).rowsMatching(field(layout.parentField));
            if (rows.empty()) {
                bands.push_back({ ReportBand::SubEmpty,
                    60 + m_style.lineHeight(ReportStyle::Note) + Pad, i, sub, row });
                break;
            }
            ReportBand head = subHead(sub, row);
            head.section = i;
            bands.push_back(head);
            for (int r : rows) {
                const RowLines lines = rowLines(sub, r);
                addRow(bands, { ReportBand::SubRow, 0, i, sub, r }, lines.cells, lines.notes);
            }
            break;
        }
        default:
            break;
        }
    }
    return bands;
}

std::vector<ReportBand> ReportBands::closingBands(int rows)
{
    std::vector<ReportBand> bands;
    const auto &sections = m_report.layout().sections;
    for (int i = 0; i < sections.size(); ++i) {
        const auto kind = sections[i].kind;
        if (m_report.section(sections[i].name)->suppressed())
            continue;
        if ((kind == ReportSectionLayout::ReportFooter && rows > 0)
            || (kind == ReportSectionLayout::Empty && rows == 0))
            bands.push_back({ rows > 0 ? ReportBand::Footer : ReportBand::NoRows,
                m_style.lineHeight(ReportStyle::Body) + 2 * BarPad + 60, i, -1, rows });
    }
    return bands;
}

ReportBand ReportBands::continuedHeading(int row) const
{
    // A plain list has no entries: the column headers at the top of the page are its heading.
    const ReportSectionLayout *section = entrySection();
    if (!section)
        return { ReportBand::Entry, 0, -1, -1, row };
    const ReportEntryBlock block(*section, entryField(row), m_width, true);
    return { ReportBand::Entry, block.height(), -1, -1, row };
}

int ReportBands::rowsRead() const
{
    return m_report.table(1).rowsRead();
}

QString ReportBands::pageText(const QString &field, int page, int pages) const
{
    if (field == QLatin1String("Page"))
        return QString::number(page);
    if (field == QLatin1String("Pages"))
        return pages > 0 ? QString::number(pages) : QString();
    if (field == QLatin1String("PrintDate")) {
        const QLocale locale;
        return locale.toString(m_report.printed().date(), QLocale::LongFormat) + QLatin1Char(' ')
            + locale.toString(m_report.printed().time(), QLocale::ShortFormat);
    }
    return QString();
}

void ReportBands::drawHeaderRow(QPainter &p, const QList<ReportColumnLayout> &columns,
    const QList<double> &widths, double x, double y, double height) const
{
    double total = 0;
    for (double w : widths)
        total += w;
    p.fillRect(QRectF(x, y, total, height), m_style.header);
    p.setPen(QPen(m_style.rule, 4));
    p.drawLine(QPointF(x, y + height), QPointF(x + total, y + height));
    p.setFont(m_style.font(ReportStyle::TableHeader));
    p.setPen(m_style.muted);
    ReportTextRun run(p, m_style.glyphs(ReportStyle::TableHeader));
    for (int c = 0; c < columns.size(); ++c) {
        const QRectF cell(x + Pad, y + Pad, widths[c] - 2 * Pad, height - 2 * Pad);
        m_style.drawText(p, ReportStyle::TableHeader, columns[c].header, cell, columns[c].right, 0,
            1 << 30, &run);
        x += widths[c];
    }
}

void ReportBands::drawRow(QPainter &p, const QList<ReportColumnLayout> &columns,
    const QList<double> &widths, const ReportTable &table, const ReportBand &band, double x,
    double y) const
{
    const int lines = std::min(band.lastLine, band.cellLines) - band.firstLine;
    if (lines <= 0)
        return;
    const double height = lines * m_style.lineHeight(ReportStyle::Cell);
    p.setFont(m_style.font(ReportStyle::Cell));
    p.setPen(m_style.ink);
    ReportTextRun run(p, m_style.glyphs(ReportStyle::Cell));
    for (int c = 0; c < columns.size(); ++c) {
        const QRectF cell(x + Pad, y + Pad, widths[c] - 2 * Pad, height);
        m_style.drawText(p, ReportStyle::Cell, text(columns[c].text, table, band.row), cell,
            columns[c].right, band.firstLine, lines, &run);
        x += widths[c];
    }
}

void ReportBands::drawRowBand(QPainter &p, const ReportBand &band, double y) const
{
    const bool sub = band.kind == ReportBand::SubRow;
    const double x = sub ? ReportStyle::Indent : 0;
    if (band.row % 2)
        p.fillRect(QRectF(x, y, m_width - x, band.height), m_style.stripe);
    if (!sub) {
        drawRow(p, m_report.layout().sections[band.section].columns, m_tableWidths,
            m_report.table(1), band, x, y);
        return;
    }
    Report &subreport = *m_report.subreports()[size_t(band.sub)];
    drawRow(p, subreport.subreportLayout()->columns, m_subWidths[band.sub], subreport.table(1),
        band, x, y);
    const int from = std::max(band.firstLine, band.cellLines) - band.cellLines;
    const int notes = band.lastLine - band.cellLines - from;
    if (notes <= 0)
        return;
    const int cellsIn = std::max(0, band.cellLines - band.firstLine);
    p.setFont(m_style.font(ReportStyle::Note));
    p.setPen(m_style.muted);
    m_style.drawText(p, ReportStyle::Note, noteOf(band.sub, band.row),
        QRectF(x + 3 * Pad, y + 2 * Pad + cellsIn * m_style.lineHeight(ReportStyle::Cell),
            noteWidth(), notes * m_style.lineHeight(ReportStyle::Note)),
        false, from, notes);
}

void ReportBands::drawTableHeader(QPainter &p, double y) const
{
    if (m_tableSection >= 0)
        drawHeaderRow(p, m_report.layout().sections[m_tableSection].columns, m_tableWidths, 0, y,
            m_tableHeader);
}

void ReportBands::draw(QPainter &p, const ReportBand &band, double y) const
{
    const auto &sections = m_report.layout().sections;
    const ReportSectionLayout *section = band.section >= 0 ? &sections[band.section] : nullptr;
    switch (band.kind) {
    case ReportBand::Entry: {
        // Without a section of its own the band names an entry that goes on from a page before.
        const ReportSectionLayout *entry = section ? section : entrySection();
        if (!entry)
            break;
        ReportEntryBlock(*entry, entryField(band.row), m_width, !section).draw(p, y);
        break;
    }
    case ReportBand::SubHead: {
        const SubreportLayout &layout = *m_report.subreports()[size_t(band.sub)]->subreportLayout();
        p.setFont(m_style.font(ReportStyle::GroupTitle));
        p.setPen(m_style.accent);
        p.drawText(QPointF(ReportStyle::Indent,
                       y + 60 + m_style.metrics(ReportStyle::GroupTitle).ascent()),
            layout.title.toUpper());
        drawHeaderRow(p, layout.columns, m_subWidths[band.sub], ReportStyle::Indent,
            y + 90 + m_style.lineHeight(ReportStyle::GroupTitle), m_subHeaders[band.sub]);
        break;
    }
    case ReportBand::SubRow:
    case ReportBand::TableRow:
        drawRowBand(p, band, y);
        break;
    case ReportBand::SubEmpty: {
        const SubreportLayout &layout = *m_report.subreports()[size_t(band.sub)]->subreportLayout();
        p.setFont(m_style.font(ReportStyle::Note));
        p.setPen(m_style.muted);
        p.drawText(
            QPointF(ReportStyle::Indent, y + 60 + m_style.metrics(ReportStyle::Note).ascent()),
            layout.emptyText);
        break;
    }
    case ReportBand::Rule:
        p.setPen(QPen(m_style.rule, 4));
        p.drawLine(QPointF(0, y + band.height / 2), QPointF(m_width, y + band.height / 2));
        break;
    case ReportBand::Footer:
    case ReportBand::NoRows: {
        p.setPen(QPen(m_style.rule, 4));
        p.drawLine(QPointF(0, y + 30), QPointF(m_width, y + 30));
        p.setFont(m_style.font(ReportStyle::Body));
        p.setPen(m_style.muted);
        const QString text = section->text.render([&](const QString &f) {
            return f == QLatin1String("RecordCount") ? QLocale().toString(band.row) : QString();
        });
        p.drawText(
            QRectF(0, y + 60, m_width, band.height - 60), Qt::AlignLeft | Qt::AlignVCenter, text);
        break;
    }
    }
}
