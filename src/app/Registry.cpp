#include "Registry.h"

#include "RegistrySettings.h"

namespace {

Registry *&installed()
{
    static Registry *store = nullptr;
    return store;
}

} // namespace

Registry &Registry::current()
{
    if (installed())
        return *installed();
    static RegistrySettings machine;
    return machine;
}

void Registry::install(Registry *store)
{
    installed() = store;
}
