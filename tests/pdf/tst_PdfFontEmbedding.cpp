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
    QFont font("Liberation Sans");
    font.setPixelSize(100);
    font.setBold(style == "Bold");
    font.setItalic(style == "Italic");
    return QRawFont::fromFont(font);
}

quint32 be(const QByteArray &bytes, qsizetype at, int size)
{
    return size == 2 ? qFromBigEndian<quint16>(bytes.constData() + at)
                     : qFromBigEndian<quint32>(bytes.constData() + at);
}

// Where a table starts in a font file, from the file's table directory.
qsizetype tableOffset(const QByteArray &file, const char *tag)
{
    for (qsizetype record = 12; record < 12 + 16 * be(file, 4, 2); record += 16) {
        if (file.mid(record, 4) == tag)
            return be(file, record + 8, 4);
    }
    return -1;
}

// The ToUnicode map read back as a reader would: each glyph and the text it stands for.
QMap<quint32, QString> readCMap(const QByteArray &cmap)
{
    QMap<quint32, QString> texts;
    const auto text = [](const QString &hex) {
        QString s;
        for (qsizetype at = 0; at < hex.size(); at += 4)
            s += QChar(char16_t(hex.mid(at, 4).toUInt(nullptr, 16)));
        return s;
    };
    static const QRegularExpression entry("<(\\w{4})> (?:<(\\w{4})> )?<(\\w+)>");
    for (const auto &m : entry.globalMatch(QString::fromLatin1(cmap))) {
        const uint first = m.captured(1).toUInt(nullptr, 16);
        const uint last = m.hasCaptured(2) ? m.captured(2).toUInt(nullptr, 16) : first;
        QString t = text(m.captured(3));
        for (uint glyph = first; glyph <= last; ++glyph, t[0] = QChar(t[0].unicode() + 1))
            texts.insert(glyph, t);
    }
    static const QRegularExpression block("(\\d+) begin");
    for (const auto &m : block.globalMatch(QString::fromLatin1(cmap)))
        [&] { QVERIFY(m.captured(1).toInt() <= 100); }();
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
    QTest::newRow("figures") << "Regular"
                             << "Total: 1,234.56"
                             << ""
                             << "Z";
    QTest::newRow("accented capital") << "Regular"
                                      << "ÅNGE"
                                      << "Å"
                                      << "O";
    QTest::newRow("bold") << "Bold"
                          << "Straße é €"
                          << "é"
                          << "x";
    QTest::newRow("italic") << "Italic"
                            << "Façade — Ü"
                            << "Ü"
                            << "q";
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
    QVERIFY(embedding.embeddable());
    for (qsizetype i = 0; i < glyphs.size(); ++i)
        embedding.use(glyphs.at(i), QStringView(text).mid(i, 1));
    const QList<PdfObject> objects = embedding.objects(7);
    QCOMPARE(objects.size(), 5);
    const QByteArray file = objects.at(3).stream;
    QVERIFY(objects.at(3).body.contains("/Length1 " + QByteArray::number(file.size())));

    const QRawFont loaded(file, font.pixelSize());
    QVERIFY(loaded.isValid());
    glyphs.append(0);
    for (quint32 glyph : glyphs)
        QCOMPARE(loaded.pathForGlyph(glyph), font.pathForGlyph(glyph));
    const quint32 unusedGlyph = font.glyphIndexesForString(unused).value(0);
    QVERIFY(!font.pathForGlyph(unusedGlyph).isEmpty());
    QVERIFY(loaded.pathForGlyph(unusedGlyph).isEmpty());
    if (!composite.isEmpty()) {
        const quint32 glyph = font.glyphIndexesForString(composite).value(0);
        const QByteArray loca = font.fontTable("loca");
        const qsizetype at = be(font.fontTable("head"), 50, 2) ? be(loca, glyph * 4, 4)
                                                               : be(loca, glyph * 2, 2) * 2;
        QCOMPARE(qint16(be(font.fontTable("glyf"), at, 2)), -1);
    }

    quint32 sum = 0;
    for (qsizetype at = 0; at < file.size(); at += 4)
        sum += be(file, at, 4);
    QCOMPARE(sum, 0xB1B0AFBAu);
    QCOMPARE(be(file, tableOffset(file, "head") + 50, 2), 1u);

    const QByteArray hmtx = font.fontTable("hmtx");
    const quint32 metrics = be(font.fontTable("hhea"), 34, 2);
    static const QRegularExpression run("(\\d+) \\[([\\d. ]+)\\]");
    int widths = 0;
    for (const auto &m : run.globalMatch(QString::fromLatin1(objects.at(1).body))) {
        const QStringList advances = m.captured(2).split(' ');
        for (quint32 glyph = m.captured(1).toUInt(), i = 0; i < advances.size(); ++i, ++glyph) {
            const double advance = be(hmtx, qMin(glyph, metrics - 1) * 4, 2);
            QCOMPARE(advances.at(i).toDouble(), qRound(advance * 1e6 / font.unitsPerEm()) / 1e3);
            ++widths;
        }
    }
    QCOMPARE(widths, QSet<quint32>(glyphs.begin(), glyphs.end() - 1).size());

    const QMap<quint32, QString> texts = readCMap(objects.at(4).stream);
    for (qsizetype i = 0; i < text.size(); ++i)
        QCOMPARE(texts.value(glyphs.at(i)), text.mid(i, 1));
}

