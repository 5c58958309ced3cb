#include "ShellFixture.h"

#include "TestEnvironment.h"

#include "common/DataFolder.h"
#include "common/Settings.h"
#include "shell/MDIFitness.h"
#include "shell/MsgBox.h"
#include "shell/WorkingWindow.h"
#include "shell/mFormProcedures.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QTest>

ShellFixture::ShellFixture(QList<WindowRegistry::Registrar> registrars)
    : ShellFixture(std::move(registrars), Options())
{
}

ShellFixture::ShellFixture(QList<WindowRegistry::Registrar> registrars, const Options &options)
    : m_folder(TestEnvironment::freshFolder(QStringLiteral("data"))),
      m_messages(std::make_shared<QStringList>())
{
    // Closing the main window must not end a test program.
    QApplication::setQuitOnLastWindowClosed(false);
    setPauses(0, 0);
    std::shared_ptr<QStringList> messages = m_messages;
    MsgBox::setRecorder([messages](const QString &text) { messages->append(text); });

    if (options.seed)
        DataFolder::seed(DataFolder::shipped(), m_folder);

    auto settings = std::make_unique<Settings>(QDir(TestEnvironment::freshFolder(QStringLiteral("config")))
                                                   .filePath(QStringLiteral("Pulsar.ini")));
    for (const QStringList &value : options.settings) {
        if (value.size() == 3)
            settings->set(value.at(0), value.at(1), value.at(2));
    }

    WindowRegistry registry;
    for (const auto &registrar : registrars) {
        if (registrar)
            registrar(registry);
    }

    MDIFitness::TodayFunction today;
    if (options.today.isValid()) {
        const QDate fixed = options.today;
        today = [fixed] { return fixed; };
    }
    m_main = new MDIFitness(std::move(settings), m_folder, std::move(registry), today);
    if (options.start) {
        m_main->start();
    } else {
        m_main->resize(1200, 800);
        m_main->showMaximized();
    }
    // The user's main window is the active one when they choose from its
    // menus: the focus moves at once when a working window opens.
    QApplication::setActiveWindow(m_main);
    QTest::qWaitForWindowActive(m_main, 1000);
}

ShellFixture::~ShellFixture()
{
    delete m_main;
    settle();
    MsgBox::clearRecorder();
}

Shell &ShellFixture::shell() const
{
    return *m_main;
}

Settings &ShellFixture::settings() const
{
    return m_main->settings();
}

bool ShellFixture::trigger(const QString &itemName)
{
    QAction *action = m_main->item(itemName);
    if (!action || !action->isEnabled())
        return false;
    action->trigger();
    return true;
}

void ShellFixture::click(const QString &itemName)
{
    m_main->click(itemName);
}

bool ShellFixture::isChecked(const QString &itemName) const
{
    return m_main->isChecked(itemName);
}

QStringList ShellFixture::checkedItems() const
{
    QStringList list;
    const QStringList names = m_main->itemNames();
    for (const QString &name : names) {
        if (name != QLatin1String("itmScrolling") && m_main->isChecked(name))
            list << name;
    }
    return list;
}

WorkingWindow *ShellFixture::window(const QString &name) const
{
    return m_main->form(name);
}

QObject *ShellFixture::windowObject(const QString &name) const
{
    return m_main->form(name);
}

QStringList ShellFixture::loadedNames() const
{
    QStringList names;
    const QList<WorkingWindow *> windows = m_main->loadedWindows();
    for (const WorkingWindow *w : windows)
        names << w->objectName();
    return names;
}

WorkingWindow *ShellFixture::openWindow() const
{
    WorkingWindow *found = nullptr;
    const QList<WorkingWindow *> windows = m_main->loadedWindows();
    for (WorkingWindow *w : windows) {
        if (!w->isShownWindow())
            continue;
        if (found)
            return nullptr;
        found = w;
    }
    return found;
}

QStringList ShellFixture::takeMessages()
{
    QStringList list = *m_messages;
    m_messages->clear();
    return list;
}

void ShellFixture::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ShellFixture::setPauses(int clickMs, int stepMs)
{
    mFormProcedures::setPauses(clickMs, stepMs);
}
