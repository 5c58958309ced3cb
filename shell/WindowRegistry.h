#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

class Shell;
class WorkingWindow;

// Maps a window name ("frmGoals") to the function that builds that window.
// Each subsystem fills it with one function of its own folder
// (registerProfileWindows, registerWorkoutWindows, ...), so the main window
// builds working windows without including any of them.
class WindowRegistry
{
public:
    using Factory = std::function<WorkingWindow *(Shell &)>;
    // A subsystem's function that adds its windows.
    using Registrar = std::function<void(WindowRegistry &)>;

    // Adds or replaces the factory of `name`.
    void add(const QString &name, Factory factory);
    bool contains(const QString &name) const;
    // A new window built by the factory of `name`; null for an unknown name.
    // The window's objectName is set to `name`.
    WorkingWindow *create(const QString &name, Shell &shell) const;
    QStringList names() const;

private:
    QHash<QString, Factory> m_factories;
};
