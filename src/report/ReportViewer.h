#pragma once

#include <QIcon>
#include <QWidget>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QPrinter;
class QToolBar;
class Report;
class ReportJobRunner;
class ReportPageView;
class ReportPages;
class ReportSaveJob;

// The report viewer control: a page view and its own toolbar as one widget. It holds one report
// at a time; setting another replaces it. From the toolbar (or the keyboard) the user pages
// through, zooms, prints on paper through the system's print dialog and saves as PDF, and a
// plain list also as CSV or as an Excel workbook. Printing and saving go on between the user's
// events with their progress shown, one at a time; the pages can be turned meanwhile.
class ReportViewer : public QWidget
{
    Q_OBJECT
public:
    explicit ReportViewer(QWidget *parent = nullptr);
    ~ReportViewer() override;

    // The viewer takes the report over; it shows it once told to view it.
    void setReportSource(std::unique_ptr<Report> report);
    void ViewReport();

    ReportPages *pages() const { return m_pages.get(); }
    ReportPageView *pageView() const { return m_view; }
    // What runs the printing or saving under way.
    ReportJobRunner *jobs() const { return m_runner.get(); }
    int currentPage() const;
    void goToPage(int index);

    // What the toolbar offers, each named by its caption.
    QAction *actFirst, *actPrevious, *actNext, *actLast;
    QAction *actFitWidth, *actFitPage, *actZoomIn, *actZoomOut;
    QAction *actPrint, *actSavePdf, *actSaveCsv, *actSaveXlsx;
    QLineEdit *txtPage;
    QLabel *lblPages;

    // The file and print dialogs, replaceable so that tests answer them without a modal window.
    // A chooser returns the path picked, or empty text for Cancel; null puts the system's back.
    using FileChooser = std::function<QString(
        QWidget *parent, const QString &caption, const QString &suggested, const QString &filter)>;
    using PrintDialog = std::function<bool(QWidget *parent, QPrinter &printer)>;
    static void setFileChooser(FileChooser chooser);
    static void setPrintDialog(PrintDialog dialog);

signals:
    // A file could not be written; the message names it.
    void saveFailed(const QString &message);

private:
    QAction *addCommand(
        const QString &text, const QList<QKeySequence> &keys, const QIcon &icon = QIcon());
    void updateCommands();
    void print();
    void savePdf();
    void saveCsv();
    void saveXlsx();
    QString choose(const QString &caption, const QString &suffix, const QString &filter);
    // 'failed' is the message's first line should the work fail.
    void startJob(
        std::unique_ptr<ReportSaveJob> job, const QString &caption, const QString &failed);
    void jobEnded(bool failed, const QString &problem);

    QToolBar *m_toolBar;
    ReportPageView *m_view;
    std::unique_ptr<ReportPages> m_pages;
    // A report replaced while work on it runs stays until the work ends.
    ReportPages *m_jobPages = nullptr;
    std::unique_ptr<ReportPages> m_retired;
    QString m_failed;
    // Last, so that work still running ends before the pages it works on go.
    std::unique_ptr<ReportJobRunner> m_runner;
};
