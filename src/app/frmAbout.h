#pragma once

#include "ChildForm.h"

class QLabel;
class QPushButton;

// Shows the product's title, version and maker, and starts the system information tool.
class frmAbout : public ChildForm
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);

    void load() override;

    void StartSysInfo();
    bool GetKeyValue(
        quint32 KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal);

    QLabel *picIcon, *lblTitle, *lblVersion, *lblDescription, *Label1;
    QPushButton *cmdSysInfo, *cmdOK;

    // The etched rule above the buttons: its height and its ends, in pixels of the window.
    int ruleY() const;
    int ruleLeft() const;
    int ruleRight() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void placeFrame();
    void cmdOK_Click();
    void cmdSysInfo_Click();
};
