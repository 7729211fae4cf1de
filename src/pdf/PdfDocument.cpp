#include "PdfDocument.h"

#include "PdfFormat.h"

#include <QIODevice>
#include <zlib.h>

PdfDocument::PdfDocument(QIODevice &out, int compression)
    : m_out(out)
    , m_compression(compression)
    , m_offsets(1, 0)
{
    // The binary comment tells a transfer that the file is not text.
    put("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n");
    m_pageTree = reserve();
    m_resources = reserve();
}

int PdfDocument::reserve()
{
    m_offsets.push_back(0);
    return int(m_offsets.size()) - 1;
}

void PdfDocument::write(int number, const PdfObject &object)
{
    m_offsets[size_t(number)] = m_written;
    QByteArray head = QByteArray::number(number) + " 0 obj\n";
    if (!object.hasStream) {
        put(head + object.body + "\nendobj\n");
        return;
    }
    const QByteArray data = object.compress ? compressed(object.stream) : object.stream;
    head += "<<" + object.body + " /Length " + QByteArray::number(data.size());
    if (object.compress)
        head += " /Filter /FlateDecode";
    put(head + ">>\nstream\n");
    put(data);
    put("\nendstream\nendobj\n");
}

int PdfDocument::write(const PdfObject &object)
{
    const int number = reserve();
    write(number, object);
    return number;
}

void PdfDocument::addPage(const QByteArray &content, const QSizeF &points)
{
    PdfObject stream;
    stream.hasStream = true;
    stream.stream = content;
    const int contents = write(stream);
    QByteArray page = "<< /Type /Page /Parent " + QByteArray::number(m_pageTree)
        + " 0 R /Resources " + QByteArray::number(m_resources) + " 0 R /MediaBox [0 0 ";
    PdfFormat::number(page, points.width());
    PdfFormat::number(page, points.height());
    page += "] /Contents " + QByteArray::number(contents) + " 0 R >>";
    m_pages.push_back(write(PdfObject { page, {}, false, false }));
}

bool PdfDocument::finish(const QByteArray &resources, const Info &info)
{
    write(m_resources, PdfObject { resources, {}, false, false });
    QByteArray tree
        = "<< /Type /Pages /Count " + QByteArray::number(qsizetype(m_pages.size())) + " /Kids [";
    for (const int page : m_pages)
        tree += QByteArray::number(page) + " 0 R ";
    write(m_pageTree, PdfObject { tree + "] >>", {}, false, false });
    const int catalogue = write(
        PdfObject { "<< /Type /Catalog /Pages " + QByteArray::number(m_pageTree) + " 0 R >>", {},
            false, false });
    const QDateTime utc = info.created.toUTC();
    const QByteArray infoBody = "<< /Title " + PdfFormat::text(info.title) + " /Creator "
        + PdfFormat::text(info.creator) + " /Producer " + PdfFormat::text(info.producer)
        + " /CreationDate (D:" + utc.toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1()
        + "Z) >>";
    const int infoNumber = write(PdfObject { infoBody, {}, false, false });

    const qint64 table = m_written;
    QByteArray xref
        = "xref\n0 " + QByteArray::number(qsizetype(m_offsets.size())) + "\n0000000000 65535 f \n";
    for (size_t i = 1; i < m_offsets.size(); ++i)
        xref += QByteArray::number(m_offsets[i]).rightJustified(10, '0') + " 00000 n \n";
    put(xref);
    put("trailer\n<< /Size " + QByteArray::number(qsizetype(m_offsets.size())) + " /Root "
        + QByteArray::number(catalogue) + " 0 R /Info " + QByteArray::number(infoNumber)
        + " 0 R >>\nstartxref\n" + QByteArray::number(table) + "\n%%EOF\n");
    return !m_failed;
}

void PdfDocument::put(const QByteArray &bytes)
{
    put(bytes.constData(), bytes.size());
}

void PdfDocument::put(const char *bytes, qint64 size)
{
    if (m_out.write(bytes, size) != size)
        m_failed = true;
    m_written += size;
}

QByteArray PdfDocument::compressed(const QByteArray &data) const
{
    uLongf size = compressBound(uLong(data.size()));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef *>(out.data()), &size,
            reinterpret_cast<const Bytef *>(data.constData()), uLong(data.size()), m_compression)
        != Z_OK)
        return {};
    out.truncate(qsizetype(size));
    return out;
}
