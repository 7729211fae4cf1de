#pragma once

#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QPushButton;

// A window that lives inside the main window. Its load step runs once when the registry
// creates it; its closing logic may refuse to close (an entry window with unsaved changes).
// Every window answers Enter and Escape as a dialog does: Enter presses the button that has
// the focus, or else the window's default button; Escape presses its cancel button.
class ChildForm : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Runs after the frame exists and before the window shows.
    virtual void load() { }
    // Return false to stay open (the close was refused).
    virtual bool queryUnload() { return true; }
    // Runs once when the window has agreed to close.
    virtual void unload() { }

    // The button Enter presses where the focus is not on a button (drawn as the default), and
    // the one Escape presses. A window without them leaves those keys to its controls.
    void setDefaultButton(QPushButton *button);
    void setCancelButton(QPushButton *button);

signals:
    // The window agreed to close and its closing logic has run.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;
    // Sees the keys that no control of the window took for itself.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QAbstractButton *focusedButton() const;

    QPointer<QPushButton> m_defaultButton;
    QPointer<QPushButton> m_cancelButton;
};
