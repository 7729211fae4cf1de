#pragma once

#include <QWidget>

// A window that lives inside the main window. Its load step runs once when the registry
// creates it; its closing logic may refuse to close (an entry window with unsaved changes).
class ChildForm : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Runs after the frame exists and before the window shows.
    virtual void load() {}
    // Return false to stay open (the close was refused).
    virtual bool queryUnload() { return true; }
    // Runs once when the window has agreed to close.
    virtual void unload() {}

signals:
    // The window agreed to close and its closing logic has run.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;
};
