#pragma once

#include "ChildForm.h"

// A child window whose closing logic a test controls, and which counts what ran.
class ProbeForm : public ChildForm
{
    Q_OBJECT
public:
    // Shared by every probe, set before the registry makes one.
    struct Script
    {
        bool refuseClose = false;
        bool failLoad = false;
        bool failUnload = false;
        int loads = 0;
        int queries = 0;
        int unloads = 0;
    };
    static Script script;

    ProbeForm();

    void load() override;
    bool queryUnload() override;
    void unload() override;
};
