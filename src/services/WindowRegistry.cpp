#include "WindowRegistry.h"

#include "FormFrame.h"

#include <QApplication>
#include <QList>

namespace {

// Every registry alive, in the order they were made, and the one of the program's main window.
QList<WindowRegistry *> &liveRegistries()
{
    static QList<WindowRegistry *> live;
    return live;
}

WindowRegistry *&programRegistry()
{
    static WindowRegistry *program = nullptr;
    return program;
}

// The registry whose area sits in this top-level window.
WindowRegistry *registryIn(const QWidget *top)
{
    for (WindowRegistry *registry : liveRegistries()) {
        if (registry->area()->window() == top)
            return registry;
    }
    return nullptr;
}

} // namespace

WindowRegistry::WindowRegistry(QMdiArea *area)
    : m_area(area)
{
    liveRegistries().append(this);
}

WindowRegistry::~WindowRegistry()
{
    liveRegistries().removeOne(this);
    if (programRegistry() == this)
        programRegistry() = nullptr;
}

WindowRegistry *WindowRegistry::of(const QWidget *form)
{
    if (form) {
        if (WindowRegistry *own = registryIn(form->window()))
            return own;
    }
    if (programRegistry())
        return programRegistry();
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (WindowRegistry *made = registryIn(top))
            return made;
    }
    return nullptr;
}

void WindowRegistry::setProgramRegistry(WindowRegistry *registry)
{
    programRegistry() = registry;
}

void WindowRegistry::adopt(std::type_index kind, ChildForm *form)
{
    // A window designed at a size keeps it: the frame grows by its border and title bar.
    const bool sized = form->testAttribute(Qt::WA_Resized);
    const QSize designed = form->size();

    auto *frame = new QMdiSubWindow;
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWidget(form);
    // The caption is the window's own, " *" and all, whenever the window changes it.
    frame->setWindowTitle(form->windowTitle());
    QObject::connect(form, &QWidget::windowTitleChanged, frame, &QWidget::setWindowTitle);
    m_area->addSubWindow(frame);
    if (sized)
        frame->resize(designed.grownBy(frame->contentsMargins()));
    m_frames.insert(kind, frame);
    // Gone from the registry as soon as it has closed, before the frame is actually deleted,
    // so that a request right after the close makes a fresh window.
    QObject::connect(form, &ChildForm::unloaded, frame, [this, kind, frame] {
        if (m_frames.value(kind).data() == frame)
            m_frames.remove(kind);
    });

    try {
        form->load();
    } catch (...) {
        // A window whose load failed is not left behind half-made.
        m_frames.remove(kind);
        delete frame;
        throw;
    }
    // Wherever the window placed itself and whatever the main window's size, the user can
    // reach all of it.
    keepInside(frame);
    addCloseKey(frame);
    frame->show();
}
