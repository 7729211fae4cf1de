#pragma once

#include "GridText.h"
#include "WindowTestBase.h"

#include <QStringList>
#include <QVariantList>

class frmCustomerEntry;
class QWidget;

// A main window on a fresh database, with the customer window opened from its menu.
class CustomerFixture : public WindowTestBase
{
public:
    CustomerFixture();

    frmCustomerEntry *openFromMenu();
    // Opens the window from the menu and types the name into it.
    frmCustomerEntry *openOn(const QString &name);

    // Clicks into the name box, clears it with the keyboard and types the name key by key.
    static void typeName(frmCustomerEntry *form, const QString &name);
    // Clicks into a field as a user does before typing into it.
    static void clickInto(QWidget *field);
    // Clicks into a field and types text after what it holds, as an unsaved edit.
    static void typeInto(QWidget *field, const QString &text);

    // A statement's rows, their cells joined by '|'.
    QStringList column(const QString &sql, const QVariantList &values = {});
    // The distinct names stored in one table, sorted.
    QStringList namesIn(const char *table);
};
