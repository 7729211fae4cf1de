#pragma once

#include "ReportRowReader.h"
#include "ReportSaveJob.h"
#include "WholeFile.h"

#include <QByteArray>
#include <QString>
#include <vector>

class Report;
class ReportTable;
struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

// A plain list saved as an Excel workbook that keeps every value as it is: one sheet named
// after the list, its header row bold and frozen with a filter over the columns, each column
// as wide as its contents (up to a limit). Texts stay texts whatever they look like (leading
// zeros, "+", "=" or "@" in front), dates are real dates shown in the user's date and time
// form, empty values are empty cells. The rows are the report's, in its order, written a slice
// at a time straight to the file, so that a long list needs little memory; the file is put in
// place only when whole.
class ReportWorkbook : public ReportSaveJob
{
public:
    // Rows written by one step: some milliseconds of work.
    static constexpr int RowsPerStep = 400;
    // The widest a column is made, in characters; longer values show in full in their cells.
    static constexpr int MaxColumnWidth = 60;

    ReportWorkbook(Report &report, const QString &path);
    ~ReportWorkbook() override;

    bool step() override;
    qint64 done() const override { return m_done; }
    qint64 total() const override;
    QString progressText() const override;
    bool finish(QString *problem) override;
    void cancel() override;

private:
    enum class State { Writing, Written, Failed, Finished, Cancelled };

    bool start(const QString &title);
    bool writeRow(int row);
    bool writeText(int row, int column, const QString &text, lxw_format *format);
    bool close();
    bool failed(int error);
    void dropBook();

    ReportTable &m_table;
    ReportRowReader m_rows;
    WholeFile m_file;
    QString m_writing; // the name the library writes the file under until it is whole
    lxw_workbook *m_book = nullptr;
    lxw_worksheet *m_sheet = nullptr;
    lxw_format *m_bold = nullptr;
    lxw_format *m_date = nullptr;
    lxw_format *m_dateTime = nullptr;
    int m_columns = 0;
    std::vector<qsizetype> m_widths; // in characters, by column
    qint64 m_done = 0; // rows of the list written
    State m_state = State::Writing;
    QString m_problem;
    QByteArray m_bytes; // the value being written, as the library takes it
};
