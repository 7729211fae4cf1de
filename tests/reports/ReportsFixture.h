#pragma once

#include "WindowTestBase.h"

#include <QString>
#include <QStringList>

class Viewer;
class frmNavigator;
class frmNavReport;

// The main window over a small customer base, the navigator open in it, and ways to read back
// what the report viewer shows.
class ReportsFixture : public WindowTestBase
{
public:
    ReportsFixture();

    frmNavigator *navigator() const;
    frmNavReport *dialog() const;
    Viewer *viewer() const;
    int subWindows() const;

    // The navigator's search with the first search word, "" for none.
    void search(const QString &word = QString());
    // Print in the navigator, then Print in its dialog with the check boxes as given.
    void printReport(bool suppressEquipment = false, bool suppressTelemarket = false);

    // The viewer's report written as PDF and read back, one text per page.
    QStringList pageTexts(const QString &pdfPath = QString()) const;
    // The report as one text, pages joined.
    QString reportText() const;
};
