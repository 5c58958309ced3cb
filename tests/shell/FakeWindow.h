#pragma once

#include "shell/Shell.h"
#include "shell/WindowRegistry.h"
#include "shell/WorkingWindow.h"
#include "shell/mFormProcedures.h"

#include <QStringList>
#include <functional>
#include <memory>

// What the fake windows of a test saw: every load and unload in order
// ("load frmGoals", "unload frmGoals") and the check marks each load found.
struct FakeLog {
    QStringList events;
    QHash<QString, QStringList> marksAtLoad;
    int unloads(const QString &name) const { return events.count(QStringLiteral("unload ") + name); }
};

// A working window that loads and unloads as the real ones do (grow from
// 40 twips, gradient, formatting; close animation) and writes what it saw
// into the log.
class FakeWindow : public WorkingWindow
{

public:
    FakeWindow(Shell &shell, std::shared_ptr<FakeLog> log, QStringList watchedItems, int finalHeight = 5000)
        : WorkingWindow(shell), m_log(std::move(log)), m_watched(std::move(watchedItems)),
          m_finalHeight(finalHeight)
    {
    }

    void Form_Load() override
    {
        QStringList marks;
        for (const QString &item : m_watched) {
            if (shell().isChecked(item))
                marks << item;
        }
        m_log->marksAtLoad.insert(objectName(), marks);
        m_log->events << QStringLiteral("load ") + objectName();
        setHeightTwips(40);
        setWidthTwips(6000);
        centreOverMain(8);
        showWindow();
        mFormProcedures::OpenForm(m_finalHeight);
        mFormProcedures::PaintForms();
        mFormProcedures::FormatControls();
    }

    void Form_Unload() override
    {
        m_log->events << QStringLiteral("unload ") + objectName();
        mFormProcedures::CloseForm();
    }

private:
    std::shared_ptr<FakeLog> m_log;
    QStringList m_watched;
    int m_finalHeight;
};

// Registers a fake window under each name; each records the marks of `watched`.
inline WindowRegistry::Registrar fakeWindows(std::shared_ptr<FakeLog> log, QStringList names,
                                             QStringList watched = {})
{
    return [log, names, watched](WindowRegistry &registry) {
        for (const QString &name : names) {
            registry.add(name, [log, watched](Shell &shell) { return new FakeWindow(shell, log, watched); });
        }
    };
}
