#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Starts the system's information tool for the About box. Linux has no single
// such tool, so this looks for the first of a few well-known ones on the
// search path and starts it as a process of its own that the program does not
// wait for.
class SystemInfoLauncher
{
public:
    // Starts `program` (a full path) detached; true when it started.
    using StartFunction = std::function<bool(const QString &program)>;

    // Searches `searchPaths` (empty: the PATH) and starts through `start`
    // (empty: a detached process).
    explicit SystemInfoLauncher(QStringList searchPaths = {}, StartFunction start = {});

    // The tools looked for, in order of preference.
    static QStringList knownPrograms();

    // The full path of the first known tool found; empty when there is none.
    QString find() const;

    // Finds and starts the tool; false when none is found or it fails to start.
    bool launch() const;

private:
    QStringList m_searchPaths;
    StartFunction m_start;
};
