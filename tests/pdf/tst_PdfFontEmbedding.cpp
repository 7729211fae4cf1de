#include "FontTable.h"
#include "PdfFontEmbedding.h"
#include "TestRegistry.h"

#include <QFont>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTest>
#include <QtEndian>

namespace {

QRawFont liberation(const QString &style)
{
    QFont font(
        "Liberation Sans", -1, style == "Bold" ? QFont::Bold : QFont::Normal, style == "Italic");
    font.setPixelSize(100);
    return QRawFont::fromFont(font);
}

// Where a table's entry is in a font file's table directory.
qsizetype entry(const QByteArray &file, const char *tag)
{
    qsizetype at = 12;
    while (at < 12 + 16 * FontTable(file).u16(4) && file.mid(at, 4) != tag)
        at += 16;
    return at;
}

// The ToUnicode map read back as a reader would: each glyph and the text it stands for.
QMap<quint32, QString> readCMap(const QByteArray &cmap)
{
    QMap<quint32, QString> texts;
    static const QRegularExpression line("\n<(\\w{4})> (?:<(\\w{4})> )?<(\\w+)>");
    for (const auto &m : line.globalMatch(QString::fromLatin1(cmap))) {
        QString text;
        for (qsizetype at = 0; at < m.capturedLength(3); at += 4)
            text += QChar(char16_t(m.captured(3).mid(at, 4).toUInt(nullptr, 16)));
        const uint first = m.captured(1).toUInt(nullptr, 16);
        const uint last = m.hasCaptured(2) ? m.captured(2).toUInt(nullptr, 16) : first;
        for (uint glyph = first; glyph <= last;
             ++glyph, text[0] = QChar(char16_t(text[0].unicode() + 1)))
            texts.insert(glyph, text);
    }
    return texts;
}

}

class tst_PdfFontEmbedding : public QObject
{
    Q_OBJECT
private slots:
    void subset_data();
    void subset();
    void toUnicode_data();
    void toUnicode();
    void embeddable_data();
    void embeddable();
};

void tst_PdfFontEmbedding::subset_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("composite");
    QTest::addColumn<QString>("unused");
    QTest::newRow("figures") << QString("Regular") << "Total: 1,234.56" << QString() << "Z";
    QTest::newRow("accented capital") << QString("Regular") << "ÅNGE" << QString("Å") << "O";
    QTest::newRow("bold") << QString("Bold") << "Straße é €" << QString("é") << "x";
    QTest::newRow("italic") << QString("Italic") << "Façade — Ü" << QString("Ü") << "q";
}

// What a reader needs to draw the text again: the same outlines under the same indexes, glyph 0
// for a missing character, the components of an accented letter, the advances it places the
// glyphs by, and a font file whose checksums a strict reader accepts.
void tst_PdfFontEmbedding::subset()
{
    QFETCH(QString, style);
    QFETCH(QString, text);
    QFETCH(QString, composite);
    QFETCH(QString, unused);
    const QRawFont font = liberation(style);
    QCOMPARE(font.familyName(), "Liberation Sans");
    QList<quint32> glyphs = font.glyphIndexesForString(text);
    PdfFontEmbedding embedding(font);
    for (qsizetype i = 0; i < glyphs.size(); ++i)
        embedding.use(glyphs.at(i), QStringView(text).mid(i, 1));
    const QList<PdfObject> objects = embedding.objects(7);
    QCOMPARE(objects.size(), 5);
    const QByteArray file = objects.at(3).stream;

    const QRawFont loaded(file, font.pixelSize());
    for (quint32 glyph : glyphs + QList<quint32> { 0 }) {
        QCOMPARE(loaded.pathForGlyph(glyph), font.pathForGlyph(glyph));
        QCOMPARE(
            loaded.advancesForGlyphIndexes({ glyph }), font.advancesForGlyphIndexes({ glyph }));
    }
    const quint32 unusedGlyph = font.glyphIndexesForString(unused).value(0);
    QVERIFY(!font.pathForGlyph(unusedGlyph).isEmpty());
    QVERIFY(loaded.pathForGlyph(unusedGlyph).isEmpty());
    if (!composite.isEmpty()) {
        const quint32 glyph = font.glyphIndexesForString(composite).value(0);
        const FontTable loca(font.fontTable("loca"));
        const bool longLoca = FontTable(font.fontTable("head")).u16(50);
        const quint32 at = longLoca ? loca.u32(glyph * 4) : loca.u16(glyph * 2) * 2;
        QCOMPARE(FontTable(font.fontTable("glyf")).s16(at), -1);
    }
    quint32 sum = 0;
    for (qsizetype at = 0; at < file.size(); at += 4)
        sum += FontTable(file).u32(at);
    QCOMPARE(sum, 0xB1B0AFBAu);

    const FontTable hmtx(font.fontTable("hmtx"));
    const quint32 metrics = FontTable(font.fontTable("hhea")).u16(34);
    static const QRegularExpression run("(\\d+) \\[([\\d. ]+)\\]");
    QSet<quint32> widths;
    for (const auto &m : run.globalMatch(QString::fromLatin1(objects.at(1).body))) {
        quint32 glyph = m.captured(1).toUInt();
        for (const QString &width : m.captured(2).split(' ')) {
            const double advance = hmtx.u16(qMin(glyph, metrics - 1) * 4);
            QCOMPARE(width.toDouble(), qRound(advance * 1e6 / font.unitsPerEm()) / 1e3);
            widths.insert(glyph++);
        }
    }
    QCOMPARE(widths, QSet<quint32>(glyphs.begin(), glyphs.end()));

    const QMap<quint32, QString> texts = readCMap(objects.at(4).stream);
    for (qsizetype i = 0; i < text.size(); ++i)
        QCOMPARE(texts.value(glyphs.at(i)), text.mid(i, 1));
}

