#pragma once

#include "PdfDocument.h"

#include <QPageLayout>
#include <QPaintDevice>
#include <memory>

class PdfPaintEngine;

// A PDF file to paint pages on, written onto a device as the pages are painted. Its pixels are
// dots of the given resolution on the page layout's paper, the painter's origin at the
// paper's top left corner.
class PdfPaintDevice : public QPaintDevice
{
public:
    PdfPaintDevice(QIODevice &out, const QPageLayout &layout, int dotsPerInch);
    ~PdfPaintDevice() override;

    // The document's title, and the program that made it.
    void setInfo(const QString &title, const QString &creator);
    // Ends the page painted so far and starts another one.
    void newPage();
    // A part of the page painted later (see PdfPaintEngine::placePart).
    int placePart();
    void beginPart(int part);
    void endPart();
    // The file is not wanted after all: ending the painting writes nothing more.
    void abandon();

    QPaintEngine *paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    std::unique_ptr<PdfPaintEngine> m_engine;
    QSizeF m_points;
    int m_dpi;
};
