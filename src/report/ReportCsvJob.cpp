#include "ReportCsvJob.h"

#include "Report.h"
#include "ReportCsv.h"

#include <QElapsedTimer>
#include <QIODevice>

namespace {
// Rows gather in memory up to this size before they go to the file.
constexpr qsizetype ChunkBytes = 1 << 20;
// Rows whose values are at hand go fast; the progress still moves on in steps a user can see.
constexpr int MaxSliceRows = 1000;
} // namespace

ReportCsvJob::ReportCsvJob(Report &report, const QString &path)
    : m_report(report)
    , m_rows(report.table(1))
    , m_file(path)
{
    m_open = m_file.open();
    if (m_open) {
        m_chunk = ReportCsv::ByteOrderMark;
        m_chunk += ReportCsv::line(report.table(1).columnNames());
    }
}

ReportCsvJob::~ReportCsvJob()
{
    cancel();
}

bool ReportCsvJob::step()
{
    if (!m_open || m_ended)
        return false;
    const int columns = int(m_report.table(1).columnNames().size());
    QStringList values;
    QElapsedTimer timer;
    timer.start();
    const int sliceEnd = m_row + MaxSliceRows;
    do {
        if (!m_rows.next()) {
            m_ended = true;
            break;
        }
        values.clear();
        for (int c = 0; c < columns; ++c)
            values << m_rows.text(c);
        m_chunk += ReportCsv::line(values);
        ++m_row;
        if (m_chunk.size() > ChunkBytes && !flush())
            return false;
    } while (timer.elapsed() < SliceMs && m_row < sliceEnd);
    // The file sees every slice's rows, so that a full disk shows at once.
    return flush() && !m_ended;
}

bool ReportCsvJob::flush()
{
    m_open = m_open && m_file.device().write(m_chunk) == m_chunk.size();
    m_chunk.clear();
    return m_open;
}

qint64 ReportCsvJob::total() const
{
    return m_report.table(1).rowTotal();
}

QString ReportCsvJob::progressText() const
{
    return rowProgress(m_row, total());
}

bool ReportCsvJob::finish(QString *problem)
{
    const bool whole = m_open && m_ended && flush() && m_file.commit();
    if (!whole && problem)
        *problem = m_file.errorString();
    return whole;
}

void ReportCsvJob::cancel()
{
    m_open = false;
    m_file.discard();
}
