#pragma once

#include "TempDatabase.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <memory>

class MDI;
class QWidget;

// What every window test starts from: the locale the tests are written for, a fresh database
// installed as the run's, and the main window shown on it; and what every window test reads
// back: captions, and screenshots for a reviewer. The window families' fixtures build on it
// and add the ways their own windows are driven. Setting up is apart from construction, so
// that a test class can start afresh in each init().
class WindowTestBase
{
public:
    WindowTestBase();
    virtual ~WindowTestBase();
    WindowTestBase(const WindowTestBase &) = delete;
    WindowTestBase &operator=(const WindowTestBase &) = delete;

    // Makes the database and shows the main window on it (at size, when one is given); false
    // when the main window did not become the active one, which focus tests rely on.
    bool setUp(const QSize &size = QSize());
    // The main window goes first: tearing down is no closing, no window's closing logic runs.
    void tearDown();

    TempDatabase &db() const { return *m_db; }

    // A statement's rows, their cells as the windows show them joined by '|'.
    QStringList rowsOf(const QString &sql, const QVariantList &values = {}) const;
    // Every row of the three tables as text, to tell that nothing changed.
    QStringList tables() const;
    MDI &main() const { return *m_main; }

    // The frame's title, which is what the user sees as a child window's caption.
    static QString caption(const QWidget *form);
    // Where a screenshot of that name goes: the build folder's screenshots, made if need be.
    static QString screenshotPath(const QString &name);
    // Saves what a widget shows, for a reviewer to compare with the designed layout.
    static bool saveScreenshot(QWidget *widget, const QString &name);
    // The whole main window with its children.
    bool saveScreenshot(const QString &name);

private:
    std::unique_ptr<TempDatabase> m_db;
    std::unique_ptr<MDI> m_main;
};
