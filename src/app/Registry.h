#pragma once

#include <QString>
#include <QtGlobal>

// The system's store of settings as the About box reads it: keys named by a path under a root
// key, each holding named values of a type, read as raw bytes into a buffer the caller supplies.
// Calls answer with a status, 0 for success, as the system's own registry calls do, so that the
// caller's steps can be followed exactly. The store is read-only: an installation fills it.
class Registry
{
public:
    using Key = quint32;

    // The machine-wide root, the only one this store holds.
    static constexpr quint32 LocalMachine = 0x80000002;

    // Access masks: reading only, and everything (which includes writing).
    static constexpr quint32 ReadAccess = 0x20019;
    static constexpr quint32 AllAccess = 0x2003F;

    // Value types.
    static constexpr quint32 NoType = 0;
    static constexpr quint32 String = 1;
    static constexpr quint32 Binary = 3;
    static constexpr quint32 DWord = 4;
    static constexpr quint32 MultiString = 7;

    // Statuses.
    static constexpr long Success = 0;
    static constexpr long NotFound = 2;
    static constexpr long AccessDenied = 5;
    static constexpr long InvalidHandle = 6;
    static constexpr long MoreData = 234;

    virtual ~Registry() = default;

    // Opens the key at path ("A\B\C") under root. On success key is a handle for queryValue.
    virtual long openKey(quint32 root, const QString &path, quint32 access, Key &key) = 0;
    // Reads the named value of an open key into buffer, whose size in bytes is size on entry.
    // Gives the value's type and, in size, the number of bytes written (or needed, with MoreData).
    virtual long queryValue(
        Key key, const QString &name, quint32 &type, char *buffer, quint32 &size)
        = 0;
    virtual long closeKey(Key key) = 0;

    // The store the program reads: the machine's settings unless a test installed another.
    static Registry &current();
    // For tests: put a store in place of the machine's (nullptr puts the machine's back).
    static void install(Registry *store);
};
