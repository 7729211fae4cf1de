#pragma once

#include <QProxyStyle>

// The windows' frames drawn as in the dialogs they were designed for: the caption stands
// inside the frame's border near its left end, the top border runs through the caption's
// middle, and the frame's contents begin below the caption. Positions designed in twips put
// the first row of controls just below the caption, clear of the border. Checkable frames
// keep the look of the underlying style. Alt pressed alone moves to the menu bar, whatever the
// underlying style would do.
class DialogStyle : public QProxyStyle
{
public:
    DialogStyle();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
        const QWidget *widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
        QPainter *painter, const QWidget *widget) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
        const QWidget *widget = nullptr, QStyleHintReturn *returnData = nullptr) const override;
};
