#include "Captions.h"

#include <QLabel>
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

void pairCaption(QLabel *caption, QWidget *field, const QString &fieldName)
{
    caption->setBuddy(field);
    if (!fieldName.isEmpty())
        field->setAccessibleName(fieldName);
    else if (!qobject_cast<QLabel *>(field))
        field->setAccessibleName(caption->text());
}
