#pragma once

#include "Twips.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <type_traits>

// Every window builds its controls here: each at its designed place in twips, named as the code
// addresses it. The windows are laid out for one dialog font; a caption that needs more room
// than designed all the same grows away from what it belongs to (to the left for a caption
// right-aligned before its field, else to the right), so that no caption is ever cut off.

template <typename T>
T *placeControl(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *widget = new T(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(twipsRect(left, top, width, height));
    return widget;
}

// Widens a caption that its text does not fit, growing to the left or to the right.
void fitCaption(QWidget *caption, bool growLeft);

// A button, check box or option button, named for screen readers by its caption (without the
// access-key marker). A check box or option button is fitted to its caption; a push button
// keeps its designed size, its caption centred in it.
template <typename T>
T *placeCaptioned(QWidget *parent, const char *name, const QString &caption, int left, int top,
    int width, int height)
{
    static_assert(std::is_base_of_v<QAbstractButton, T>);
    auto *widget = placeControl<T>(parent, name, left, top, width, height);
    widget->setText(caption);
    widget->setAccessibleName(QString(caption).remove(u'&'));
    if constexpr (!std::is_base_of_v<QPushButton, T>)
        fitCaption(widget, false);
    return widget;
}

// A label with its text, fitted to it. A value label, whose text comes later, is placed empty.
QLabel *placeCaption(QWidget *parent, const char *name, const QString &text, int left, int top,
    int width, int height, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

// A caption names the field it stands before, for the keyboard and for screen readers: it is
// the field's buddy and its text the field's accessible name, unless the field is given a name
// of its own (a caption that repeats in the window). A value label keeps its own text as name.
QLabel *pairCaption(QLabel *caption, QWidget *field, const QString &fieldName = QString());

// The caption of a field, right-aligned against it and centred on its line, paired with it.
QLabel *placeFieldCaption(QWidget *parent, const char *name, const QString &text, int left, int top,
    int width, int height, QWidget *field, const QString &fieldName = QString());
