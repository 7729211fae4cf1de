#include "EntryLayout.h"

#include "ControlPlacement.h"

#include <algorithm>

namespace EntryLayout {

QLabel *caption(QWidget *parent, const char *name, const char *text, QWidget *field)
{
    const QRect at = field->geometry();
    auto *label = new QLabel(QLatin1String(text), parent);
    label->setObjectName(QLatin1String(name));
    // Level with the first line of a tall field.
    const int height = std::min(at.height(), twipsToPixels(ListHeight));
    label->setGeometry(twipsToPixels(CaptionLeft), at.top(), twipsToPixels(CaptionWidth), height);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pairCaption(label, field);
    return label;
}

} // namespace EntryLayout
