#pragma once

#include "ChildForm.h"

class ReportViewer;

// The window the reports are shown in: one report viewer control that fills it.
class Viewer : public ChildForm
{
    Q_OBJECT
public:
    explicit Viewer(QWidget *parent = nullptr);

    void load() override;

    ReportViewer *CRViewer;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void Form_Resize();
};
