#pragma once

#include "ChildForm.h"

class QCheckBox;
class QPushButton;

// The options of the navigator report: which details to leave out. It prints the search it
// was given, even if the navigator has searched again since.
class frmNavReport : public ChildForm
{
    Q_OBJECT
public:
    explicit frmNavReport(QWidget *parent = nullptr);

    // Keeps its own copy of the search's text.
    void SetSQL(const QString &sql);
    QString sql() const { return mSQL; }

    QCheckBox *chkEquipment, *chkTelemarket;
    QPushButton *btnPrint, *btnCancel;

private:
    void btnPrint_Click();
    void btnCancel_Click();
    void unloadForm();

    QString mSQL;
};
