#include "ReportWorkbook.h"

#include "Formats.h"
#include "Report.h"
#include "WorkbookDateFormat.h"

#include <QDir>
#include <QRegularExpression>
#include <xlsxwriter.h>

namespace {

// The day a workbook's date numbers count from, and the first day they count right: the
// spreadsheet holds 1900 for a leap year, so earlier dates are saved as their text.
const qint64 DayZero = QDate(1899, 12, 30).toJulianDay();
const QDate FirstSafeDay(1900, 3, 1);
constexpr double MsPerDay = 24.0 * 60 * 60 * 1000;

} // namespace

ReportWorkbook::ReportWorkbook(Report &report, const QString &path)
    : m_table(report.table(1))
    , m_rows(m_table)
    , m_file(path)
{
    m_columns = int(m_table.columnNames().size());
    m_widths.assign(size_t(m_columns), 0);
    m_writing = m_file.openByName();
    if (m_writing.isEmpty()) {
        m_problem = m_file.errorString();
        m_state = State::Failed;
    } else if (!start(report.layout().title)) {
        m_state = State::Failed;
    }
}

ReportWorkbook::~ReportWorkbook()
{
    if (m_state != State::Finished)
        cancel();
}

bool ReportWorkbook::start(const QString &title)
{
    // Rows go to a temporary file of the system's as they are written, not into memory; the
    // workbook is made from it at the end.
    const QByteArray tmpdir = QFile::encodeName(QDir::tempPath());
    lxw_workbook_options options {};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = const_cast<char *>(tmpdir.constData());
    m_book = workbook_new_opt(QFile::encodeName(m_writing).constData(), &options);
    if (!m_book)
        return failed(LXW_ERROR_MEMORY_MALLOC_FAILED);
    m_sheet = workbook_add_worksheet(m_book, title.toUtf8().constData());
    if (!m_sheet) // a title the spreadsheet does not take as a sheet's name
        m_sheet = workbook_add_worksheet(m_book, nullptr);
    if (!m_sheet)
        return failed(LXW_ERROR_CREATING_TMPFILE);

    m_bold = workbook_add_format(m_book);
    format_set_bold(m_bold);
    const QString date = fourDigitYearDateFormat();
    m_date = workbook_add_format(m_book);
    format_set_num_format(m_date, WorkbookDateFormat::fromQt(date).toUtf8().constData());
    m_dateTime = workbook_add_format(m_book);
    format_set_num_format(m_dateTime,
        WorkbookDateFormat::fromQt(date + QLatin1Char(' ') + timeOfDayFormat())
            .toUtf8()
            .constData());

    const QStringList names = m_table.columnNames();
    for (int c = 0; c < m_columns; ++c) {
        if (!writeText(0, c, names[c], m_bold))
            return false;
        m_widths[size_t(c)] += 3; // room for the filter's button beside the name
    }
    worksheet_freeze_panes(m_sheet, 1, 0);
    return true;
}

bool ReportWorkbook::step()
{
    if (m_state != State::Writing)
        return false;
    for (int n = 0; n < RowsPerStep; ++n) {
        if (!m_rows.next()) {
            close();
            return false;
        }
        if (!writeRow(int(m_done)))
            return false;
        ++m_done;
    }
    return true;
}

bool ReportWorkbook::writeRow(int row)
{
    const lxw_row_t sheetRow = lxw_row_t(row) + 1;
    for (int c = 0; c < m_columns; ++c) {
        const QString text = m_rows.text(c);
        if (text.isEmpty())
            continue; // an empty cell, not an empty text
        const QDateTime when = m_rows.dateValue(c);
        if (!when.isValid() || when.date() < FirstSafeDay) {
            if (!writeText(int(sheetRow), c, text, nullptr))
                return false;
            continue;
        }
        const double serial = double(when.date().toJulianDay() - DayZero)
            + when.time().msecsSinceStartOfDay() / MsPerDay;
        const bool midnight = when.time() == QTime(0, 0);
        const int error = worksheet_write_number(
            m_sheet, sheetRow, lxw_col_t(c), serial, midnight ? m_date : m_dateTime);
        if (error != LXW_NO_ERROR)
            return failed(error);
        m_widths[size_t(c)] = std::max(m_widths[size_t(c)], text.size());
    }
    return true;
}

bool ReportWorkbook::writeText(int row, int column, const QString &text, lxw_format *format)
{
    m_bytes = text.toUtf8();
    // The spreadsheet reads "_x0041_" in a text as the character it codes ("A"); written with
    // its underscore so coded, the user's text reads back as typed.
    if (m_bytes.contains("_x")) {
        static const QRegularExpression coded(QStringLiteral("_(?=x[0-9A-Fa-f]{4}_)"));
        m_bytes = QString(text).replace(coded, QStringLiteral("_x005F_")).toUtf8();
    }
    // Written as a string, a text never becomes a number, a date or a formula, and it gets no
    // apostrophe: the cell holds exactly what the user typed.
    const int error = worksheet_write_string(
        m_sheet, lxw_row_t(row), lxw_col_t(column), m_bytes.constData(), format);
    if (error != LXW_NO_ERROR)
        return failed(error);
    m_widths[size_t(column)] = std::max(m_widths[size_t(column)], text.size());
    return true;
}

bool ReportWorkbook::close()
{
    for (int c = 0; c < m_columns; ++c) {
        const double width = double(std::min<qsizetype>(m_widths[size_t(c)] + 1, MaxColumnWidth));
        worksheet_set_column(m_sheet, lxw_col_t(c), lxw_col_t(c), width, nullptr);
    }
    if (m_columns > 0)
        worksheet_autofilter(m_sheet, 0, 0, lxw_row_t(m_done), lxw_col_t(m_columns - 1));
    // The workbook is made whole now, in one go; the library frees it whatever the outcome.
    const int error = workbook_close(m_book);
    m_book = nullptr;
    m_sheet = nullptr;
    if (error != LXW_NO_ERROR)
        return failed(error);
    m_state = State::Written;
    return true;
}

bool ReportWorkbook::failed(int error)
{
    m_problem = QString::fromUtf8(lxw_strerror(lxw_error(error)));
    m_state = State::Failed;
    dropBook();
    m_file.discard();
    return false;
}

void ReportWorkbook::dropBook()
{
    if (!m_book)
        return;
    // Freeing a workbook does not close the temporary file its sheet writes its rows to.
    if (m_sheet && m_sheet->optimize_tmpfile) {
        fclose(m_sheet->optimize_tmpfile);
        m_sheet->optimize_tmpfile = nullptr;
    }
    lxw_workbook_free(m_book);
    m_book = nullptr;
    m_sheet = nullptr;
}

qint64 ReportWorkbook::total() const
{
    return m_table.rowTotal();
}

QString ReportWorkbook::progressText() const
{
    return rowProgress(m_done, total());
}

bool ReportWorkbook::finish(QString *problem)
{
    if (m_state == State::Finished)
        return true;
    while (step()) { }
    if (m_state == State::Written && m_file.commit())
        m_state = State::Finished;
    else if (m_state == State::Written)
        m_problem = m_file.errorString();
    if (m_state != State::Finished)
        m_state = State::Failed;
    if (m_state == State::Failed && problem)
        *problem = m_problem;
    return m_state == State::Finished;
}

void ReportWorkbook::cancel()
{
    if (m_state == State::Finished)
        return;
    dropBook();
    m_file.discard();
    m_state = State::Cancelled;
}
