#include "FormParts.h"

#include "MDI.h"
#include "MainMod.h"

namespace FormParts {

QLabel *caption(QWidget *parent, const char *name, const char *text, int left, int top, int width,
    QWidget *field, const QString &fieldName)
{
    auto *label = placeControl<QLabel>(parent, name, left, top, width, 255);
    label->setText(QLatin1String(text));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The designed width fits the designed font; a longer caption grows to the left, away
    // from its field, so that it is never cut off.
    const int needed = label->sizeHint().width();
    if (needed > label->width()) {
        QRect r = label->geometry();
        r.setLeft(std::max(0, r.right() + 1 - needed));
        label->setGeometry(r);
    }
    label->setBuddy(field);
    field->setAccessibleName(fieldName.isEmpty() ? label->text() : fieldName);
    return label;
}

} // namespace FormParts
