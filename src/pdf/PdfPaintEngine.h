#pragma once

#include "PdfDocument.h"
#include "PdfFontSet.h"
#include "PdfGlyphWriter.h"

#include <QColor>
#include <QGlyphRun>
#include <QHash>
#include <QPaintEngine>
#include <QPen>
#include <QTransform>
#include <memory>
#include <vector>

class QPainter;

// Paints pages into a PDF file: each shape becomes the page content's own path operators and
// each text the glyphs of an embedded font, written as the page is painted and put out,
// compressed, as it ends. The page's coordinates are the painter's device pixels with y down;
// one transform at the start of each page turns them into PDF points with y up.
class PdfPaintEngine : public QPaintEngine
{
public:
    PdfPaintEngine(QIODevice &out, const QSizeF &pagePoints, int dotsPerInch);
    ~PdfPaintEngine() override;

    // The engine a painter paints with, when it is one of these; else null.
    static PdfPaintEngine *of(QPainter &painter);

    void setInfo(const PdfDocument::Info &info) { m_info = info; }
    // Ends the page and starts the next one.
    void newPage();
    // Ends the painting without writing the rest of the file.
    void abandon() { m_abandoned = true; }

    // A part of the page painted later, such as a frame that tells the number of pages: it
    // takes its place in the page's content now, under what is painted after it, and is
    // painted between beginPart and endPart once it can be. Returns the part's number.
    int placePart();
    void beginPart(int part);
    void endPart();

    // Draws glyphs of one font, already placed, in the painter's pen colour; chars are the
    // characters they stand for, one per glyph.
    void drawGlyphs(const QRawFont &font, const QList<quint32> &glyphs,
        const QList<QPointF> &positions, QStringView chars);

    bool begin(QPaintDevice *device) override;
    bool end() override;
    void updateState(const QPaintEngineState &state) override;
    void drawRects(const QRectF *rects, int rectCount) override;
    void drawLines(const QLineF *lines, int lineCount) override;
    void drawPath(const QPainterPath &path) override;
    void drawPolygon(const QPointF *points, int pointCount, PolygonDrawMode mode) override;
    void drawTextItem(const QPointF &p, const QTextItem &textItem) override;
    void drawPixmap(const QRectF &r, const QPixmap &pm, const QRectF &sr) override;
    Type type() const override { return User; }

private:
    // The text's glyph runs as one line in the font, from the baseline's left end.
    QList<QGlyphRun> shaped(const QString &text, const QFont &font);
    void startPage();
    void endPage();
    // Makes the pen, or the fill colour given, the content's current one.
    bool useStroke();
    void useFill(const QColor &color);
    bool filling() const { return m_brush.style() != Qt::NoBrush; }
    // The operator that paints a path with the current pen and brush; null when neither
    // paints.
    const char *paintOperator(bool evenOdd);
    void clip(const QPainterPath &path, Qt::ClipOperation operation);
    void closeClip();
    // Takes the painter's pen, transform and clip for a drawing the painter does not pass on.
    void followPainter();

    std::unique_ptr<PdfDocument> m_document;
    PdfFontSet m_fonts;
    PdfGlyphWriter m_glyphs;
    QSizeF m_pagePoints;
    double m_pointsPerDot;
    PdfDocument::Info m_info;
    QByteArray m_content;
    bool m_abandoned = false;
    // The parts placed, by object number; while one is painted, the page's own content and
    // graphics state wait here.
    std::vector<int> m_parts;
    int m_part = 0;
    QByteArray m_pageContent;
    static constexpr qsizetype ShapedKept = 256;
    QHash<QString, QList<QGlyphRun>> m_shaped;

    QTransform m_transform;
    QPen m_pen;
    QBrush m_brush;
    QList<QPainterPath> m_clips; // in the page's coordinates; their intersection clips

    // What the content has set so far since its graphics state was last restored.
    struct Written
    {
        QRgb stroke = 0;
        QRgb fill = 0;
        bool strokeKnown = false;
        bool fillKnown = false;
        double width = -1;
        int cap = -1;
        int join = -1;
        QList<qreal> dashes;
        bool dashKnown = false;
    } m_written;
};
