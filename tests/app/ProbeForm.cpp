#include "ProbeForm.h"

#include "DbError.h"

ProbeForm::Script ProbeForm::script;

ProbeForm::ProbeForm()
{
    setWindowTitle(QStringLiteral("Probe"));
    resize(300, 200);
}

void ProbeForm::load()
{
    ++script.loads;
    if (script.failLoad)
        throw DbError(
            QStringLiteral("no such table: Probe"), QStringLiteral("SELECT * FROM Probe"));
}

bool ProbeForm::queryUnload()
{
    ++script.queries;
    return !script.refuseClose;
}

void ProbeForm::unload()
{
    ++script.unloads;
    if (script.failUnload)
        throw DbError(
            QStringLiteral("database is locked"), QStringLiteral("UPDATE Probe SET x = 1"));
}
