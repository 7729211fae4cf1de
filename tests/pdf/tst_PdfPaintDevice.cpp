#include "FontTable.h"
#include "PdfFontEmbedding.h"
#include "PdfPaintDevice.h"
#include "PdfPaintEngine.h"
#include "TestRegistry.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <functional>

namespace {

// A6 at 720 dots an inch, as the reports paint: one dot a tenth of a point.
constexpr int Dpi = 720;

QByteArray paint(const std::function<void(QPainter &, PdfPaintDevice &)> &draw)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    PdfPaintDevice device(out,
        QPageLayout(
            QPageSize(QPageSize::A6), QPageLayout::Portrait, QMarginsF(), QPageLayout::Point),
        Dpi);
    device.setInfo(QStringLiteral("Kundenliste ä"), QStringLiteral("Corvane"));
    QPainter p(&device);
    draw(p, device);
    p.end();
    return out.data();
}

// What a reader makes of the file: the output of one of poppler's tools.
QString run(const QString &tool, const QByteArray &pdf)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("t.pdf"));
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return {};
    file.close();
    QStringList arguments { file.fileName() };
    if (tool == "pdftotext")
        arguments << "-";
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The page at one pixel a point.
QImage render(const QByteArray &pdf)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("t.pdf"));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(pdf);
    file.close();
    QProcess process;
    process.start(
        "pdftoppm", { "-r", "72", "-png", "-singlefile", file.fileName(), dir.filePath("page") });
    process.waitForFinished(60000);
    return QImage(dir.filePath("page.png"));
}

// Liberation Sans whose licence forbids embedding it: its text must be drawn as outlines.
QRawFont restrictedFont()
{
    QFont font("Liberation Sans");
    font.setPixelSize(200);
    const QRawFont original = QRawFont::fromFont(font);
    PdfFontEmbedding all(original);
    for (quint32 glyph = 0; glyph < FontTable(original.fontTable("maxp")).u16(4); ++glyph)
        all.use(glyph, {});
    QByteArray file = all.objects(1).value(3).stream;
    for (qsizetype at = 12; at < 12 + 16 * FontTable(file).u16(4); at += 16)
        if (file.mid(at, 4) == "OS/2")
            qToBigEndian(quint16(0x0002), file.data() + FontTable(file).u32(at + 8) + 8);
    return QRawFont(file, 200);
}

} // namespace

class tst_PdfPaintDevice : public QObject
{
    Q_OBJECT

private slots:
    void shapes_data();
    void shapes();
    void text_data();
    void text();
    void outlines();
    void document();
};

enum Shape { FilledRect, Line, Triangle, Ellipse, Translated, ClippedInside, ClippedOutside };

void tst_PdfPaintDevice::shapes_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QPoint>("probe"); // in points
    QTest::addColumn<QColor>("expected");
    QTest::newRow("filled rectangle") << int(FilledRect) << QPoint(30, 30) << QColor(Qt::red);
    QTest::newRow("left of the rectangle") << int(FilledRect) << QPoint(5, 30) << QColor(Qt::white);
    // A square cap reaches half the pen's width past the line's end.
    QTest::newRow("line's square cap") << int(Line) << QPoint(101, 98) << QColor(Qt::blue);
    QTest::newRow("beside the line") << int(Line) << QPoint(150, 120) << QColor(Qt::white);
    QTest::newRow("triangle") << int(Triangle) << QPoint(100, 180) << QColor(Qt::darkGreen);
    QTest::newRow("beside the triangle") << int(Triangle) << QPoint(60, 150) << QColor(Qt::white);
    QTest::newRow("ellipse") << int(Ellipse) << QPoint(200, 200) << QColor(Qt::magenta);
    QTest::newRow("translated") << int(Translated) << QPoint(130, 130) << QColor(Qt::red);
    QTest::newRow("inside a clip") << int(ClippedInside) << QPoint(30, 30) << QColor(Qt::red);
    QTest::newRow("clipped away") << int(ClippedOutside) << QPoint(60, 60) << QColor(Qt::white);
}

