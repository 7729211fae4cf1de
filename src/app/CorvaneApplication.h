#pragma once

#include <QApplication>

// The program's application object. Handlers connected through guarded() meet engine errors
// themselves; this catches the ones raised in virtual event handlers (a window's closing logic,
// for one), so that such an error too ends only the user's action and not the program.
class CorvaneApplication : public QApplication
{
    Q_OBJECT
public:
    CorvaneApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};
