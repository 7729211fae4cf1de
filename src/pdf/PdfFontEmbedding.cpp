#include "PdfFontEmbedding.h"

// Interim: no font is embedded yet, so text is drawn as outlines.
struct PdfFontEmbedding::Data
{
    QRawFont font;
};

PdfFontEmbedding::PdfFontEmbedding(const QRawFont &font)
    : d(new Data { font })
{ }

PdfFontEmbedding::~PdfFontEmbedding()
{
    delete d;
}

bool PdfFontEmbedding::embeddable() const
{
    return false;
}

void PdfFontEmbedding::use(quint32, QStringView) { }

QList<PdfObject> PdfFontEmbedding::objects(int) const
{
    return {};
}
