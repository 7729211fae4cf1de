#include "PdfPath.h"

#include "PdfFormat.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

namespace PdfPath {

namespace {

void point(QByteArray &out, double x, double y)
{
    PdfFormat::number(out, x);
    PdfFormat::number(out, y);
}

} // namespace

void write(QByteArray &out, const QPainterPath &path)
{
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element &e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            point(out, e.x, e.y);
            out += "m ";
            break;
        case QPainterPath::LineToElement:
            point(out, e.x, e.y);
            out += "l ";
            break;
        case QPainterPath::CurveToElement: {
            const QPainterPath::Element &c2 = path.elementAt(i + 1);
            const QPainterPath::Element &end = path.elementAt(i + 2);
            point(out, e.x, e.y);
            point(out, c2.x, c2.y);
            point(out, end.x, end.y);
            out += "c ";
            i += 2;
            break;
        }
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
}

void write(QByteArray &out, const QPolygonF &polygon, bool close)
{
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        point(out, polygon[i].x(), polygon[i].y());
        out += i == 0 ? "m " : "l ";
    }
    if (close && !polygon.isEmpty())
        out += "h ";
}

void write(QByteArray &out, const QRectF &rect, const QTransform &transform)
{
    if (transform.type() > QTransform::TxScale) {
        write(out, transform.map(QPolygonF(rect)), true);
        return;
    }
    const QRectF r = transform.mapRect(rect);
    point(out, r.x(), r.y());
    point(out, r.width(), r.height());
    out += "re ";
}

} // namespace PdfPath
