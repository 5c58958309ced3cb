#include "WindowRegistry.h"

#include "WorkingWindow.h"

void WindowRegistry::add(const QString &name, Factory factory)
{
    m_factories.insert(name, std::move(factory));
}

bool WindowRegistry::contains(const QString &name) const
{
    return m_factories.contains(name);
}

WorkingWindow *WindowRegistry::create(const QString &name, Shell &shell) const
{
    const auto it = m_factories.constFind(name);
    if (it == m_factories.constEnd() || !*it)
        return nullptr;
    WorkingWindow *window = (*it)(shell);
    if (window)
        window->setObjectName(name);
    return window;
}

QStringList WindowRegistry::names() const
{
    QStringList list = m_factories.keys();
    list.sort();
    return list;
}
