#include "PdfPaintEngine.h"

#include "PdfFormat.h"
#include "PdfPath.h"

#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>
#include <cmath>

namespace {

// The features Qt's own PDF engine has: nothing is turned into pixels before it comes here.
const QPaintEngine::PaintEngineFeatures Features
    = QPaintEngine::PaintEngineFeatures::fromInt(QPaintEngine::AllFeatures
        & ~(QPaintEngine::PorterDuff | QPaintEngine::PerspectiveTransform
            | QPaintEngine::ObjectBoundingModeGradients | QPaintEngine::ConicalGradientFill));

void colour(QByteArray &out, QRgb rgb, const char *op)
{
    PdfFormat::number(out, qRed(rgb) / 255.0);
    PdfFormat::number(out, qGreen(rgb) / 255.0);
    PdfFormat::number(out, qBlue(rgb) / 255.0);
    out += op;
}

int capOf(Qt::PenCapStyle cap)
{
    return cap == Qt::FlatCap ? 0 : cap == Qt::RoundCap ? 1 : 2;
}

int joinOf(Qt::PenJoinStyle join)
{
    return join == Qt::RoundJoin ? 1 : join == Qt::BevelJoin ? 2 : 0;
}

} // namespace

PdfPaintEngine::PdfPaintEngine(QIODevice &out, const QSizeF &pagePoints, int dotsPerInch)
    : QPaintEngine(Features)
    , m_document(std::make_unique<PdfDocument>(out, 1))
    , m_glyphs(m_fonts)
    , m_pagePoints(pagePoints)
    , m_pointsPerDot(72.0 / dotsPerInch)
{ }

PdfPaintEngine::~PdfPaintEngine() = default;

PdfPaintEngine *PdfPaintEngine::of(QPainter &painter)
{
    QPaintEngine *engine = painter.paintEngine();
    return engine && engine->type() == User ? dynamic_cast<PdfPaintEngine *>(engine) : nullptr;
}

bool PdfPaintEngine::begin(QPaintDevice *)
{
    startPage();
    setActive(true);
    return true;
}

bool PdfPaintEngine::end()
{
    setActive(false);
    if (m_abandoned)
        return false;
    endPart();
    endPage();
    const QByteArray fonts = m_fonts.write(*m_document);
    QByteArray parts;
    if (!m_parts.empty()) {
        parts = " /XObject <<";
        for (const int part : m_parts)
            parts += " /Fm" + QByteArray::number(part) + ' ' + QByteArray::number(part) + " 0 R";
        parts += " >>";
    }
    return m_document->finish("<< " + fonts + parts + " /ProcSet [/PDF /Text] >>", m_info);
}

void PdfPaintEngine::newPage()
{
    if (m_abandoned)
        return;
    endPage();
    startPage();
}

int PdfPaintEngine::placePart()
{
    const int part = m_document->reserve();
    m_parts.push_back(part);
    // A form keeps its own graphics state: nothing it sets reaches the page after it.
    m_content += "/Fm" + QByteArray::number(part) + " Do\n";
    return part;
}

void PdfPaintEngine::beginPart(int part)
{
    if (m_part != 0)
        endPart();
    m_part = part;
    m_pageContent.swap(m_content);
    m_content.clear();
    m_written = Written();
}

void PdfPaintEngine::endPart()
{
    if (m_part == 0)
        return;
    // Painted under the page's own transform, in the same device pixels as the page.
    const double dotsPerPoint = 1 / m_pointsPerDot;
    QByteArray body = "/Type /XObject /Subtype /Form /BBox [0 0 ";
    PdfFormat::number(body, m_pagePoints.width() * dotsPerPoint);
    PdfFormat::number(body, m_pagePoints.height() * dotsPerPoint);
    body += "] /Resources " + QByteArray::number(m_document->resources()) + " 0 R";
    m_document->write(m_part, PdfObject { body, m_content, true, true });
    m_content.swap(m_pageContent);
    m_pageContent.clear();
    m_written = Written();
    m_part = 0;
}

