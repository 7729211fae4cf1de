#include "DialogStyle.h"

#include <QPainter>
#include <QStyleOptionGroupBox>
#include <qdrawutil.h>

namespace {

// The caption's distance from the frame's left edge, and the gap kept clear of the border on
// either side of its text: with these the text starts 8 pixels in, where the designed labels
// of the first column start.
constexpr int CaptionIndent = 6;
constexpr int CaptionGap = 2;
// The border's etched line, dark and light, is two pixels wide.
constexpr int BorderWidth = 2;

const QStyleOptionGroupBox *plainFrame(
    QStyle::ComplexControl control, const QStyleOptionComplex *option)
{
    if (control != QStyle::CC_GroupBox)
        return nullptr;
    const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    return box && !(box->subControls & QStyle::SC_GroupBoxCheckBox) ? box : nullptr;
}

int captionHeight(const QStyleOptionGroupBox &box)
{
    return box.text.isEmpty() ? 0 : box.fontMetrics.height();
}

} // namespace

DialogStyle::DialogStyle() = default;

QRect DialogStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
    SubControl part, const QWidget *widget) const
{
    const QStyleOptionGroupBox *box = plainFrame(control, option);
    if (!box)
        return QProxyStyle::subControlRect(control, option, part, widget);
    const QRect all = box->rect;
    const int height = captionHeight(*box);
    switch (part) {
    case SC_GroupBoxFrame:
        return all.adjusted(0, height / 2, 0, 0);
    case SC_GroupBoxLabel: {
        if (box->text.isEmpty())
            return {};
        const int textWidth = box->fontMetrics.horizontalAdvance(box->text, Qt::TextShowMnemonic);
        const int width = std::min(textWidth + 2 * CaptionGap, all.width() - 2 * CaptionIndent);
        return QRect(all.left() + CaptionIndent, all.top(), std::max(width, 0), height);
    }
    case SC_GroupBoxContents:
        return all.adjusted(BorderWidth, std::max(height, BorderWidth), -BorderWidth, -BorderWidth);
    default:
        return {};
    }
}

void DialogStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
    QPainter *painter, const QWidget *widget) const
{
    const QStyleOptionGroupBox *box = plainFrame(control, option);
    if (!box) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect caption = subControlRect(control, option, SC_GroupBoxLabel, widget);
    if (box->subControls & SC_GroupBoxFrame) {
        const QRect frame = subControlRect(control, option, SC_GroupBoxFrame, widget);
        painter->save();
        // The border stops short of the caption on either side.
        painter->setClipRegion(QRegion(box->rect).subtracted(caption));
        if (box->features & QStyleOptionFrame::Flat)
            qDrawShadeLine(painter, frame.topLeft(), frame.topRight(), box->palette, true, 1, 0);
        else
            qDrawShadeRect(painter, frame, box->palette, true, 1, 0);
        painter->restore();
    }
    if ((box->subControls & SC_GroupBoxLabel) && !box->text.isEmpty()) {
        int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
        if (!styleHint(SH_UnderlineShortcut, option, widget))
            flags |= Qt::TextHideMnemonic;
        drawItemText(painter, caption.adjusted(CaptionGap, 0, 0, 0), flags, box->palette,
            box->state & State_Enabled, box->text, QPalette::WindowText);
    }
}

int DialogStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
    QStyleHintReturn *returnData) const
{
    // The menus have no access keys, so the keyboard reaches them through the bar alone.
    if (hint == SH_MenuBar_AltKeyNavigation)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