// Shapes land where the painter put them, y downwards from the page's top, in their colours;
// a clip keeps what lies outside it off the page.
void tst_PdfPaintDevice::shapes()
{
    QFETCH(int, shape);
    QFETCH(QPoint, probe);
    QFETCH(QColor, expected);
    const QImage page = render(paint([shape](QPainter &p, PdfPaintDevice &) {
        switch (Shape(shape)) {
        case FilledRect:
            p.fillRect(QRectF(100, 100, 400, 400), Qt::red);
            break;
        case Line:
            p.setPen(QPen(Qt::blue, 60));
            p.drawLine(QPointF(1000, 1000), QPointF(1000, 1100));
            break;
        case Triangle:
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::darkGreen);
            p.drawPolygon(QPolygonF { { 500, 2000 }, { 1500, 2000 }, { 1000, 1000 } });
            break;
        case Ellipse:
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::magenta);
            p.drawEllipse(QPointF(2000, 2000), 300, 200);
            break;
        case Translated:
            p.translate(1000, 1000);
            p.fillRect(QRectF(100, 100, 400, 400), Qt::red);
            break;
        case ClippedInside:
        case ClippedOutside:
            p.setClipRect(QRectF(0, 0, 500, 500));
            p.fillRect(QRectF(100, 100, 900, 900), Qt::red);
            break;
        }
    }));
    QVERIFY(!page.isNull());
    QCOMPARE(page.size(), QSize(297, 420));
    QCOMPARE(page.pixelColor(probe), expected);
}

void tst_PdfPaintDevice::text_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("Latin") << QStringLiteral("Invoice 42 for Müller & Sons");
    QTest::newRow("Greek") << QStringLiteral("Καλημέρα κόσμε");
    QTest::newRow("Cyrillic") << QStringLiteral("Привет, мир");
    QTest::newRow("two scripts") << QStringLiteral("Office Офис");
}

// Text the painter shapes itself goes into the file as text a reader can copy, in any script
// the font has; and a text drawn after a clip was taken away is not clipped.
void tst_PdfPaintDevice::text()
{
    QFETCH(QString, text);
    const QByteArray pdf = paint([&text](QPainter &p, PdfPaintDevice &) {
        QFont font("Liberation Sans");
        font.setPixelSize(90);
        p.setFont(font);
        p.save();
        p.setClipRect(QRectF(0, 0, 10, 10));
        p.restore();
        p.drawText(QPointF(100, 500), text);
    });
    QCOMPARE(run("pdftotext", pdf).trimmed(), text);
    QVERIFY(run("pdffonts", pdf).contains("LiberationSans"));
}

// A font whose licence forbids embedding is drawn as filled outlines: ink on the page, no text.
void tst_PdfPaintDevice::outlines()
{
    const QRawFont font = restrictedFont();
    QVERIFY(font.isValid());
    const QList<quint32> glyphs = font.glyphIndexesForString("HH");
    const QByteArray pdf = paint([&](QPainter &p, PdfPaintDevice &) {
        p.setPen(Qt::black);
        PdfPaintEngine::of(p)->drawGlyphs(font, glyphs, { { 500, 1000 }, { 700, 1000 } }, u"HH");
    });
    QCOMPARE(run("pdftotext", pdf).trimmed(), QString());
    // Ink where the two letters stand, 20 points high on a baseline 100 points down.
    const QImage page = render(pdf);
    int inked = 0;
    for (int y = 80; y < 100; ++y)
        for (int x = 50; x < 90; ++x)
            inked += qGray(page.pixel(x, y)) < 64;
    QVERIFY2(inked > 40, qPrintable(QString::number(inked)));
    QCOMPARE(qGray(page.pixel(60, 60)), 255);
}

// The file has the pages started, each of the layout's size, and the title given.
void tst_PdfPaintDevice::document()
{
    const QByteArray pdf = paint([](QPainter &p, PdfPaintDevice &device) {
        p.drawLine(0, 0, 10, 10);
        device.newPage();
        device.newPage();
    });
    const QString info = run("pdfinfo", pdf);
    QVERIFY2(info.contains(QRegularExpression("Pages:\\s+3\n")), qPrintable(info));
    QVERIFY(info.contains(QRegularExpression("Title:\\s+Kundenliste ä\n")));
    QVERIFY(info.contains(QRegularExpression("Page size:\\s+297 x 420 pts")));
    QVERIFY(info.contains(QRegularExpression("Creator:\\s+Corvane\n")));
}

CORVANE_TEST(tst_PdfPaintDevice)
#include "tst_PdfPaintDevice.moc"
