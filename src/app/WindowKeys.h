#pragma once

#include <QObject>

class QMainWindow;
class QMdiArea;

// The keys the main window gives its child windows, wherever the focus is in them. Ctrl+Tab
// brings the child behind the front one forward and sends the front one to the back;
// Ctrl+Shift+Tab brings the one at the back forward. A tap at a time so reaches every child,
// and either key undoes the other. F10 moves to the menu bar, as Alt pressed alone does.
class WindowKeys : public QObject
{
    Q_OBJECT
public:
    WindowKeys(QMainWindow *main, QMdiArea *area);

    void nextChild();
    void previousChild();
    void enterMenuBar();

private:
    QMainWindow *m_main;
    QMdiArea *m_area;
};
