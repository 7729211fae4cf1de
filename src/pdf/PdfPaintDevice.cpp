#include "PdfPaintDevice.h"

#include "PdfPaintEngine.h"

#include <climits>
#include <cmath>

PdfPaintDevice::PdfPaintDevice(QIODevice &out, const QPageLayout &layout, int dotsPerInch)
    : m_points(layout.fullRectPoints().size())
    , m_dpi(dotsPerInch)
{
    m_engine = std::make_unique<PdfPaintEngine>(out, m_points, dotsPerInch);
}

PdfPaintDevice::~PdfPaintDevice() = default;

void PdfPaintDevice::setInfo(const QString &title, const QString &creator)
{
    m_engine->setInfo({ title, creator, creator, QDateTime::currentDateTimeUtc() });
}

void PdfPaintDevice::newPage()
{
    m_engine->newPage();
}

int PdfPaintDevice::placePart()
{
    return m_engine->placePart();
}

void PdfPaintDevice::beginPart(int part)
{
    m_engine->beginPart(part);
}

void PdfPaintDevice::endPart()
{
    m_engine->endPart();
}

void PdfPaintDevice::abandon()
{
    m_engine->abandon();
}

QPaintEngine *PdfPaintDevice::paintEngine() const
{
    return m_engine.get();
}

int PdfPaintDevice::metric(PaintDeviceMetric metric) const
{
    const double dots = m_dpi / 72.0;
    switch (metric) {
    case PdmWidth:
        return int(std::lround(m_points.width() * dots));
    case PdmHeight:
        return int(std::lround(m_points.height() * dots));
    case PdmWidthMM:
        return int(std::lround(m_points.width() * 25.4 / 72));
    case PdmHeightMM:
        return int(std::lround(m_points.height() * 25.4 / 72));
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return m_dpi;
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    default:
        return QPaintDevice::metric(metric);
    }
}
