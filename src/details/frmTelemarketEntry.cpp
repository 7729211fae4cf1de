#include "frmTelemarketEntry.h"

frmTelemarketEntry::frmTelemarketEntry(QWidget *parent)
    : ChildForm(parent)
{
    setObjectName(QStringLiteral("frmTelemarketEntry"));
    setWindowTitle(QStringLiteral("Telemarket Entry"));
}

void frmTelemarketEntry::FillForm(const QString &, const QString &) { }
