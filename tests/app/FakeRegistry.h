#pragma once

#include "RegistryTable.h"

// A machine's settings store for one test: installed in place of the real one while it lives.
class FakeRegistry : public RegistryTable
{
public:
    FakeRegistry() { Registry::install(this); }
    ~FakeRegistry() override { Registry::install(nullptr); }

    void setString(const QString &path, const QString &name, const QString &text, bool withNul)
    {
        setValue(
            path, name, String, text.toUtf8() + (withNul ? QByteArray(1, '\0') : QByteArray()));
    }
};
