#include "Viewer.h"

#include "ControlPlacement.h"
#include "MsgBox.h"
#include "ReportViewer.h"

#include <QMdiArea>
#include <QMdiSubWindow>

Viewer::Viewer(QWidget *parent)
    : ChildForm(parent)
{
    setObjectName(QStringLiteral("Viewer"));
    setWindowTitle(QStringLiteral("Report Viewer"));
    // The viewer control fills the window; see Form_Resize.
    CRViewer = placeControl<ReportViewer>(this, "CRViewer", 0, 0, 0, 0);
    CRViewer->setAccessibleName(QStringLiteral("Report"));
    connect(CRViewer, &ReportViewer::saveFailed, this,
        [](const QString &message) { MsgBox::show(message, QStringLiteral("Report Viewer")); });
}

void Viewer::load()
{
    // As large as the main window's work area allows, so a page is readable at once.
    QWidget *frame = parentWidget() ? parentWidget() : this;
    if (auto *sub = qobject_cast<QMdiSubWindow *>(frame); sub && sub->mdiArea()) {
        const QSize area = sub->mdiArea()->viewport()->size();
        frame->setGeometry(0, 0, std::max(area.width(), 400), std::max(area.height(), 300));
    }
}

void Viewer::resizeEvent(QResizeEvent *event)
{
    ChildForm::resizeEvent(event);
    Form_Resize();
}

void Viewer::Form_Resize()
{
    // The viewer control fills the window: top, left, height, width.
    CRViewer->setGeometry(0, 0, width(), height());
}
