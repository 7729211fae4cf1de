#include "ReportJobRunner.h"

#include "ReportSaveJob.h"

#include <QProgressDialog>

namespace {
// Work shorter than this ends before its dialog would show.
constexpr int ShowAfterMs = 500;
} // namespace

ReportJobRunner::ReportJobRunner(QWidget *owner)
    : m_owner(owner)
{
    // A zero-interval timer fires only when the event queue is empty: between the user's events.
    m_slices.setInterval(0);
    connect(&m_slices, &QTimer::timeout, this, &ReportJobRunner::slice);
}

ReportJobRunner::~ReportJobRunner()
{
    m_slices.stop();
    delete m_progress;
    m_job.reset();
}

void ReportJobRunner::start(std::unique_ptr<ReportSaveJob> job, const QString &caption)
{
    if (m_job)
        return;
    m_job = std::move(job);
    m_progress = new QProgressDialog(m_owner);
    m_progress->setWindowModality(Qt::NonModal);
    m_progress->setWindowTitle(caption);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setMinimumDuration(ShowAfterMs);
    // The Cancel button, Escape and the close box all stop the work.
    connect(m_progress, &QProgressDialog::canceled, this, &ReportJobRunner::cancel);
    connect(m_progress, &QDialog::rejected, this, &ReportJobRunner::cancel);
    showProgress();
    m_slices.start();
}

void ReportJobRunner::cancel()
{
    if (m_job)
        end(Outcome::Cancelled);
}

void ReportJobRunner::slice()
{
    bool more = false;
    QString problem;
    bool whole = false;
    try {
        more = m_job->step();
        if (!more)
            whole = m_job->finish(&problem);
    } catch (...) {
        // A report that cannot be read any more: nothing is left of the file, and the error
        // goes on to whoever tells the user of it.
        end(Outcome::Cancelled);
        throw;
    }
    if (more) {
        showProgress();
        emit progressed();
        return;
    }
    end(whole ? Outcome::Done : Outcome::Failed, problem);
}

void ReportJobRunner::showProgress()
{
    const qint64 total = m_job->total();
    // Without a total the bar shows only that work goes on.
    m_progress->setMaximum(int(std::min<qint64>(total, INT_MAX)));
    m_progress->setLabelText(m_job->progressText());
    m_progress->setValue(int(std::min<qint64>(m_job->done(), total > 0 ? total : 0)));
}

void ReportJobRunner::end(Outcome outcome, const QString &problem)
{
    m_slices.stop();
    std::unique_ptr<ReportSaveJob> job = std::move(m_job);
    if (outcome == Outcome::Cancelled)
        job->cancel();
    job.reset();
    // Gone once its own signal, which may have brought us here, has returned.
    m_progress->disconnect(this);
    m_progress->hide();
    m_progress->deleteLater();
    m_progress = nullptr;
    emit ended(outcome, problem);
}

bool ReportJobRunner::runToEnd(ReportSaveJob &job, QString *problem)
{
    while (job.step()) { }
    return job.finish(problem);
}
