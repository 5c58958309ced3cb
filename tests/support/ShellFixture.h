#pragma once

#include "shell/WindowRegistry.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class MDIFitness;
class Settings;
class Shell;
class WorkingWindow;

// The main window built for a test: on a fresh temporary data folder and
// settings file of its own, with the windows of the registrars it is given
// (so a subsystem's window tests need only that subsystem), the animation
// and click pauses at zero, and every message box recorded instead of shown
// (the boxes have only OK, so recording answers them).
class ShellFixture
{
public:
    struct Options {
        // Copy the shipped data files into the data folder first, as the
        // program does at every start.
        bool seed = true;
        // Run the main window's start-up (maximised, start-up page).
        bool start = false;
        // "Today" for the windows; null: the real date.
        QDate today;
        // Values to store in the settings before the main window is built,
        // as {section, key, value}.
        QList<QStringList> settings;
    };

    explicit ShellFixture(QList<WindowRegistry::Registrar> registrars = {});
    ShellFixture(QList<WindowRegistry::Registrar> registrars, const Options &options);
    ~ShellFixture();
    ShellFixture(const ShellFixture &) = delete;
    ShellFixture &operator=(const ShellFixture &) = delete;

    MDIFitness &main() const { return *m_main; }
    Shell &shell() const;
    Settings &settings() const;
    QString dataFolder() const { return m_folder; }

    // Chooses the menu item as the user does (QAction::trigger); false when
    // there is no such item or it is disabled.
    bool trigger(const QString &itemName);
    // Runs the item's click handler directly (also hidden or disabled items).
    void click(const QString &itemName);
    bool isChecked(const QString &itemName) const;
    // The names of the items that carry a check mark, Help > Scrolling left out.
    QStringList checkedItems() const;

    // The loaded window of that name, or null.
    WorkingWindow *window(const QString &name) const;
    template <typename T>
    T *windowAs(const QString &name) const
    {
        return qobject_cast<T *>(windowObject(name));
    }
    // The names of the loaded windows, in load order.
    QStringList loadedNames() const;
    // The one shown loaded window; null when none or several are shown.
    WorkingWindow *openWindow() const;

    // Message boxes shown so far, in order.
    QStringList messages() const { return *m_messages; }
    QStringList takeMessages();

    // Destroys the windows that were unloaded (they go after their event).
    static void settle();
    // Sets the pauses of the animations and the click (zero by default).
    static void setPauses(int clickMs, int stepMs);

private:
    QObject *windowObject(const QString &name) const;

    QString m_folder;
    std::shared_ptr<QStringList> m_messages;
    MDIFitness *m_main = nullptr;
};
