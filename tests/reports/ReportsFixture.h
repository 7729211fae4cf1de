#pragma once

#include "WindowTestBase.h"

#include <QList>
#include <QRectF>
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
    // A customer with a machine and a call, every text column as long as the database lets it
    // be (e-mail addresses, the serial number and the website without a space to break at),
    // the one column given holding the value given.
    void addLongCustomer(
        const QString &name, const QString &column = QString(), const QString &value = QString());
    // Text cut or repeated to exactly width characters.
    static QString fit(const QString &text, int width);
    // A long free text of numbered words, each found once.
    static QString numberedWords(const QString &stem, int words);
    // Print in the navigator, then Print in its dialog with the check boxes as given.
    void printReport(bool suppressEquipment = false, bool suppressTelemarket = false);
    // Lets the viewer's printing or saving under way run to its end; false if it never ends.
    bool finishJob() const;

    // The viewer's report written as PDF and read back, one text per page.
    QStringList pageTexts(const QString &pdfPath = QString()) const;
    // The report as one text, pages joined.
    QString reportText() const;
    // The report's text in the order it was drawn, pages joined: the lines a value wraps onto
    // follow one another.
    QString drawnText() const;
    // Every word of every page with its box, in points from the page's top left corner.
    struct Word
    {
        QRectF box;
        QString text;
    };
    QList<QList<Word>> pageWords(const QString &pdfPath = QString()) const;

private:
    // The viewer's report written as PDF and read back by pdftotext with the options given.
    QString pdfText(const QStringList &options, const QString &pdfPath = QString()) const;
};
