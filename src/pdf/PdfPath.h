#pragma once

#include <QByteArray>

class QPainterPath;
class QPolygonF;
class QRectF;
class QTransform;

// Shapes written as the path operators of a page's content, in the page's own coordinates;
// the caller adds the operator that strokes, fills or clips them.
namespace PdfPath {

void write(QByteArray &out, const QPainterPath &path);
void write(QByteArray &out, const QPolygonF &polygon, bool close);
// A rectangle as "re" where the transform keeps it upright, else as its four corners.
void write(QByteArray &out, const QRectF &rect, const QTransform &transform);

} // namespace PdfPath
