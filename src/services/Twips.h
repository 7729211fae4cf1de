#pragma once

#include <QRect>
#include <cmath>

// Positions and sizes of the windows are designed in twips, 15 to a pixel.
constexpr int TwipsPerPixel = 15;

inline int twipsToPixels(double twips)
{
    return int(std::lround(twips / TwipsPerPixel));
}
inline double pixelsToTwips(int pixels)
{
    return double(pixels) * TwipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(
        twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

// A rectangle kept in twips, as a window that computes its own layout keeps it.
inline QRect twipsRect(const QRectF &twips)
{
    return QRect(twipsToPixels(twips.left()), twipsToPixels(twips.top()),
        twipsToPixels(twips.width()), twipsToPixels(twips.height()));
}
