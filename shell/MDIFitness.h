#pragma once

#include "Shell.h"
#include "WindowRegistry.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class Settings;
class WorkArea;

// The main window: a maximised window with the background picture, the
// menu bar and, in its work area, one working window at a time. Every menu
// item that opens a working window hands over: it closes every working
// window, clears the check marks, sets its own mark where the window needs
// to know its mode, and loads the window, which reads the marks through the
// Shell interface. Windows are built through the WindowRegistry, so the main
// window includes none of them.
class MDIFitness : public QMainWindow, public Shell
{
    Q_OBJECT

public:
    using TodayFunction = std::function<QDate()>;

    MDIFitness(std::unique_ptr<Settings> settings, QString dataFolder, WindowRegistry registry,
               TodayFunction today = {}, QWidget *parent = nullptr);
    ~MDIFitness() override;

    // The start-up: width 12000 twips, shown maximised, the start-up page.
    void start();

    // Shell
    bool isChecked(const QString &itemName) const override;
    void setChecked(const QString &itemName, bool checked) override;
    void unloadForm() override;
    void uncheck() override;
    WorkingWindow *loadForm(const QString &name) override;
    WorkingWindow *form(const QString &name) const override;
    void unloadWindow(const QString &name) override;
    QList<WorkingWindow *> loadedWindows() const override;
    int mainWidthTwips() const override;
    int mainHeightTwips() const override;
    Settings &settings() const override;
    QString dataFolder() const override;
    QDate today() const override;
    QWidget *mainWidget() const override;

    // Loads the start-up quotation page.
    void ShowIntroPage();

    // The menu item of that name (top menus, submenus and separators
    // included); null for an unknown name.
    QAction *item(const QString &name) const;
    // Every item name, in menu order.
    QStringList itemNames() const;
    // Runs the item's click handler, as a click on it does (also for an item
    // that is hidden or disabled).
    void click(const QString &name);
    // The working window a click on the item opens: a hand-over's target,
    // the start-up page for File > Quote; empty for every other item and for
    // an unknown name.
    QString itemTarget(const QString &name) const;

    // The order in which UnloadForm closes the working windows.
    static const QStringList &unloadOrder();

    QMdiArea *workArea() const;
    const WindowRegistry &registry() const { return m_registry; }

    // One row of the menu table (MDIFitness.cpp).
    struct MenuEntry;

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void itemTriggered(const QString &name, bool checkedByQt);
    void handOver(const MenuEntry &entry);
    void quote();
    void exitProgram();
    // Shows the settings' failure, when a write could not be stored.
    void tellSettingsFailure();
    void toggleScrolling();
    void weightOnlyMode(WorkingWindow *window);
    void chooseFoodsReport(WorkingWindow *window);
    void unloadAll(const QStringList &order);
    void keepMaximised();
    void fillScreen();
    void subWindowActivated(QMdiSubWindow *frame);

    std::unique_ptr<Settings> m_settings;
    QString m_dataFolder;
    WindowRegistry m_registry;
    TodayFunction m_today;
    WorkArea *m_area = nullptr;
    QHash<QString, QAction *> m_items;
    QStringList m_itemOrder;
    QList<WorkingWindow *> m_loaded;
    QPointer<WorkingWindow> m_active;
    QPointer<WorkingWindow> m_loading;
    bool m_activateAfterLoad = false;
    bool m_closed = false;
};
