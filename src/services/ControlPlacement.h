#pragma once

#include "Twips.h"

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
