#include "ControlPlacement.h"

#include <algorithm>

void fitCaption(QWidget *caption, bool growLeft)
{
    const int needed = caption->sizeHint().width();
    QRect r = caption->geometry();
    if (needed <= r.width())
        return;
    if (growLeft)
        r.setLeft(std::max(0, r.right() + 1 - needed));
    else
        r.setWidth(needed);
    caption->setGeometry(r);
}

QLabel *placeCaption(QWidget *parent, const char *name, const QString &text, int left, int top,
    int width, int height, Qt::Alignment alignment)
{
    auto *label = placeControl<QLabel>(parent, name, left, top, width, height);
    label->setText(text);
    label->setAlignment(alignment);
    fitCaption(label, alignment.testFlag(Qt::AlignRight));
    return label;
}

QLabel *pairCaption(QLabel *caption, QWidget *field, const QString &fieldName)
{
    caption->setBuddy(field);
    if (!fieldName.isEmpty())
        field->setAccessibleName(fieldName);
    else if (!qobject_cast<QLabel *>(field))
        field->setAccessibleName(caption->text());
    return caption;
}

QLabel *placeFieldCaption(QWidget *parent, const char *name, const QString &text, int left, int top,
    int width, int height, QWidget *field, const QString &fieldName)
{
    return pairCaption(placeCaption(parent, name, text, left, top, width, height,
                           Qt::AlignRight | Qt::AlignVCenter),
        field, fieldName);
}
