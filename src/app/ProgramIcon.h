#pragma once

#include <QIcon>

// The program's own icon: the main window's, every window's by default, and the About box's
// picture. Drawn at 32 pixels for small uses and at 256 for the desktop's larger ones.
QIcon programIcon();
