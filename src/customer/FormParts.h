#pragma once

#include "ControlPlacement.h"

#include <QLabel>
#include <QString>

class MDI;
class QWidget;

// Small pieces the customer windows are put together from.
namespace FormParts {

// A caption standing right-aligned before its field; it names the field for the keyboard and
// for screen readers, unless the field is given a name of its own (repeated captions).
QLabel *caption(QWidget *parent, const char *name, const char *text, int left, int top, int width,
    QWidget *field, const QString &fieldName = QString());

// The main window that holds this window, where another window of the program is opened.
MDI *host(QWidget *form);

// A fixed border: the frame keeps the window's designed size and cannot be resized or
// maximised; the minimise button only where asked for. Placed at the main window's top left
// corner when `topLeft` is set.
void fixFrame(QWidget *form, bool minimizeButton, bool topLeft);

// Text boxes that select their whole text when they receive the focus.
void selectAllOnFocus(const QList<QWidget *> &boxes);

} // namespace FormParts