void tst_PdfFontEmbedding::toUnicode_data()
{
    QTest::addColumn<QList<quint32>>("glyphs");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("first text wins")
        << QList<quint32> { 68, 68 } << QStringList { "a", "b" } << QStringList { "a" };
    QTest::newRow("ligature") << QList<quint32> { 1000 } << QStringList { "ffi" }
                              << QStringList { "ffi" };
    QTest::newRow("outside the BMP") << QList<quint32> { 5, 6 } << QStringList { "\U0001D400", "a" }
                                     << QStringList { "\U0001D400", "a" };
    QTest::newRow("run across a glyph byte")
        << QList<quint32> { 0xFE, 0xFF, 0x100 } << QStringList { "a", "b", "c" }
        << QStringList { "a", "b", "c" };
    QTest::newRow("run across a text byte")
        << QList<quint32> { 20, 21, 22 } << QStringList { "\u00FE", "\u00FF", "\u0100" }
        << QStringList { "\u00FE", "\u00FF", "\u0100" };
    QTest::newRow("no text") << QList<quint32> { 30, 31 } << QStringList { "", "x" }
                             << QStringList { "", "x" };
    QList<quint32> many;
    QStringList manyTexts;
    for (quint32 glyph = 1; glyph < 500; glyph += 2) {
        many << glyph;
        manyTexts << QString(QChar(char16_t(0x4E00 + glyph * 3)));
    }
    QTest::newRow("over a hundred") << many << manyTexts << manyTexts;
}

// Copying and searching text in the file: each glyph gives back the text it was drawn for,
// however the map groups them.
void tst_PdfFontEmbedding::toUnicode()
{
    QFETCH(QList<quint32>, glyphs);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, expected);
    PdfFontEmbedding embedding(liberation("Regular"));
    for (qsizetype i = 0; i < glyphs.size(); ++i)
        embedding.use(glyphs.at(i), texts.at(i));
    const QMap<quint32, QString> read = readCMap(embedding.objects(1).value(4).stream);
    for (qsizetype i = 0; i < expected.size(); ++i)
        QCOMPARE(read.value(glyphs.at(i)), expected.at(i));
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
    for (quint32 glyph = 0; glyph < be(original.fontTable("maxp"), 4, 2); ++glyph)
        all.use(glyph, {});
    QByteArray file = all.objects(1).value(3).stream;
    qToBigEndian(fsType, file.data() + tableOffset(file, "OS/2") + 8);
    for (qsizetype record = 12; record < 12 + 16 * be(file, 4, 2); record += 16) {
        if (file.mid(record, 4) == "glyf")
            file.replace(record, 4, table);
    }

    PdfFontEmbedding embedding(QRawFont(file, 100));
    QCOMPARE(embedding.embeddable(), embeddable);
    embedding.use(ab.at(0), u"a");
    const QList<PdfObject> objects = embedding.objects(1);
    QCOMPARE(objects.isEmpty(), !embeddable);
    if (embeddable) {
        const QRawFont loaded(objects.at(3).stream, 100);
        QCOMPARE(loaded.pathForGlyph(ab.at(1)).isEmpty(), !whole);
    }
}

CORVANE_TEST(tst_PdfFontEmbedding)
#include "tst_PdfFontEmbedding.moc"
