#pragma once

#include "RegistryTable.h"

// The machine's store on this desktop: the system-wide settings file an installation writes
// (Corvane/Corvane.conf in the desktop's configuration folders, /etc/xdg unless the desktop
// names others). Each section is a key, its path written with "/" between the names; each entry
// is a string value. The file is read again whenever a key is opened, so that an installation
// may change it while the program runs.
class RegistrySettings : public RegistryTable
{
public:
    long openKey(quint32 root, const QString &path, quint32 access, Key &key) override;

private:
    void reload();
};
