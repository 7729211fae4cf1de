#pragma once

#include <QRectF>

// Where the navigator's result frames and grids stand, in twips. The criteria frame never moves;
// each grid's position is relative to its frame.
struct NavigatorLayout
{
    QRectF customersFrame;
    QRectF customersGrid;
    QRectF equipmentFrame;
    QRectF equipmentGrid;
    QRectF telemarketFrame;
    QRectF telemarketGrid;

    // The layout as the window is designed, before its first resize.
    static NavigatorLayout designed();
};

// The layout after a resize to the window's outer width and height (twips), given the criteria
// frame's height. Each guard that fails keeps the values it would have changed as they were.
NavigatorLayout resizedLayout(
    const NavigatorLayout &current, double outerWidth, double outerHeight, double criteriaHeight);
