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
class ReportPageView;
class ReportPages;

// The report viewer control: a page view and its own toolbar as one widget. It holds one report
// at a time; setting another replaces it. From the toolbar (or the keyboard) the user pages
// through, zooms, prints on paper through the system's print dialog and saves as PDF, and a
// plain list also as CSV or as an Excel workbook.
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

    QToolBar *m_toolBar;
    ReportPageView *m_view;
    std::unique_ptr<ReportPages> m_pages;
};
