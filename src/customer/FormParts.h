#pragma once

#include "ControlPlacement.h"
#include "FormFrame.h"

#include <QLabel>
#include <QString>

class QWidget;

// Small pieces the customer windows are put together from.
namespace FormParts {

// A caption standing right-aligned before its field; it names the field for the keyboard and
// for screen readers, unless the field is given a name of its own (repeated captions).
QLabel *caption(QWidget *parent, const char *name, const char *text, int left, int top, int width,
    QWidget *field, const QString &fieldName = QString());

} // namespace FormParts
