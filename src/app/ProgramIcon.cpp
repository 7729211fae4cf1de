#include "ProgramIcon.h"

// The pictures are built into the windows' library, which is linked statically: the linker keeps
// them only when something asks for them by name, as this does.
static void initProgramIconResource()
{
    Q_INIT_RESOURCE(ProgramIcon);
}

QIcon programIcon()
{
    static const bool initialised = (initProgramIconResource(), true);
    Q_UNUSED(initialised);
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/corvane-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/corvane-256.png"), QSize(256, 256));
    return icon;
}
