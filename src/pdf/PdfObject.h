#pragma once

#include <QByteArray>

// One numbered object of a PDF file, as a piece that makes objects (a font, a page) hands it to
// the file's writer. Without a stream, body is the whole object ("<< /Type /Font ... >>", an
// array, a number). With a stream, body holds the entries of the stream's dictionary without
// its brackets and without /Length or /Filter, which the writer adds as it writes the stream,
// compressed unless compress is false. Other objects are referred to as "N 0 R".
struct PdfObject
{
    QByteArray body;
    QByteArray stream;
    bool hasStream = false;
    bool compress = true;
};
