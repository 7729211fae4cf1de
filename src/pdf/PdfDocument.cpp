#include "PdfDocument.h"

#include "PdfCompressor.h"
#include "PdfFormat.h"

#include <QIODevice>

PdfDocument::PdfDocument(QIODevice &out, int compression)
    : m_out(out)
    , m_compressor(std::make_unique<PdfCompressor>(compression))
    , m_offsets(1, 0)
{
    // The binary comment tells a transfer that the file is not text.
    put("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n");
    m_pageTree = reserve();
    m_resources = reserve();
}

PdfDocument::~PdfDocument() = default;

int PdfDocument::reserve()
{
    m_offsets.push_back(0);
    return int(m_offsets.size()) - 1;
}

void PdfDocument::write(int number, const PdfObject &object)
{
    if (!object.hasStream) {
        m_offsets[size_t(number)] = m_written;
        put(QByteArray::number(number) + " 0 obj\n" + object.body + "\nendobj\n");
        return;
    }
    const QByteArray data
        = object.compress ? m_compressor->compressed(object.stream) : QByteArray();
    if (data.isEmpty())
        writeStream(number, object.body, object.stream, false);
    else
        writeStream(number, object.body, data, true);
}

void PdfDocument::writeStream(
    int number, const QByteArray &body, const QByteArray &data, bool compressed)
{
    m_offsets[size_t(number)] = m_written;
    QByteArray head = QByteArray::number(number) + " 0 obj\n<<" + body + " /Length "
        + QByteArray::number(data.size());
    if (compressed)
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
    writePendingPage();
    m_compressor->start(content);
    // The page's number is known now, and its place in the page tree; its content's number
    // is kept until the content is written.
    m_pending = PendingPage { reserve(), reserve(), points, content };
    m_pages.push_back(m_pending->page);
}

void PdfDocument::writePendingPage()
{
    if (!m_pending)
        return;
    const PendingPage page = *m_pending;
    m_pending.reset();
    const QByteArray data = m_compressor->take();
    if (data.isEmpty() && !page.content.isEmpty())
        writeStream(page.contents, {}, page.content, false);
    else
        writeStream(page.contents, {}, data, true);
    QByteArray body = "<< /Type /Page /Parent " + QByteArray::number(m_pageTree)
        + " 0 R /Resources " + QByteArray::number(m_resources) + " 0 R /MediaBox [0 0 ";
    PdfFormat::number(body, page.points.width());
    PdfFormat::number(body, page.points.height());
    body += "] /Contents " + QByteArray::number(page.contents) + " 0 R >>";
    write(page.page, PdfObject { body, {}, false, false });
}

bool PdfDocument::finish(const QByteArray &resources, const Info &info)
{
    writePendingPage();
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
