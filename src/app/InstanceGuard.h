#pragma once

#include <QString>
#include <memory>

class QLockFile;

// One running copy per installation and user: copies a user starts from the same program folder
// share the guard; copies from other folders, or of other users, do not. Released when the object
// goes, or when the process dies (a stale guard of a dead process is taken over).
class InstanceGuard
{
public:
    explicit InstanceGuard(const QString &installationFolder);
    ~InstanceGuard();

    // True when this copy now holds the guard; false when another running copy does.
    bool tryAcquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};
