#include "frmNavReport.h"

#include "ErrorGuard.h"
#include "ReportsMod.h"
#include "Twips.h"

#include <QCheckBox>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {

template <typename T>
T *place(QWidget *parent, const char *name, const QString &caption, QRect twips)
{
    auto *control = new T(caption, parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(twips);
    control->setAccessibleName(caption);
    return control;
}

} // namespace

frmNavReport::frmNavReport(QWidget *parent)
    : ChildForm(parent)
{
    setObjectName(QStringLiteral("frmNavReport"));
    setWindowTitle(QStringLiteral("Navigator Report Options"));
    chkEquipment = place<QCheckBox>(this, "chkEquipment",
        QStringLiteral("Suppress Equipment Detail"), twipsRect(720, 120, 2295, 255));
    chkTelemarket = place<QCheckBox>(this, "chkTelemarket",
        QStringLiteral("Suppress Telemarket Detail"), twipsRect(720, 600, 2295, 255));
    btnPrint = place<QPushButton>(
        this, "btnPrint", QStringLiteral("Print"), twipsRect(480, 1080, 1335, 375));
    btnCancel = place<QPushButton>(
        this, "btnCancel", QStringLiteral("Cancel"), twipsRect(1920, 1080, 1335, 375));
    setTabOrder(chkEquipment, chkTelemarket);
    setTabOrder(chkTelemarket, btnPrint);
    setTabOrder(btnPrint, btnCancel);
    resize(twipsToPixels(3750), twipsToPixels(1515));

    connect(btnPrint, &QPushButton::clicked, this, guarded([this] { btnPrint_Click(); }));
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