void tst_PdfFontEmbedding::toUnicode_data()
{
    QTest::addColumn<QList<quint32>>("glyphs");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("expected");
    const QStringList abc { "a", "b", "c" };
    QTest::newRow("first text wins") << QList<quint32> { 68, 68 } << abc << QStringList { "a" };
    QTest::newRow("text known later")
        << QList<quint32> { 30, 30 } << QStringList { "", "x" } << QStringList { "x" };
    const QStringList ffi { "ffi" };
    QTest::newRow("ligature") << QList<quint32> { 1000 } << ffi << ffi;
    const QStringList astral { "\U0001D400", "a" };
    QTest::newRow("outside the BMP") << QList<quint32> { 5, 6 } << astral << astral;
    QTest::newRow("run across a glyph byte") << QList<quint32> { 0xFE, 0xFF, 0x100 } << abc << abc;
    const QStringList carry { "\u00FE", "\u00FF", "\u0100" };
    QTest::newRow("run across a text byte") << QList<quint32> { 20, 21, 22 } << carry << carry;
    QList<quint32> many;
    QStringList manyTexts;
    for (quint32 glyph = 1; glyph < 500; glyph += 2) {
        many << glyph;
        manyTexts << QString(QChar(char16_t(0x4E00 + glyph * 3)));
    }
    QTest::newRow("over a hundred") << many << manyTexts << manyTexts;
}

// Copying and searching text in the file: each glyph gives back the text it was drawn for,
// however the map groups them, in blocks a reader takes.
void tst_PdfFontEmbedding::toUnicode()
{
    QFETCH(QList<quint32>, glyphs);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, expected);
    PdfFontEmbedding embedding(liberation("Regular"));
    for (qsizetype i = 0; i < glyphs.size(); ++i)
        embedding.use(glyphs.at(i), texts.at(i));
    const QByteArray cmap = embedding.objects(1).value(4).stream;
    const QMap<quint32, QString> read = readCMap(cmap);
    for (qsizetype i = 0; i < expected.size(); ++i)
        QCOMPARE(read.value(glyphs.at(i)), expected.at(i));
    static const QRegularExpression block("(\\d+) begin");
    for (const auto &m : block.globalMatch(QString::fromLatin1(cmap)))
        QVERIFY(m.captured(1).toInt() <= 100);
}

void tst_PdfFontEmbedding::embeddable_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<quint16>("fsType");
    QTest::addColumn<bool>("embeddable");
    QTest::addColumn<bool>("whole");
    QTest::newRow("installable") << QByteArray("glyf") << quint16(0) << true << false;
    QTest::newRow("restricted") << QByteArray("glyf") << quint16(0x0002) << false << false;
    QTest::newRow("restricted, editable") << QByteArray("glyf") << quint16(0x000A) << true << false;
    QTest::newRow("bitmaps only") << QByteArray("glyf") << quint16(0x0200) << false << false;
    QTest::newRow("no subsetting") << QByteArray("glyf") << quint16(0x0100) << true << true;
    QTest::newRow("no TrueType outlines") << QByteArray("CFF ") << quint16(0) << false << false;
}

// A font is embedded only where its licence allows it and as a whole where it asks to be; a
// font without TrueType outlines is drawn as outlines instead.
void tst_PdfFontEmbedding::embeddable()
{
    QFETCH(QByteArray, table);
    QFETCH(quint16, fsType);
    QFETCH(bool, embeddable);
    QFETCH(bool, whole);
    const QRawFont original = liberation("Regular");
    const QList<quint32> ab = original.glyphIndexesForString("ab");
    PdfFontEmbedding all(original);
    for (quint32 glyph = 0; glyph < FontTable(original.fontTable("maxp")).u16(4); ++glyph)
        all.use(glyph, {});
    QByteArray file = all.objects(1).value(3).stream;
    qToBigEndian(fsType, file.data() + FontTable(file).u32(entry(file, "OS/2") + 8) + 8);
    file.replace(entry(file, "glyf"), 4, table);

    PdfFontEmbedding embedding(QRawFont(file, 100));
    QCOMPARE(embedding.embeddable(), embeddable);
    embedding.use(ab.at(0), u"a");
    const QList<PdfObject> objects = embedding.objects(1);
    QCOMPARE(objects.isEmpty(), !embeddable);
    if (embeddable)
        QCOMPARE(QRawFont(objects.at(3).stream, 100).pathForGlyph(ab.at(1)).isEmpty(), !whole);
}

CORVANE_TEST(tst_PdfFontEmbedding)
#include "tst_PdfFontEmbedding.moc"
