#pragma once

#include "PdfObject.h"

#include <QDateTime>
#include <QList>
#include <QSizeF>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class PdfCompressor;
class QIODevice;

// A PDF file written front to back onto a device as its objects come: each object is written
// once, when it is whole, and only its offset is kept for the cross-reference table at the end.
// A page's content goes out as the page ends, so a file of thousands of pages never holds more
// than one page in memory. The pages share one resource dictionary, written at the end with the
// fonts, once every glyph the pages used is known.
class PdfDocument
{
public:
    struct Info
    {
        QString title;
        QString creator;
        QString producer;
        QDateTime created;
    };

    // compression is zlib's level for the content streams, 1 (fastest) to 9 (smallest).
    PdfDocument(QIODevice &out, int compression);
    ~PdfDocument();

    // A number for an object to be written later (one that refers to objects not written yet).
    int reserve();
    // Writes an object under a reserved number.
    void write(int number, const PdfObject &object);
    // Writes an object under a number of its own, returned.
    int write(const PdfObject &object);

    // Writes one page of the given size in points, its content compressed. The compression
    // goes on while the caller paints the next page; the page is written with the next one,
    // or at the end.
    void addPage(const QByteArray &content, const QSizeF &points);
    // Writes the shared resources, the page tree, the catalogue, the information dictionary
    // and the cross-reference table; false when the device refused any of what was written.
    bool finish(const QByteArray &resources, const Info &info);
    int pageCount() const { return int(m_pages.size()); }
    // The number of the shared resources, for forms that use them too.
    int resources() const { return m_resources; }

private:
    void put(const QByteArray &bytes);
    void put(const char *bytes, qint64 size);
    void writeStream(int number, const QByteArray &body, const QByteArray &data, bool compress);
    // Writes the page whose content is being compressed, if there is one.
    void writePendingPage();

    QIODevice &m_out;
    std::unique_ptr<PdfCompressor> m_compressor;
    struct PendingPage
    {
        int contents = 0;
        int page = 0;
        QSizeF points;
        QByteArray content; // written as it is if zlib refuses it
    };
    std::optional<PendingPage> m_pending;
    qint64 m_written = 0;
    bool m_failed = false;
    std::vector<qint64> m_offsets; // by object number; 0 until written
    std::vector<int> m_pages;
    int m_pageTree;
    int m_resources;
};
