#pragma once

#include "WindowRegistry.h"

#include <QMainWindow>
#include <functional>

class QMdiArea;

// The program's one top-level window: it hosts every other window and opens the entry points.
class MDI : public QMainWindow
{
    Q_OBJECT
public:
    explicit MDI(QWidget *parent = nullptr);

    WindowRegistry &registry() { return m_registry; }
    QMdiArea *area() const { return m_area; }

    // What Exit does to end the program: QCoreApplication::exit(0) unless a test replaced it.
    using ExitHandler = std::function<void()>;
    static void setExitHandler(ExitHandler handler);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();

    void Exit_Click();
    void CustomerEntry_Click();
    void CustomerNavigator_Click();
    void About_Click();

    QMdiArea *m_area;
    WindowRegistry m_registry;
};
