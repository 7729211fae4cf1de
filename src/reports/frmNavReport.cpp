#include "frmNavReport.h"

#include "ControlPlacement.h"
#include "ErrorGuard.h"
#include "ReportsMod.h"
#include "Twips.h"

#include <QCheckBox>
#include <QMdiSubWindow>
#include <QPushButton>

frmNavReport::frmNavReport(QWidget *parent)
    : ChildForm(parent)
{
    setObjectName(QStringLiteral("frmNavReport"));
    setWindowTitle(QStringLiteral("Navigator Report Options"));
    chkEquipment = placeCaptioned<QCheckBox>(
        this, "chkEquipment", QStringLiteral("Suppress Equipment Detail"), 720, 120, 2295, 255);
    chkTelemarket = placeCaptioned<QCheckBox>(
        this, "chkTelemarket", QStringLiteral("Suppress Telemarket Detail"), 720, 600, 2295, 255);
    btnPrint = placeCaptioned<QPushButton>(
        this, "btnPrint", QStringLiteral("Print"), 480, 1080, 1335, 375);
    btnCancel = placeCaptioned<QPushButton>(
        this, "btnCancel", QStringLiteral("Cancel"), 1920, 1080, 1335, 375);
    setTabOrder(chkEquipment, chkTelemarket);
    setTabOrder(chkTelemarket, btnPrint);
    setTabOrder(btnPrint, btnCancel);
    setDefaultButton(btnPrint);
    setCancelButton(btnCancel);
    resize(twipsToPixels(3750), twipsToPixels(1515));

    connect(btnPrint, &QPushButton::clicked, this,
        guarded(QStringLiteral("The report could not be made."), [this] { btnPrint_Click(); }));
    connect(btnCancel, &QPushButton::clicked, this, guarded([this] { btnCancel_Click(); }));
}

void frmNavReport::SetSQL(const QString &sql)
{
    mSQL = sql;
}

void frmNavReport::btnPrint_Click()
{
    const bool suppressEquipment = chkEquipment->isChecked();
    const bool suppressTelemarket = chkTelemarket->isChecked();
    ReportsMod::ShowNavigatorReport(mSQL, suppressEquipment, suppressTelemarket);
    unloadForm();
}

void frmNavReport::btnCancel_Click()
{
    unloadForm();
}

void frmNavReport::unloadForm()
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->close();
    else
        close();
}
