#include "ReportBands.h"

#include "Report.h"

#include <QLocale>
#include <QPainter>

namespace {

constexpr double Pad = ReportStyle::CellPadding;
constexpr double BarPad = 40;

} // namespace

ReportBands::ReportBands(Report &report, double width)
    : m_report(report)
    , m_style(ReportStyle::instance())
    , m_width(width)
{
    const auto &sections = report.layout().sections;
    for (int i = 0; i < sections.size(); ++i)
        if (sections[i].kind == ReportSectionLayout::Table && m_tableSection < 0) {
            m_tableSection = i;
            m_tableWidths = columnWidths(sections[i].columns, width);
        }
    for (const auto &sub : report.subreports())
        m_subWidths << columnWidths(sub->subreportLayout()->columns, width - ReportStyle::Indent);
}

QString ReportBands::value(const ReportTable &table, int row, const QString &field) const
{
    return table.text(row, table.columnIndex(field));
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

double ReportBands::rowHeight(const QList<ReportColumnLayout> &columns, const QList<double> &widths,
    const ReportTable &table, int row) const
{
    double height = m_style.lineHeight(ReportStyle::Cell);
    for (int c = 0; c < columns.size(); ++c) {
        if (!columns[c].wrap)
            continue;
        const QString text = columns[c].text.render(
            [&](const QString &field) { return value(table, row, field); });
        height
            = std::max(height, m_style.wrappedHeight(ReportStyle::Cell, text, widths[c] - 2 * Pad));
    }
    return height + 2 * Pad;
}

double ReportBands::noteHeight(int sub, int row) const
{
    const Report &subreport = *m_report.subreports()[size_t(sub)];
    const ReportTemplate &note = subreport.subreportLayout()->note;
    if (note.isEmpty())
        return 0;
    const ReportTable &table = const_cast<Report &>(subreport).table(1);
    const QString text = note.render([&](const QString &f) { return value(table, row, f); });
    if (text.isEmpty())
        return 0;
    return m_style.wrappedHeight(ReportStyle::Note, text, m_width - ReportStyle::Indent - 4 * Pad)
        + Pad;
}

double ReportBands::entryHeight(const ReportSectionLayout &section, int row) const
{
    const ReportTable &table = m_report.table(1);
    const double bar = m_style.lineHeight(ReportStyle::Heading) + 2 * BarPad;
    qsizetype lines = 0;
    for (const ReportGroupLayout &group : section.groups) {
        qsizetype shown = 0;
        for (const ReportTemplate &line : group.lines)
            if (!line.render([&](const QString &f) { return value(table, row, f); }).isEmpty())
                ++shown;
        lines = std::max(lines, shown);
    }
    if (section.groups.isEmpty())
        return bar;
    return bar + BarPad + m_style.lineHeight(ReportStyle::GroupTitle)
        + double(std::max<qsizetype>(lines, 1)) * m_style.lineHeight(ReportStyle::Body) + BarPad;
}

ReportBand ReportBands::subHead(int sub, int row) const
{
    ReportBand band { ReportBand::SubHead, 0, -1, sub, row };
    band.height = 60 + m_style.lineHeight(ReportStyle::GroupTitle) + 30
        + m_style.lineHeight(ReportStyle::TableHeader) + 2 * Pad;
    return band;
}

std::vector<ReportBand> ReportBands::bandsOf(int row)
{
    std::vector<ReportBand> bands;
    const auto &sections = m_report.layout().sections;
    ReportTable &table = m_report.table(1);
    for (int i = 0; i < sections.size(); ++i) {
        const ReportSectionLayout &s = sections[i];
        if (m_report.section(s.name)->suppressed())
            continue;
        switch (s.kind) {
        case ReportSectionLayout::Entry:
            bands.push_back({ ReportBand::Entry, entryHeight(s, row), i, -1, row });
            break;
        case ReportSectionLayout::Rule:
            bands.push_back({ ReportBand::Rule, ReportStyle::EntryGap, i, -1, row });
            break;
        case ReportSectionLayout::Table:
            bands.push_back({ ReportBand::TableRow, rowHeight(s.columns, m_tableWidths, table, row),
                i, -1, row });
            break;
        case ReportSectionLayout::Subreport: {
            int sub = 0;
            while (m_report.subreports()[size_t(sub)]->name() != s.subreport)
                ++sub;
            Report &subreport = *m_report.subreports()[size_t(sub)];
            const SubreportLayout &layout = *subreport.subreportLayout();
            ReportTable &subTable = subreport.table(1);
            const std::vector<int> rows
                = subTable.rowsMatching(value(table, row, layout.parentField));
            if (rows.empty()) {
                bands.push_back({ ReportBand::SubEmpty,
                    60 + m_style.lineHeight(ReportStyle::Note) + Pad, i, sub, row });
                break;
            }
            ReportBand head = subHead(sub, row);
            head.section = i;
            bands.push_back(head);
            for (int r : rows)
                bands.push_back({ ReportBand::SubRow,
                    rowHeight(layout.columns, m_subWidths[sub], subTable, r) + noteHeight(sub, r),
                    i, sub, r });
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
    return { ReportBand::Entry, m_style.lineHeight(ReportStyle::Heading) + 2 * BarPad + 60, -1, -1,
        row };
}

double ReportBands::tableHeaderHeight() const
{
    return m_tableSection < 0 ? 0 : m_style.lineHeight(ReportStyle::TableHeader) + 2 * Pad;
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
    const QList<double> &widths, double x, double y) const
{
    const double h = m_style.lineHeight(ReportStyle::TableHeader) + 2 * Pad;
    double total = 0;
    for (double w : widths)
        total += w;
    p.fillRect(QRectF(x, y, total, h), m_style.header);
    p.setPen(QPen(m_style.rule, 4));
    p.drawLine(QPointF(x, y + h), QPointF(x + total, y + h));
    p.setFont(m_style.font(ReportStyle::TableHeader));
    p.setPen(m_style.muted);
    for (int c = 0; c < columns.size(); ++c) {
        const QRectF cell(x + Pad, y + Pad, widths[c] - 2 * Pad, h - 2 * Pad);
        m_style.drawLine(p, ReportStyle::TableHeader, columns[c].header, cell, columns[c].right);
        x += widths[c];
    }
}

void ReportBands::drawRow(QPainter &p, const QList<ReportColumnLayout> &columns,
    const QList<double> &widths, const ReportTable &table, int row, double x, double y,
    double height) const
{
    p.setFont(m_style.font(ReportStyle::Cell));
    p.setPen(m_style.ink);
    for (int c = 0; c < columns.size(); ++c) {
        const QString text
            = columns[c].text.render([&](const QString &f) { return value(table, row, f); });
        const QRectF cell(x + Pad, y + Pad, widths[c] - 2 * Pad, height - 2 * Pad);
        // Wrapped text is laid out in its box only when it needs more than one line.
        if (columns[c].wrap && m_style.advance(ReportStyle::Cell, text) > cell.width())
            p.drawText(cell, Qt::AlignTop | Qt::AlignLeft | Qt::TextWordWrap, text);
        else
            m_style.drawLine(p, ReportStyle::Cell, text, cell, columns[c].right);
        x += widths[c];
    }
}

void ReportBands::drawEntry(
    QPainter &p, const ReportSectionLayout &section, int row, double y, bool continued) const
{
    const ReportTable &table = m_report.table(1);
    auto field = [&](const QString &f) { return value(table, row, f); };
    const double bar = m_style.lineHeight(ReportStyle::Heading) + 2 * BarPad;
    p.fillRect(QRectF(0, y, m_width, bar), m_style.band);
    p.fillRect(QRectF(0, y, 30, bar), m_style.accent);
    const QString aside = continued ? QString() : section.aside.render(field);
    p.setFont(m_style.font(ReportStyle::Small));
    p.setPen(m_style.muted);
    const double asideWidth = m_style.metrics(ReportStyle::Small).horizontalAdvance(aside);
    p.drawText(QRectF(m_width / 2, y, m_width / 2 - BarPad * 2, bar),
        Qt::AlignRight | Qt::AlignVCenter, aside);
    QString name = section.text.render(field);
    if (continued)
        name += QStringLiteral(" (continued)");
    p.setFont(m_style.font(ReportStyle::Heading));
    p.setPen(m_style.accent);
    const double nameWidth = m_width - asideWidth - 6 * BarPad;
    p.drawText(QRectF(BarPad * 3, y, nameWidth, bar), Qt::AlignLeft | Qt::AlignVCenter,
        m_style.metrics(ReportStyle::Heading).elidedText(name, Qt::ElideRight, nameWidth));
    if (continued || section.groups.isEmpty())
        return;

    const double columnWidth = (m_width - 3 * BarPad) / double(section.groups.size());
    const double lineHeight = m_style.lineHeight(ReportStyle::Body);
    double x = BarPad * 3;
    for (const ReportGroupLayout &group : section.groups) {
        double top = y + bar + BarPad;
        QStringList shown;
        for (const ReportTemplate &line : group.lines)
            if (const QString text = line.render(field); !text.isEmpty())
                shown << text;
        if (shown.isEmpty()) { // a heading over nothing would only puzzle the reader
            x += columnWidth;
            continue;
        }
        p.setFont(m_style.font(ReportStyle::GroupTitle));
        p.setPen(m_style.muted);
        p.drawText(QPointF(x, top + m_style.metrics(ReportStyle::GroupTitle).ascent()),
            group.title.toUpper());
        top += m_style.lineHeight(ReportStyle::GroupTitle);
        p.setFont(m_style.font(ReportStyle::Body));
        p.setPen(m_style.ink);
        for (const QString &text : shown) {
            m_style.drawLine(
                p, ReportStyle::Body, text, QRectF(x, top, columnWidth - 2 * BarPad, lineHeight));
            top += lineHeight;
        }
        x += columnWidth;
    }
}

void ReportBands::drawTableHeader(QPainter &p, double y) const
{
    if (m_tableSection >= 0)
        drawHeaderRow(p, m_report.layout().sections[m_tableSection].columns, m_tableWidths, 0, y);
}

void ReportBands::draw(QPainter &p, const ReportBand &band, double y, bool continued) const
{
    const auto &sections = m_report.layout().sections;
    const ReportSectionLayout *section = band.section >= 0 ? &sections[band.section] : nullptr;
    switch (band.kind) {
    case ReportBand::Entry:
        if (section)
            drawEntry(p, *section, band.row, y, continued);
        else
            for (const ReportSectionLayout &s : sections)
                if (s.kind == ReportSectionLayout::Entry) {
                    drawEntry(p, s, band.row, y, true);
                    break;
                }
        break;
    case ReportBand::SubHead: {
        const SubreportLayout &layout = *m_report.subreports()[size_t(band.sub)]->subreportLayout();
        p.setFont(m_style.font(ReportStyle::GroupTitle));
        p.setPen(m_style.accent);
        p.drawText(QPointF(ReportStyle::Indent,
                       y + 60 + m_style.metrics(ReportStyle::GroupTitle).ascent()),
            layout.title.toUpper());
        drawHeaderRow(p, layout.columns, m_subWidths[band.sub], ReportStyle::Indent,
            y + 90 + m_style.lineHeight(ReportStyle::GroupTitle));
        break;
    }
    case ReportBand::SubRow: {
        Report &sub = *m_report.subreports()[size_t(band.sub)];
        const SubreportLayout &layout = *sub.subreportLayout();
        const double note = noteHeight(band.sub, band.row);
        if (band.row % 2)
            p.fillRect(QRectF(ReportStyle::Indent, y, m_width - ReportStyle::Indent, band.height),
                m_style.stripe);
        drawRow(p, layout.columns, m_subWidths[band.sub], sub.table(1), band.row,
            ReportStyle::Indent, y, band.height - note);
        if (note > 0) {
            p.setFont(m_style.font(ReportStyle::Note));
            p.setPen(m_style.muted);
            p.drawText(QRectF(ReportStyle::Indent + 3 * Pad, y + band.height - note,
                           m_width - ReportStyle::Indent - 4 * Pad, note - Pad),
                Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                layout.note.render(
                    [&](const QString &f) { return value(sub.table(1), band.row, f); }));
        }
        break;
    }
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
    case ReportBand::TableRow:
        if (band.row % 2)
            p.fillRect(QRectF(0, y, m_width, band.height), m_style.stripe);
        drawRow(p, section->columns, m_tableWidths, m_report.table(1), band.row, 0, y, band.height);
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
