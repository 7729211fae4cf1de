#pragma once

#include <QString>
#include <QtGlobal>

// A long piece of work on a report (a file being written, pages going to the printer) done a
// slice at a time between the user's events, so that the window stays alive, the progress can
// be shown and the user can stop it.
class ReportSaveJob
{
public:
    // Long enough for a few pages or a few thousand rows, short enough that a key press is not
    // felt to wait.
    static constexpr qint64 SliceMs = 20;

    virtual ~ReportSaveJob() = default;

    // Does the next slice of the work, a few tens of milliseconds at most; false once nothing
    // is left to do or the work has failed (finish tells which).
    virtual bool step() = 0;
    // How far the work has come and how far it goes, in the units it counts (pages, rows);
    // total is 0 while it is not known yet.
    virtual qint64 done() const = 0;
    virtual qint64 total() const = 0;
    // What the progress dialog shows, for example "Page 12 of 340".
    virtual QString progressText() const = 0;
    // Ends the work once step has returned false: the file is put in place under the name
    // asked for. False when the work failed, with the system's words in 'problem' when given.
    virtual bool finish(QString *problem) = 0;
    // Stops the work before its end: nothing is left under the name asked for, and an older
    // file of that name stays as it was. A job dropped unfinished is cancelled.
    virtual void cancel() = 0;

protected:
    // The progress of a job that writes rows: "Row N of M", or "Row N" while the total is not
    // known yet.
    static QString rowProgress(qint64 row, qint64 total);
};
