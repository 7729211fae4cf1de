#pragma once

#include <QList>

class QLineEdit;
class QMdiSubWindow;
class QWidget;

// What the program's windows share about their frame and their text boxes.

// A fixed border: the frame keeps the window's designed size and cannot be resized or
// maximised; a title, the system menu and a close box, and a minimise button where asked.
// Where the window then stands is its own choice. Does nothing before the window has a frame.
void fixFrame(QWidget *form, bool minimizeButton = false);

// Puts the window's frame at the top left corner of the main window's client area.
void placeAtTopLeft(QWidget *form);

// Moves the frame wholly into the main window's client area, and makes it smaller only where it
// would not fit there. Does nothing while the main window is not shown.
void keepInside(QMdiSubWindow *frame);

// Makes the window the active one, in front of the others, restored if it was minimised.
void bringToFront(QWidget *form);

// The frame's Close command answers Ctrl+F4, the usual key for closing a child window, on every
// platform, besides the platform's own close keys.
void addCloseKey(QMdiSubWindow *frame);

// Text boxes that select their whole text when they receive the focus, after the click that
// gave the focus has placed its cursor.
void selectAllOnFocus(const QList<QLineEdit *> &boxes);
