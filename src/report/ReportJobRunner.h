#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

class QProgressDialog;
class QWidget;
class ReportSaveJob;

// Runs one piece of report work at a time between the user's events: a slice whenever the
// window thread has nothing else to do, its progress in a dialog with Cancel. The dialog is
// not modal, so the rest of the program stays usable meanwhile; it shows only once the work
// has taken long enough to be noticed.
class ReportJobRunner : public QObject
{
    Q_OBJECT
public:
    enum class Outcome { Done, Failed, Cancelled };
    Q_ENUM(Outcome)

    // The progress dialog belongs to the window of owner, which must outlive the runner.
    explicit ReportJobRunner(QWidget *owner);
    // Work still running is cancelled, its dialog closed; nothing is signalled.
    ~ReportJobRunner() override;

    bool running() const { return m_job != nullptr; }
    const ReportSaveJob *job() const { return m_job.get(); }
    // Starts the work; the dialog's caption says what it is.
    void start(std::unique_ptr<ReportSaveJob> job, const QString &caption);
    void cancel();
    // The dialog of the work running, created hidden; null when there is none.
    QProgressDialog *progress() const { return m_progress; }

    // The whole work at once, for a caller with nothing to show meanwhile; as finish.
    static bool runToEnd(ReportSaveJob &job, QString *problem = nullptr);

signals:
    // A slice has been done and more is left.
    void progressed();
    // The work has ended, how; the system's words when it failed.
    void ended(ReportJobRunner::Outcome outcome, const QString &problem);

private:
    void slice();
    void end(Outcome outcome, const QString &problem = QString());
    void showProgress();

    QWidget *m_owner;
    QTimer m_slices;
    std::unique_ptr<ReportSaveJob> m_job;
    QProgressDialog *m_progress = nullptr;
};
