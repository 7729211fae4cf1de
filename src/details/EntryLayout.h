#pragma once

#include "Twips.h"

#include <QLabel>

// The entry windows stand in two columns: each field's caption to its left, right-aligned
// against the field. Positions in twips.
namespace EntryLayout {

constexpr int CaptionLeft = 120;
constexpr int CaptionWidth = 1575;
constexpr int FieldLeft = 1800;
constexpr int WideField = 3495;
constexpr int ShortField = 1695;
constexpr int TextHeight = 285;
constexpr int ListHeight = 315;
constexpr int ButtonWidth = 1215;
constexpr int ButtonHeight = 375;

template <typename T>
T *place(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *widget = new T(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(twipsRect(left, top, width, height));
    return widget;
}

// A field in the field column.
template <typename T> T *field(QWidget *parent, const char *name, int top, int width, int height)
{
    return place<T>(parent, name, FieldLeft, top, width, height);
}

// The caption of a field, in the caption column level with the field. It is the field's buddy,
// and a screen reader names the field by it; a value label keeps its own text as its name.
QLabel *caption(QWidget *parent, const char *name, const char *text, QWidget *field);

} // namespace EntryLayout
