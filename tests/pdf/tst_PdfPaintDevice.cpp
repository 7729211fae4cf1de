#include "FontTable.h"
#include "PdfFontEmbedding.h"
#include "PdfFormat.h"
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
QString run(const QString &tool, const QByteArray &pdf, QStringList arguments = {})
{
    QTemporaryDir dir;
    QFile file(dir.filePath("t.pdf"));
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return {};
    file.close();
    arguments << file.fileName();
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
    void placement_data();
    void placement();
    void awkwardGlyphs();
    void numbers_data();
    void numbers();
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

QRawFont liberation()
{
    QFont font("Liberation Sans");
    font.setPixelSize(100);
    return QRawFont::fromFont(font);
}

void tst_PdfPaintDevice::placement_data()
{
    QTest::addColumn<QPointF>("second"); // where the second word's glyph stands, in dots
    QTest::newRow("a gap after the first") << QPointF(1300, 1000);
    QTest::newRow("far along the line") << QPointF(2871.3, 1000);
    QTest::newRow("on a line below") << QPointF(700.5, 1650.25);
    QTest::newRow("back to the left") << QPointF(300, 1000);
}

// Glyphs of one run stand where they were placed, to a hundredth of a point, whether the
// file shifts them along the line or starts a new one.
void tst_PdfPaintDevice::placement()
{
    QFETCH(QPointF, second);
    const QRawFont font = liberation();
    const QList<quint32> glyphs = font.glyphIndexesForString("HW");
    const QByteArray pdf = paint([&](QPainter &p, PdfPaintDevice &) {
        PdfPaintEngine::of(p)->drawGlyphs(font, glyphs, { { 600, 1000 }, second }, u"HW");
    });
    static const QRegularExpression word("xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" xMax=\"[\\d.]+\" "
                                         "yMax=\"([\\d.]+)\">(\\w)<");
    QMap<QString, QPointF> at;
    for (const auto &m : word.globalMatch(run("pdftotext", pdf, { "-bbox" })))
        at.insert(m.captured(3), QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()));
    QCOMPARE(at.keys(), QStringList({ "H", "W" }));
    // A word's box starts at its first glyph's origin and ends the font's descent below its
    // baseline, the same for both.
    QVERIFY(qAbs(at["H"].x() - 60) < 0.01);
    QVERIFY2(qAbs(at["W"].x() - second.x() / 10) < 0.01, qPrintable(QString::number(at["W"].x())));
    QVERIFY(qAbs(at["W"].y() - at["H"].y() - (second.y() - 1000) / 10) < 0.01);
}

// Glyph indexes whose bytes are a literal string's delimiters, its escape or the ends of lines
// reach the reader as they are.
void tst_PdfPaintDevice::awkwardGlyphs()
{
    const QList<quint32> glyphs { 10, 13, 40, 41, 92 };
    QList<QPointF> positions;
    for (int i = 0; i < glyphs.size(); ++i)
        positions << QPointF(500 + 200 * i, 1000);
    const QByteArray pdf = paint([&](QPainter &p, PdfPaintDevice &) {
        PdfPaintEngine::of(p)->drawGlyphs(liberation(), glyphs, positions, u"abcde");
    });
    QCOMPARE(run("pdftotext", pdf).simplified().remove(' '), QString("abcde"));
}

void tst_PdfPaintDevice::numbers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("whole") << 842.0 << QByteArray("842 ");
    QTest::newRow("zero") << 0.0 << QByteArray("0 ");
    QTest::newRow("trailing zeros dropped") << 0.1 << QByteArray("0.1 ");
    QTest::newRow("a zero inside the decimals") << 12.05 << QByteArray("12.05 ");
    QTest::newRow("rounded to thousandths") << 3.14159 << QByteArray("3.142 ");
    QTest::newRow("rounded up to a whole") << 1.9996 << QByteArray("2 ");
    QTest::newRow("negative") << -0.375 << QByteArray("-0.375 ");
    QTest::newRow("negative, rounded to zero") << -0.0004 << QByteArray("0 ");
}

// Numbers are written in the short form a reader takes, never as "-0" or in exponents.
void tst_PdfPaintDevice::numbers()
{
    QFETCH(double, value);
    QFETCH(QByteArray, written);
    QByteArray out;
    PdfFormat::number(out, value);
    QCOMPARE(out, written);
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
