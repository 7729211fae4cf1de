#pragma once

#include <QString>

class QLabel;
class QWidget;

// The windows are laid out for one dialog font. A caption that needs more room than designed
// grows away from the field it belongs to (to the left for a caption before its field), so
// that no caption is ever cut off.
void fitCaption(QWidget *caption, bool growLeft);

// A caption names the field it stands before, for the keyboard and for screen readers: it is
// the field's buddy and its text the field's accessible name, unless the field is given a name
// of its own (a caption that repeats in the window). A value label keeps its own text as name.
void pairCaption(QLabel *caption, QWidget *field, const QString &fieldName = QString());
