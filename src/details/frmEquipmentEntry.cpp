#include "frmEquipmentEntry.h"

frmEquipmentEntry::frmEquipmentEntry(QWidget *parent)
    : ChildForm(parent)
{
    setObjectName(QStringLiteral("frmEquipmentEntry"));
    setWindowTitle(QStringLiteral("Equipment Entry"));
}

void frmEquipmentEntry::FillForm(const QString &, const QString &) { }
