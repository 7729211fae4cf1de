#include "ReportPaginator.h"

#include "Report.h"

#include <QLocale>
#include <QPainter>

namespace {

QPageLayout pageLayoutFor(const ReportLayout &layout)
{
    // The countries of the US measurement system use Letter; the rest of the world A4.
    const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    const QPageSize size(letter ? QPageSize::Letter : QPageSize::A4);
    return QPageLayout(size, layout.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

QSizeF paperIn(const QPageLayout &layout)
{
    return layout.fullRect(QPageLayout::Point).size() * ReportStyle::UnitsPerPoint;
}

const ReportSectionLayout *sectionOf(const Report &report, ReportSectionLayout::Kind kind)
{
    for (const ReportSectionLayout &s : report.layout().sections)
        if (s.kind == kind && !report.section(s.name)->suppressed())
            return &s;
    return nullptr;
}

const ReportStyle &style()
{
    return ReportStyle::instance();
}

double headerHeight()
{
    return style().lineHeight(ReportStyle::Title) + 200;
}

double footerHeight()
{
    return style().lineHeight(ReportStyle::Small) + 120;
}

} // namespace

ReportPaginator::ReportPaginator(Report &report)
    : m_report(report)
    , m_bands(report, paperIn(pageLayoutFor(report.layout())).width() - 2 * ReportStyle::Margin)
    , m_pageLayout(pageLayoutFor(report.layout()))
    , m_paper(paperIn(m_pageLayout))
{
    // A row taller than this goes on over pages; what is left of a page under a continued
    // entry's name and its table's headers always holds it.
    m_bands.setTallestBand(0.75 * (bodyBottom() - bodyTop()));
}

double ReportPaginator::bodyTop() const
{
    return ReportStyle::Margin + headerHeight() + m_bands.tableHeaderHeight();
}

double ReportPaginator::bodyBottom() const
{
    return m_paper.height() - ReportStyle::Margin - footerHeight();
}

bool ReportPaginator::layoutNext()
{
    return layoutNext(nullptr);
}

bool ReportPaginator::layoutNext(QPainter *p)
{
    if (m_complete)
        return false;
    bool done = false;
    const Start start = m_next;
    m_next = layoutPage(start, p, int(m_starts.size()), done);
    m_starts.push_back(start);
    m_complete = done;
    return true;
}

bool ReportPaginator::ensurePage(int index)
{
    while (int(m_starts.size()) <= index)
        if (!layoutNext())
            return false;
    return true;
}

void ReportPaginator::paintPage(QPainter &p, int index)
{
    paint(p, index, true, true);
}

void ReportPaginator::paintBody(QPainter &p, int index)
{
    paint(p, index, true, false);
}

void ReportPaginator::paintFrame(QPainter &p, int index)
{
    if (index >= 0 && index < pagesKnown())
        paint(p, index, false, true);
}

void ReportPaginator::paint(QPainter &p, int index, bool body, bool frame)
{
    if (index < 0 || !ensurePage(index - 1))
        return;
    // The page after the last one known is laid out as it is drawn, its end kept as the start
    // of the page after it: each page is laid out once as the viewer pages on. Its frame comes
    // last, once the layout has told whether the report ends on it.
    const bool next = index == pagesKnown();
    if (next && m_complete)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (frame && !next)
        drawFrame(p, index);
    if (body) {
        p.save();
        p.translate(ReportStyle::Margin, 0);
        if (next) {
            layoutNext(&p);
        } else {
            bool done = false;
            layoutPage(m_starts[size_t(index)], &p, index, done);
        }
        p.restore();
    }
    if (frame && next)
        drawFrame(p, index);
    p.restore();
}

void ReportPaginator::drawFrame(QPainter &p, int index) const
{
    const double left = ReportStyle::Margin, width = m_paper.width() - 2 * ReportStyle::Margin;
    auto field = [&](const QString &f) {
        return m_bands.pageText(f, index + 1, m_complete ? int(m_starts.size()) : 0);
    };
    if (const ReportSectionLayout *header = sectionOf(m_report, ReportSectionLayout::PageHeader)) {
        const double titleHeight = style().lineHeight(ReportStyle::Title);
        p.setFont(style().font(ReportStyle::Title));
        p.setPen(style().accent);
        p.drawText(QRectF(left, ReportStyle::Margin, width * 0.65, titleHeight),
            Qt::AlignLeft | Qt::AlignBottom, header->text.render(field));
        p.setFont(style().font(ReportStyle::Small));
        p.setPen(style().muted);
        p.drawText(QRectF(left + width * 0.4, ReportStyle::Margin, width * 0.6, titleHeight),
            Qt::AlignRight | Qt::AlignBottom, header->aside.render(field));
        p.setPen(QPen(style().accent, 12));
        const double y = ReportStyle::Margin + titleHeight + 60;
        p.drawLine(QPointF(left, y), QPointF(left + width, y));
    }
    if (m_bands.tableHeaderHeight() > 0) {
        p.save();
        p.translate(left, 0);
        m_bands.drawTableHeader(p, ReportStyle::Margin + headerHeight());
        p.restore();
    }
    if (const ReportSectionLayout *footer = sectionOf(m_report, ReportSectionLayout::PageFooter)) {
        const double y
            = m_paper.height() - ReportStyle::Margin - style().lineHeight(ReportStyle::Small);
        p.setPen(QPen(style().rule, 4));
        p.drawLine(QPointF(left, y - 50), QPointF(left + width, y - 50));
        p.setFont(style().font(ReportStyle::Small));
        p.setPen(style().muted);
        const QRectF line(left, y, width, style().lineHeight(ReportStyle::Small));
        p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, footer->text.render(field));
        p.drawText(line, Qt::AlignRight | Qt::AlignVCenter, footer->aside.render(field));
    }
}

ReportPaginator::Start ReportPaginator::layoutPage(Start start, QPainter *p, int, bool &done)
{
    const double top = bodyTop(), bottom = bodyBottom();
    double y = top;
    bool placed = false;
    int record = start.record;
    std::size_t b = std::size_t(start.band);
    std::vector<ReportBand> bands;
    auto draw = [&](const ReportBand &band) {
        if (p)
            m_bands.draw(*p, band, y);
        y += band.height;
    };

    if (b > 0) {
        // An entry that goes on from the page before: its name again, and the headers of the
        // table whose rows go on (a plain list repeats its headers at the top of every page).
        bands = m_bands.bandsOf(record);
        draw(m_bands.continuedHeading(record));
        if (bands[b].kind == ReportBand::SubRow)
            draw(m_bands.subHead(bands[b].sub, record));
    }
    for (;;) {
        if (b == 0) {
            if (!m_report.table(1).ensureRow(record)) {
                const std::vector<ReportBand> closing = m_bands.closingBands(record);
                double total = 0;
                for (const ReportBand &band : closing)
                    total += band.height;
                if (placed && y + total > bottom)
                    return { record, 0 };
                for (const ReportBand &band : closing)
                    draw(band);
                done = true;
                return { record, 0 };
            }
            bands = m_bands.bandsOf(record);
            double total = 0;
            for (const ReportBand &band : bands)
                total += band.height;
            if (y + total <= bottom) {
                for (const ReportBand &band : bands)
                    draw(band);
                placed = placed || !bands.empty();
                ++record;
                continue;
            }
            if (placed && total <= bottom - top)
                return { record, 0 };
        }
        // Longer than a page: band by band, a table's headers kept with its first row.
        for (; b < bands.size(); ++b) {
            double need = bands[b].height;
            if (bands[b].kind == ReportBand::SubHead && b + 1 < bands.size())
                need += bands[b + 1].height;
            if (placed && y + need > bottom)
                return { record, int(b) };
            draw(bands[b]);
            placed = true;
        }
        ++record;
        b = 0;
    }
}
