#pragma once

#include "TempDatabase.h"

#include <QStringList>
#include <memory>

class DataGrid;
class MDI;
class frmCustomerEntry;
class QWidget;

// A main window on a fresh database, with the customer window opened from its menu.
class CustomerFixture
{
public:
    CustomerFixture();
    ~CustomerFixture();

    TempDatabase &db() { return *m_db; }
    MDI &main() { return *m_main; }
    frmCustomerEntry *openFromMenu();
    // Opens the window from the menu and types the name into it.
    frmCustomerEntry *openOn(const QString &name);

    // Clicks into the name box, clears it with the keyboard and types the name key by key.
    static void typeName(frmCustomerEntry *form, const QString &name);
    // Clicks into a field as a user does before typing into it.
    static void clickInto(QWidget *field);
    // Clicks into a field and types text after what it holds, as an unsaved edit.
    static void typeInto(QWidget *field, const QString &text);
    // The frame's title, which is what the user sees as the window's caption.
    static QString caption(const QWidget *form);
    // Every data row of a grid, its cells joined by '|'.
    static QStringList rows(const DataGrid &grid);
    static QStringList headers(const DataGrid &grid);
    // Clicks the middle of a cell, scrolling it into view first.
    static void clickCell(DataGrid &grid, int row, int col, bool twice = false);

    // Every row of the three tables as text, to tell that nothing changed.
    QStringList tables();
    // A statement's rows, their cells joined by '|'.
    QStringList column(const QString &sql, const QVariantList &values = {});
    // The distinct names stored in one table, sorted.
    QStringList namesIn(const char *table);

    void saveScreenshot(const QString &name);

private:
    std::unique_ptr<TempDatabase> m_db;
    std::unique_ptr<MDI> m_main;
};
