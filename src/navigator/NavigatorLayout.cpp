#include "NavigatorLayout.h"

NavigatorLayout NavigatorLayout::designed()
{
    NavigatorLayout layout;
    layout.customersFrame = QRectF(120, 2400, 11175, 2775);
    layout.customersGrid = QRectF(120, 240, 10935, 2415);
    layout.equipmentFrame = QRectF(120, 5280, 11175, 1455);
    layout.equipmentGrid = QRectF(120, 240, 10935, 1095);
    layout.telemarketFrame = QRectF(120, 6840, 11175, 1455);
    layout.telemarketGrid = QRectF(120, 240, 10935, 1095);
    return layout;
}

namespace {

// Sizes are kept in single precision, as the window system stores them.
double single(double value)
{
    return double(float(value));
}

// A lower frame and its grid below the frame above, 100 apart.
void stackBelow(const QRectF &above, QRectF &frame, QRectF &grid, double height)
{
    frame.moveTop(above.top() + above.height() + 100);
    frame.setHeight(height);
    if (height - 600 > 0)
        grid.setHeight(height - 300);
}

} // namespace

NavigatorLayout resizedLayout(
    const NavigatorLayout &current, double outerWidth, double outerHeight, double criteriaHeight)
{
    NavigatorLayout next = current;
    if (outerWidth - 300 > 0) {
        const double width = outerWidth - 300;
        next.customersFrame.setWidth(width);
        next.equipmentFrame.setWidth(width);
        next.telemarketFrame.setWidth(width);
        if (next.customersFrame.width() - 200 > 0) {
            next.customersGrid.setWidth(width - 200);
            next.equipmentGrid.setWidth(width - 200);
            next.telemarketGrid.setWidth(width - 200);
        }
    }

    if (!(outerHeight - criteriaHeight - 1050 > 0))
        return next;
    const double customersHeight = single((outerHeight - criteriaHeight - 1050) * 0.4);
    next.customersFrame.setHeight(customersHeight);
    if (customersHeight - 700 > 0)
        next.customersGrid.setHeight(customersHeight - 300);
    // The two lower frames share what is left with 650, not 1050, taken off.
    const double lowerHeight = single((outerHeight - criteriaHeight - 650) * 0.3);
    stackBelow(next.customersFrame, next.equipmentFrame, next.equipmentGrid, lowerHeight);
    stackBelow(next.equipmentFrame, next.telemarketFrame, next.telemarketGrid, lowerHeight);
    return next;
}
