#pragma once

#include "ChildForm.h"
#include "WindowNotifier.h"

#include <QHash>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <typeindex>

// Each child window kind exists at most once. open<T>() creates, loads and shows a kind that is
// not open and returns an open one unchanged; after it closed, the next request makes a fresh one.
// Each main window has one registry, with the notifier its windows talk through.
class WindowRegistry
{
public:
    explicit WindowRegistry(QMdiArea *area);
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry &) = delete;
    WindowRegistry &operator=(const WindowRegistry &) = delete;

    // The registry of the main window that holds the form: the form's own, else the program's,
    // else one that a test made. Null where there is none.
    static WindowRegistry *of(const QWidget *form = nullptr);
    // The program's registry, which start-up names once its main window is up.
    static void setProgramRegistry(WindowRegistry *registry);

    template <typename T> T *open()
    {
        if (T *existing = find<T>())
            return existing;
        auto *form = new T;
        adopt(std::type_index(typeid(T)), form);
        return form;
    }

    template <typename T> T *find() const
    {
        auto it = m_frames.constFind(std::type_index(typeid(T)));
        if (it == m_frames.constEnd() || it->isNull())
            return nullptr;
        return qobject_cast<T *>((*it)->widget());
    }

    QMdiArea *area() const { return m_area; }
    WindowNotifier &notifier() { return m_notifier; }

private:
    void adopt(std::type_index kind, ChildForm *form);

    QMdiArea *m_area;
    QHash<std::type_index, QPointer<QMdiSubWindow>> m_frames;
    WindowNotifier m_notifier;
};
