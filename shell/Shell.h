#pragma once

#include <QDate>
#include <QList>
#include <QString>

class QWidget;
class Settings;
class WorkingWindow;

// What a working window sees of the main window: the menu check marks that
// tell it its mode, the loading and unloading of windows, the main window's
// size for centring, and the program's settings, data folder and date.
// Working windows never include the main window itself.
class Shell
{
public:
    virtual ~Shell() = default;

    // The check mark of the menu item of that name ("itmBiceps"); false for
    // an unknown name.
    virtual bool isChecked(const QString &itemName) const = 0;
    virtual void setChecked(const QString &itemName, bool checked) = 0;

    // Closes every working window, each through its own unload handler, in
    // the main window's fixed order. May be entered again from an unload
    // handler; windows already being unloaded are skipped.
    virtual void unloadForm() = 0;
    // Clears the check mark of every menu item but Help > Scrolling.
    virtual void uncheck() = 0;

    // Creates the window through the registry, runs its Form_Load and shows
    // it; the loaded instance when it is already loaded; null when no window
    // of that name is registered or its load handler failed.
    virtual WorkingWindow *loadForm(const QString &name) = 0;
    // The loaded instance, or null.
    virtual WorkingWindow *form(const QString &name) const = 0;
    // Runs the window's Form_Unload and destroys it; nothing when it is not
    // loaded or already being unloaded.
    virtual void unloadWindow(const QString &name) = 0;
    // Every loaded working window, in the order they were loaded.
    virtual QList<WorkingWindow *> loadedWindows() const = 0;

    // The main window's client area, in twips.
    virtual int mainWidthTwips() const = 0;
    virtual int mainHeightTwips() const = 0;

    virtual Settings &settings() const = 0;
    virtual QString dataFolder() const = 0;
    virtual QDate today() const = 0;
    virtual QWidget *mainWidget() const = 0;

};
