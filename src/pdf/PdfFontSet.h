#pragma once

#include <QByteArray>
#include <QHash>
#include <QRawFont>
#include <QString>
#include <memory>
#include <vector>

class PdfDocument;
class PdfFontEmbedding;

// The fonts a file's pages use, one embedding per font file whatever the sizes it is drawn
// at (the size goes with each text), each named in the pages' shared resources as /F1, /F2...
class PdfFontSet
{
public:
    PdfFontSet();
    ~PdfFontSet();

    struct Font
    {
        std::unique_ptr<PdfFontEmbedding> embedding;
        QByteArray name; // the resource name, with its slash
        bool embeddable = false;
        int number = 0; // the Type0 font's object, once written
    };

    // The font the raw font's glyphs come from, added on its first use.
    Font &font(const QRawFont &raw);

    // Writes every embeddable font's objects and returns the /Font entry of the resources
    // (empty when no font is embedded).
    QByteArray write(PdfDocument &document);

private:
    std::vector<std::unique_ptr<Font>> m_fonts;
    QHash<QString, Font *> m_byKey;
    // Every raw font asked for so far with its entry: the pages draw with a handful of fonts,
    // and comparing raw fonts is cheaper than naming them.
    std::vector<std::pair<QRawFont, Font *>> m_seen;
};
