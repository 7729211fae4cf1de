#include "FormParts.h"

#include "ControlPlacement.h"

namespace FormParts {

QLabel *caption(QWidget *parent, const char *name, const char *text, int left, int top, int width,
    QWidget *field, const QString &fieldName)
{
    auto *label = placeControl<QLabel>(parent, name, left, top, width, 255);
    label->setText(QLatin1String(text));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fitCaption(label, true);
    pairCaption(label, field, fieldName);
    return label;
}

} // namespace FormParts
