#pragma once

#include <QAbstractScrollArea>

class ReportPages;

// One page of a report on the screen, on a grey desk, at the zoom the viewer asks for. It
// draws the page from the report's own pagination each time it paints, so nothing but the
// page shown is ever drawn.
class ReportPageView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    enum class Fit { Width, Page, None };

    explicit ReportPageView(QWidget *parent = nullptr);

    void setPages(ReportPages *pages);
    void setPage(int index);
    int page() const { return m_page; }

    void setFit(Fit fit);
    Fit fit() const { return m_fit; }
    // Screen pixels per report unit at the current zoom.
    double scale() const;
    void zoomBy(double factor);

    // How many times a page has been painted, for whoever waits for the first one.
    int paints() const { return m_paints; }

signals:
    void painted(int page);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QSize pagePixels() const;
    void updateScrollBars();

    ReportPages *m_pages = nullptr;
    int m_page = 0;
    Fit m_fit = Fit::Width;
    double m_zoom = 1; // pixels per report unit when not fitted
    int m_paints = 0;
};
