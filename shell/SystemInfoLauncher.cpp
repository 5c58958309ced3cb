#include "SystemInfoLauncher.h"

#include <QProcess>
#include <QStandardPaths>

SystemInfoLauncher::SystemInfoLauncher(QStringList searchPaths, StartFunction start)
    : m_searchPaths(std::move(searchPaths)), m_start(std::move(start))
{
    if (!m_start) {
        m_start = [](const QString &program) {
            return QProcess::startDetached(program, QStringList());
        };
    }
}

QStringList SystemInfoLauncher::knownPrograms()
{
    // Hardware and system summaries first; a desktop's own information
    // centre or system monitor after them.
    return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
            QStringLiteral("kinfocenter"), QStringLiteral("lshw-gtk"),
            QStringLiteral("gnome-system-monitor")};
}

QString SystemInfoLauncher::find() const
{
    for (const QString &name : knownPrograms()) {
        const QString path = QStandardPaths::findExecutable(name, m_searchPaths);
        if (!path.isEmpty())
            return path;
    }
    return QString();
}

bool SystemInfoLauncher::launch() const
{
    const QString program = find();
    return !program.isEmpty() && m_start(program);
}
