#pragma once

#include "Twips.h"

#include <QString>
#include <QWidget>

// Makes a control of a window at its designed place in twips, named as the code addresses it.
template <typename T>
T *placeControl(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *widget = new T(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(twipsRect(left, top, width, height));
    return widget;
}

// A button, check box or option button at its designed place, named for screen readers by its
// caption (without the access-key marker).
template <typename T>
T *placeCaptioned(QWidget *parent, const char *name, const QString &caption, int left, int top,
    int width, int height)
{
    auto *widget = placeControl<T>(parent, name, left, top, width, height);
    widget->setText(caption);
    widget->setAccessibleName(QString(caption).remove(u'&'));
    return widget;
}
