#include "PdfFontSet.h"

#include "PdfDocument.h"
#include "PdfFontEmbedding.h"

PdfFontSet::PdfFontSet() = default;

PdfFontSet::~PdfFontSet() = default;

PdfFontSet::Font &PdfFontSet::font(const QRawFont &raw)
{
    for (const auto &[seen, font] : m_seen)
        if (seen == raw)
            return *font;
    // The same file at another size is the same font; the size is not part of the key.
    const QString key = raw.familyName() + u'\n' + raw.styleName() + u'\n'
        + QString::number(raw.weight()) + u'\n' + QString::number(int(raw.style()));
    Font *&entry = m_byKey[key];
    if (!entry) {
        auto font = std::make_unique<Font>();
        font->embedding = std::make_unique<PdfFontEmbedding>(raw);
        font->embeddable = font->embedding->embeddable();
        font->name = "/F" + QByteArray::number(qsizetype(m_fonts.size()) + 1);
        entry = font.get();
        m_fonts.push_back(std::move(font));
    }
    m_seen.emplace_back(raw, entry);
    return *entry;
}

QByteArray PdfFontSet::write(PdfDocument &document)
{
    QByteArray entries;
    for (const auto &font : m_fonts) {
        if (!font->embeddable)
            continue;
        font->number = document.reserve();
        const QList<PdfObject> objects = font->embedding->objects(font->number);
        // The objects are numbered from the first in turn; the first number is reserved
        // already.
        for (qsizetype i = 1; i < objects.size(); ++i)
            document.reserve();
        for (qsizetype i = 0; i < objects.size(); ++i)
            document.write(font->number + int(i), objects[i]);
        entries += font->name + ' ' + QByteArray::number(font->number) + " 0 R ";
    }
    return entries.isEmpty() ? QByteArray() : "/Font << " + entries + ">>";
}
