#include "WindowNotifier.h"

#include "WindowRegistry.h"

WindowNotifier *WindowNotifier::of(const QWidget *form)
{
    WindowRegistry *registry = WindowRegistry::of(form);
    return registry ? &registry->notifier() : nullptr;
}