void PdfPaintEngine::startPage()
{
    m_content.resize(0);
    // Device pixels to points, y flipped so that the painter's top is the page's top.
    PdfFormat::number(m_content, m_pointsPerDot);
    m_content += "0 0 ";
    PdfFormat::number(m_content, -m_pointsPerDot);
    m_content += "0 ";
    PdfFormat::number(m_content, m_pagePoints.height());
    m_content += "cm\n";
    m_written = Written();
    // A clip the painter holds across the page break holds on the new page too.
    const QList<QPainterPath> clips = m_clips;
    m_clips.clear();
    for (const QPainterPath &path : clips)
        clip(path, Qt::IntersectClip);
}

void PdfPaintEngine::endPage()
{
    if (!m_clips.isEmpty())
        m_content += "Q\n";
    m_document->addPage(m_content, m_pagePoints);
}

void PdfPaintEngine::updateState(const QPaintEngineState &state)
{
    const DirtyFlags flags = state.state();
    if (flags & DirtyTransform)
        m_transform = state.transform();
    if (flags & DirtyPen)
        m_pen = state.pen();
    if (flags & DirtyBrush)
        m_brush = state.brush();
    if (flags & DirtyClipPath)
        clip(m_transform.map(state.clipPath()), state.clipOperation());
    if (flags & DirtyClipRegion) {
        QPainterPath path;
        path.addRegion(state.clipRegion());
        clip(m_transform.map(path), state.clipOperation());
    }
    if ((flags & DirtyClipEnabled) && !state.isClipEnabled())
        closeClip();
}

void PdfPaintEngine::clip(const QPainterPath &path, Qt::ClipOperation operation)
{
    if (operation == Qt::NoClip || operation == Qt::ReplaceClip)
        closeClip();
    if (operation == Qt::NoClip)
        return;
    // Clips within one saved graphics state intersect, as the painter's do; the state is
    // restored to take a clip away.
    if (m_clips.isEmpty())
        m_content += "q\n";
    m_clips << path;
    if (path.isEmpty())
        m_content += "0 0 0 0 re ";
    else
        PdfPath::write(m_content, path);
    m_content += path.fillRule() == Qt::OddEvenFill ? "W* n\n" : "W n\n";
}

void PdfPaintEngine::closeClip()
{
    if (m_clips.isEmpty())
        return;
    m_content += "Q\n";
    m_clips.clear();
    m_written = Written();
}

bool PdfPaintEngine::useStroke()
{
    if (m_pen.style() == Qt::NoPen)
        return false;
    const QRgb rgb = m_pen.color().rgb();
    if (!m_written.strokeKnown || m_written.stroke != rgb) {
        colour(m_content, rgb, "RG ");
        m_written.stroke = rgb;
        m_written.strokeKnown = true;
    }
    // A cosmetic pen keeps its width in device pixels whatever the transform.
    const double scale = m_pen.isCosmetic() ? 1 : std::sqrt(std::abs(m_transform.determinant()));
    const double width = m_pen.widthF() * scale;
    if (width != m_written.width) {
        PdfFormat::number(m_content, width);
        m_content += "w ";
        m_written.width = width;
    }
    const int cap = capOf(m_pen.capStyle());
    if (cap != m_written.cap) {
        m_content += QByteArray::number(cap) + " J ";
        m_written.cap = cap;
    }
    const int join = joinOf(m_pen.joinStyle());
    if (join != m_written.join) {
        m_content += QByteArray::number(join) + " j ";
        m_written.join = join;
    }
    const QList<qreal> dashes
        = m_pen.style() == Qt::SolidLine ? QList<qreal>() : m_pen.dashPattern();
    if (!m_written.dashKnown || dashes != m_written.dashes) {
        // The pen's dashes are in widths of the pen.
        m_content += '[';
        for (const qreal d : dashes)
            PdfFormat::number(m_content, d * std::max(width, 1.0));
        m_content += "] 0 d ";
        m_written.dashes = dashes;
        m_written.dashKnown = true;
    }
    return true;
}

void PdfPaintEngine::useFill(const QColor &color)
{
    const QRgb rgb = color.rgb();
    if (!m_written.fillKnown || m_written.fill != rgb) {
        colour(m_content, rgb, "rg ");
        m_written.fill = rgb;
        m_written.fillKnown = true;
    }
}

const char *PdfPaintEngine::paintOperator(bool evenOdd)
{
    const bool fill = filling();
    if (fill)
        useFill(m_brush.color());
    const bool stroke = useStroke();
    if (fill && stroke)
        return evenOdd ? "B*\n" : "B\n";
    if (fill)
        return evenOdd ? "f*\n" : "f\n";
    return stroke ? "S\n" : nullptr;
}

void PdfPaintEngine::drawRects(const QRectF *rects, int rectCount)
{
    for (int i = 0; i < rectCount; ++i) {
        const char *op = paintOperator(false);
        if (!op)
            return;
        PdfPath::write(m_content, rects[i], m_transform);
        m_content += op;
    }
}

void PdfPaintEngine::drawLines(const QLineF *lines, int lineCount)
{
    if (!useStroke())
        return;
    for (int i = 0; i < lineCount; ++i) {
        const QLineF line = m_transform.map(lines[i]);
        PdfPath::write(m_content, QPolygonF { line.p1(), line.p2() }, false);
        m_content += "S\n";
    }
}

void PdfPaintEngine::drawPath(const QPainterPath &path)
{
    if (const char *op = paintOperator(path.fillRule() == Qt::OddEvenFill)) {
        PdfPath::write(m_content, m_transform.map(path));
        m_content += op;
    }
}

void PdfPaintEngine::drawPolygon(const QPointF *points, int pointCount, PolygonDrawMode mode)
{
    const QPolygonF polygon
        = m_transform.map(QPolygonF(QList<QPointF>(points, points + pointCount)));
    if (mode == PolylineMode) {
        if (useStroke()) {
            PdfPath::write(m_content, polygon, false);
            m_content += "S\n";
        }
        return;
    }
    if (const char *op = paintOperator(mode == OddEvenMode)) {
        PdfPath::write(m_content, polygon, true);
        m_content += op;
    }
}

QList<QGlyphRun> PdfPaintEngine::shaped(const QString &text, const QFont &font)
{
    // A page's frame draws the same few texts on every page.
    const QString key = font.key() + u'\n' + text;
    if (const auto it = m_shaped.constFind(key); it != m_shaped.constEnd())
        return *it;
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    QList<QGlyphRun> runs;
    if (line.isValid())
        runs = layout.glyphRuns();
    // From the baseline's left end, as the painter places the text.
    for (QGlyphRun &run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF &at : positions)
            at.ry() -= line.ascent();
        run.setPositions(positions);
    }
    if (m_shaped.size() >= ShapedKept)
        m_shaped.clear();
    m_shaped.insert(key, runs);
    return runs;
}

void PdfPaintEngine::drawTextItem(const QPointF &p, const QTextItem &textItem)
{
    // The painter has shaped the text already but hands on only its characters and font; it
    // is shaped again the same way, one line, so that its glyphs go into the file as text.
    const QString text = textItem.text();
    if (text.isEmpty())
        return;
    const QList<QGlyphRun> runs = shaped(text, textItem.font());
    useFill(m_pen.color());
    for (const QGlyphRun &run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF &at : positions)
            at += p;
        const QList<quint32> glyphs = run.glyphIndexes();
        // The characters go one to a glyph when they match one to one, else all of them with
        // the first glyph; a text split among fonts keeps none.
        const QStringView chars = runs.size() == 1 ? QStringView(text) : QStringView();
        m_glyphs.write(m_content, run.rawFont(), glyphs.constData(), positions.constData(),
            glyphs.size(), chars, m_transform);
    }
}

void PdfPaintEngine::drawPixmap(const QRectF &, const QPixmap &, const QRectF &)
{
    // The reports draw no pictures; a picture is left out of the file.
}

void PdfPaintEngine::followPainter()
{
    QPainter *p = painter();
    if (!p)
        return;
    m_pen = p->pen();
    m_transform = p->combinedTransform();
    // The painter passes a clip on only with its next drawing; one taken away since counts now.
    if (!p->hasClipping())
        closeClip();
    else if (m_clips.isEmpty())
        clip(m_transform.map(p->clipPath()), Qt::ReplaceClip);
}

void PdfPaintEngine::drawGlyphs(const QRawFont &font, const QList<quint32> &glyphs,
    const QList<QPointF> &positions, QStringView chars)
{
    if (glyphs.isEmpty() || positions.size() != glyphs.size())
        return;
    followPainter();
    useFill(m_pen.color());
    m_glyphs.write(m_content, font, glyphs.constData(), positions.constData(), glyphs.size(), chars,
        m_transform);
}
