#include "MDIFitness.h"

#include "MsgBox.h"
#include "ShellStyle.h"
#include "Twips.h"
#include "WorkArea.h"
#include "WorkingWindow.h"
#include "mFormProcedures.h"

#include "common/RecordFileError.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QScreen>
#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTimer>

// One row of the menu table.
struct MDIFitness::MenuEntry {
    enum Kind { Menu, Separator, HandOver, Quote, Exit, Scrolling };
    enum After { Nothing, WeightOnly, FoodsReport };

    const char *name;
    const char *caption;
    const char *parent; // null: the menu bar
    Kind kind;
    bool checksItself = false; // the hand-over sets the item's own mark
    const char *target = nullptr;
    After after = Nothing;
    bool hidden = false;
    bool disabled = false;
};

namespace {

using Entry = MDIFitness::MenuEntry;

// The program's icon: a pulse line on a blue tile.
QIcon programIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 200));
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    painter.setPen(QPen(QColor(255, 210, 90), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF line[] = {{4, 18}, {11, 18}, {14, 8}, {18, 26}, {21, 15}, {24, 18}, {28, 18}};
    painter.drawPolyline(line, 7);
    painter.end();
    return QIcon(pixmap);
}

const QString kIntroPage = QStringLiteral("frmIntroPage");
const QString kScrollingItem = QStringLiteral("itmScrolling");
const QString kScrollingOff = QStringLiteral("Scrolling Off");
const QString kScrollingOn = QStringLiteral("Scrolling On");

} // namespace

// The menus in menu order. Captions as the user sees them ("&&" shows one
// "&"; trailing blanks are part of the caption).
static const QList<MDIFitness::MenuEntry> &menuTable()
{
    using E = MDIFitness::MenuEntry;
    static const QList<E> table = {
        {"itmFile", "File", nullptr, E::Menu},
        {"itmQuote", "Quote", "itmFile", E::Quote},
        {"itmDashOne", "-", "itmFile", E::Separator},
        {"itmPersonal", "Setup", "itmFile", E::HandOver, false, "frmPersonalInformation"},
        {"itmGoal", "Goal Setting", "itmFile", E::HandOver, true, "frmGoals"},
        {"itmDashTwo", "-", "itmFile", E::Separator},
        {"itmPrintForm", "Printable Stats", "itmFile", E::HandOver, true, "frmPrintPreview"},
        {"itmDashThree", "-", "itmFile", E::Separator},
        {"itmExit", "Exit", "itmFile", E::Exit},

        {"itmEdit", "Edit", nullptr, E::Menu},
        {"itmEditEx", "Edit Exercise", "itmEdit", E::HandOver, true, nullptr, E::Nothing, true, true},
        {"itmDashEleven", "-", "itmEdit", E::Separator, false, nullptr, E::Nothing, true},
        {"itmDel", "Delete Excercise", "itmEdit", E::HandOver, true, "frmDelete"},
        {"itmDeleteFood", "Delete Food", "itmEdit", E::HandOver, true, "frmFoodDelete"},

        {"itmChart", "Charting", nullptr, E::Menu},
        {"itmEnterPA", "Physcal Actvity", "itmChart", E::Menu},
        {"itmWLifting", "Weightlifting", "itmEnterPA", E::Menu},
        {"itmBiceps", "Biceps", "itmWLifting", E::HandOver, true, "frmEnterData"},
        {"itmTriceps", "Triceps", "itmWLifting", E::HandOver, true, "frmEnterData"},
        {"itmShoulders", "Shoulders", "itmWLifting", E::HandOver, true, "frmEnterData"},
        {"itmBack", "Back", "itmWLifting", E::HandOver, true, "frmEnterData"},
        {"itmChest", "Chest", "itmWLifting", E::HandOver, true, "frmEnterData"},
        {"itmLegs", "Legs", "itmWLifting", E::HandOver, true, "frmEnterData"},
        {"itmSpaceBar", "-", "itmEnterPA", E::Separator},
        {"itmCExcercise", "Cardio", "itmEnterPA", E::Menu},
        {"itmIn", "Indoor Activities", "itmCExcercise", E::HandOver, true, "frmEnterAero"},
        {"itmOut", "Outdoor Activities", "itmCExcercise", E::HandOver, true, "frmEnterAero"},
        {"itmAqua", "Aquatic Activities", "itmCExcercise", E::HandOver, true, "frmEnterAero"},
        {"itmDashSix", "-", "itmEnterPA", E::Separator, false, nullptr, E::Nothing, true},
        {"itmAbd", "Abdomens", "itmEnterPA", E::HandOver, true, nullptr, E::Nothing, true},
        {"itmDashTwelve", "-", "itmEnterPA", E::Separator, false, nullptr, E::Nothing, true},
        {"itmEnterFI", "Food Consumption", "itmChart", E::Menu},
        {"itmMilk", "Milk", "itmEnterFI", E::HandOver, true, "frmFoodEntry"},
        {"itmMeat", "Meat", "itmEnterFI", E::HandOver, true, "frmFoodEntry"},
        {"itmVegFruit", "Veggie's && Fruit", "itmEnterFI", E::HandOver, true, "frmFoodEntry"},
        {"itmGrain", "Grain", "itmEnterFI", E::HandOver, true, "frmFoodEntry"},
        {"itmOther", "Other", "itmEnterFI", E::HandOver, true, "frmFoodEntry"},
        {"itmEnterWeight", "Body Weight Progression", "itmChart", E::HandOver, true, "frmPersonalInformation",
         E::WeightOnly},

        {"itmView", "Results", nullptr, E::Menu},
        {"itmWeight", "WeightLifting ", "itmView", E::HandOver, true, "frmChartInfo"},
        {"itmAero", "Cardio ", "itmView", E::HandOver, true, "frmChartInfo"},
        {"itmDashFive", "-", "itmView", E::Separator},
        {"itmBWG", "Body Weight ", "itmView", E::HandOver, true, "frmChartBMI"},
        {"itmCalories", "Energy Utilization", "itmView", E::HandOver, true, "frmCalDate"},
        {"itmFoodPieChart", "Food (Pie Chart)", "itmView", E::HandOver, false, "frmFoodPieChart"},
        {"itmDashSeven", "-", "itmView", E::Separator},
        {"itmDashTen", "-", "itmView", E::Separator, false, nullptr, E::Nothing, true},
        {"itmFoodView", "Food Consumption", "itmView", E::HandOver, false, "frmPrintPreview", E::FoodsReport},
        {"itmAbdGraph", "Abdomen", "itmView", E::HandOver, true, "frmChartBMI", E::Nothing, true},

        {"itmCustomizable", "Customize", nullptr, E::Menu},
        {"itmWeightlifting", "Weightlifing", "itmCustomizable", E::Menu},
        {"itmPick", "Pick From List", "itmWeightlifting", E::HandOver, false, "frmPickOwn"},
        {"itmMake", "Make Your Own", "itmWeightlifting", E::HandOver, false, "frmMakeOwn"},
        {"itmDashFour", "-", "itmCustomizable", E::Separator},
        {"itmAerobic", "Aerobic", "itmCustomizable", E::Menu},
        {"itmPickA", "Pick From List", "itmAerobic", E::HandOver, false, "frmPickAero"},
        {"itmMakeA", "Make Your Own", "itmAerobic", E::HandOver, false, "frmMakeOwnAero"},
        {"itmDashEight", "-", "itmCustomizable", E::Separator},
        {"itmFood", "Food", "itmCustomizable", E::HandOver, true, "frmFood"},

        {"itmHelp", "Help", nullptr, E::Menu},
        {"itmTut", "Tutorial", "itmHelp", E::HandOver, true, "frmWebBrowser"},
        {"itemDashNine", "-", "itmHelp", E::Separator},
        {"itmGL", "About Kestrava Pulsar", "itmHelp", E::HandOver, true, "frmAbout"},
        {"dashtwelve", "-", "itmHelp", E::Separator},
        {"itmScrolling", "Scrolling Off", "itmHelp", E::Scrolling},
    };
    return table;
}

static const MDIFitness::MenuEntry *findEntry(const QString &name)
{
    for (const auto &e : menuTable()) {
        if (name == QLatin1String(e.name))
            return &e;
    }
    return nullptr;
}

const QStringList &MDIFitness::unloadOrder()
{
    static const QStringList order = {
        QStringLiteral("frmFood"),         QStringLiteral("frmEnterData"),   QStringLiteral("frmIntroPage"),
        QStringLiteral("frmMakeOwn"),      QStringLiteral("frmPersonalInformation"),
        QStringLiteral("frmPickOwn"),      QStringLiteral("frmChartInfo"),   QStringLiteral("frmEnterAero"),
        QStringLiteral("frmFitnessGraph"), QStringLiteral("frmChartBMI"),    QStringLiteral("frmFitnessBMI"),
        QStringLiteral("frmFoodEntry"),    QStringLiteral("frmMakeOwnAero"), QStringLiteral("frmPickAero"),
        QStringLiteral("frmCalDate"),      QStringLiteral("frmPrintPreview"), QStringLiteral("frmRTF"),
        QStringLiteral("frmAbout"),        QStringLiteral("frmGoals"),       QStringLiteral("frmDelete"),
        QStringLiteral("frmFoodPieChart"), QStringLiteral("frmWebBrowser"),  QStringLiteral("frmFoodDelete"),
    };
    return order;
}

// The order in which closing the main window unloads what is still loaded.
static const QStringList &closeOrder()
{
    static const QStringList order = {
        QStringLiteral("frmEnterData"),    QStringLiteral("frmIntroPage"),   QStringLiteral("frmMakeOwn"),
        QStringLiteral("frmPersonalInformation"), QStringLiteral("frmPickOwn"), QStringLiteral("frmChartInfo"),
        QStringLiteral("frmEnterAero"),    QStringLiteral("frmFitnessGraph"), QStringLiteral("frmChartBMI"),
        QStringLiteral("frmFitnessBMI"),   QStringLiteral("frmFoodEntry"),   QStringLiteral("frmMakeOwnAero"),
        QStringLiteral("frmPickAero"),     QStringLiteral("frmCalDate"),     QStringLiteral("frmFoodPieChart"),
        QStringLiteral("frmPrintPreview"), QStringLiteral("frmRTF"),         QStringLiteral("frmAbout"),
        QStringLiteral("frmGoals"),        QStringLiteral("frmDelete"),      QStringLiteral("frmFoodDelete"),
        QStringLiteral("frmWebBrowser"),
    };
    return order;
}

MDIFitness::MDIFitness(std::unique_ptr<Settings> settings, QString dataFolder, WindowRegistry registry,
                       TodayFunction today, QWidget *parent)
    : QMainWindow(parent),
      m_settings(std::move(settings)),
      m_dataFolder(std::move(dataFolder)),
      m_registry(std::move(registry)),
      m_today(std::move(today))
{
    ShellStyle::install();
    setObjectName(QStringLiteral("MDIFitness"));
    setWindowTitle(QStringLiteral("Kestrava Pulsar 3.0"));
    m_area = new WorkArea(this);
    m_area->setObjectName(QStringLiteral("workArea"));
    setCentralWidget(m_area);
    connect(m_area, &QMdiArea::subWindowActivated, this, &MDIFitness::subWindowActivated);
    menuBar()->setNativeMenuBar(false);
    if (QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(programIcon());
    buildMenus();
    mFormProcedures::attach(this);
    // A setting that could not be stored is told once the action that
    // wrote it is done: one message however many values it wrote.
    m_settings->onFailure([this] { QTimer::singleShot(0, this, &MDIFitness::tellSettingsFailure); });
}

void MDIFitness::tellSettingsFailure()
{
    const QString failure = m_settings->takeFailure();
    if (!failure.isEmpty())
        MsgBox::show(failure);
}

MDIFitness::~MDIFitness()
{
    if (!m_closed) {
        m_closed = true;
        unloadAll(closeOrder());
    }
    if (mFormProcedures::attachedShell() == this)
        mFormProcedures::attach(nullptr);
    // The work area and its sub-windows go while this object is still whole.
    disconnect(m_area, nullptr, this, nullptr);
    delete m_area;
    m_area = nullptr;
}

void MDIFitness::buildMenus()
{
    QHash<QString, QMenu *> menus;
    const bool scrolling = mFormProcedures::scrollingOn(*m_settings);
    for (const MenuEntry &e : menuTable()) {
        const QString name = QLatin1String(e.name);
        const QString caption = QString::fromUtf8(e.caption);
        QAction *action = nullptr;
        if (e.kind == MenuEntry::Menu) {
            QMenu *menu = e.parent ? menus.value(QLatin1String(e.parent))->addMenu(caption)
                                   : menuBar()->addMenu(caption);
            menu->setObjectName(name);
            menus.insert(name, menu);
            action = menu->menuAction();
        } else {
            QMenu *menu = menus.value(QLatin1String(e.parent));
            action = new QAction(caption, menu);
            if (e.kind == MenuEntry::Separator) {
                // A separator is drawn as a line; its "-" caption would be
                // drawn beside it.
                action->setSeparator(true);
                action->setText(QString());
            }
            menu->addAction(action);
        }
        action->setObjectName(name);
        action->setVisible(!e.hidden);
        action->setEnabled(!e.disabled);
        // Only the items whose handler sets a mark can carry one.
        const bool checkable = (e.kind == MenuEntry::HandOver && e.checksItself) || e.kind == MenuEntry::Scrolling;
        action->setCheckable(checkable);
        if (e.kind == MenuEntry::Scrolling) {
            // The caption names what the next click does; the mark shows the
            // animations are on. Both follow the stored value.
            action->setText(scrolling ? kScrollingOff : kScrollingOn);
            action->setChecked(scrolling);
        }
        if (e.kind != MenuEntry::Menu && e.kind != MenuEntry::Separator) {
            connect(action, &QAction::triggered, this,
                    [this, name](bool checked) { itemTriggered(name, checked); });
        }
        m_items.insert(name, action);
        m_itemOrder << name;
    }
}

void MDIFitness::itemTriggered(const QString &name, bool checkedByQt)
{
    // Qt has already toggled a checkable item; the handler sets the marks
    // itself, so the toggle is undone before anything else runs.
    QAction *action = m_items.value(name);
    if (action && action->isCheckable())
        action->setChecked(!checkedByQt);
    click(name);
}

void MDIFitness::click(const QString &name)
{
    const MenuEntry *e = findEntry(name);
    if (!e)
        return;
    switch (e->kind) {
    case MenuEntry::HandOver:
        handOver(*e);
        break;
    case MenuEntry::Quote:
        quote();
        break;
    case MenuEntry::Exit:
        exitProgram();
        break;
    case MenuEntry::Scrolling:
        toggleScrolling();
        break;
    case MenuEntry::Menu:
    case MenuEntry::Separator:
        break;
    }
}

QString MDIFitness::itemTarget(const QString &name) const
{
    const MenuEntry *e = findEntry(name);
    if (!e)
        return QString();
    if (e->kind == MenuEntry::Quote)
        return kIntroPage;
    return e->kind == MenuEntry::HandOver && e->target ? QLatin1String(e->target) : QString();
}

void MDIFitness::handOver(const MenuEntry &entry)
{
    const QString name = QLatin1String(entry.name);
    unloadForm();
    uncheck();
    if (entry.checksItself)
        setChecked(name, true);
    if (!entry.target)
        return; // a window the program does not have
    WorkingWindow *window = loadForm(QLatin1String(entry.target));
    if (!window)
        return;
    if (entry.after == MenuEntry::WeightOnly)
        weightOnlyMode(window);
    else if (entry.after == MenuEntry::FoodsReport)
        chooseFoodsReport(window);
}

void MDIFitness::weightOnlyMode(WorkingWindow *window)
{
    if (auto *weight = window->findChild<QLineEdit *>(QStringLiteral("txtWeight"))) {
        weight->setFocus(Qt::OtherFocusReason);
        weight->setSelection(0, weight->text().length());
    }
    static const char *const disabled[] = {"txtAge",      "txtFName",    "txtHeight",   "txtInches",
                                           "txtLName",    "cboSex",      "lblLabel(0)", "lblLabel(1)",
                                           "lblLabel(4)", "lblLabel(5)", "lblLabel(6)"};
    for (const char *controlName : disabled) {
        if (auto *control = window->findChild<QWidget *>(QLatin1String(controlName)))
            control->setEnabled(false);
    }
}

void MDIFitness::chooseFoodsReport(WorkingWindow *window)
{
    // The same as the user's click on the foods report option.
    if (auto *option = window->findChild<QAbstractButton *>(QStringLiteral("chkType(2)")))
        option->click();
}

void MDIFitness::quote()
{
    unloadForm();
    unloadWindow(kIntroPage);
    ShowIntroPage();
}

void MDIFitness::exitProgram()
{
    // Every loaded window in the order they were loaded, then the main window.
    const QList<WorkingWindow *> windows = m_loaded;
    for (WorkingWindow *w : windows) {
        if (m_loaded.contains(w))
            unloadWindow(w->objectName());
    }
    close();
}

void MDIFitness::toggleScrolling()
{
    QAction *action = m_items.value(kScrollingItem);
    if (action->text() != kScrollingOff) {
        action->setChecked(true);
        action->setText(kScrollingOff);
        m_settings->set(SettingKeys::Fitness, SettingKeys::Scrolling, QStringLiteral("True"));
    } else {
        action->setChecked(false);
        action->setText(kScrollingOn);
        m_settings->set(SettingKeys::Fitness, SettingKeys::Scrolling, QStringLiteral("False"));
    }
}

void MDIFitness::ShowIntroPage()
{
    loadForm(kIntroPage);
}

void MDIFitness::start()
{
    // The window's width is 12000 twips until it is maximised; it takes the
    // screen at once, so the start-up page is centred on the final area.
    resize(Twips::toPixels(12000), height() > 100 ? height() : 600);
    if (QScreen *s = screen())
        setGeometry(s->availableGeometry());
    showMaximized();
    ShowIntroPage();
}

// Shell --------------------------------------------------------------------

bool MDIFitness::isChecked(const QString &itemName) const
{
    const QAction *action = m_items.value(itemName);
    return action && action->isChecked();
}

void MDIFitness::setChecked(const QString &itemName, bool checked)
{
    if (QAction *action = m_items.value(itemName))
        action->setChecked(checked);
}

void MDIFitness::uncheck()
{
    // Help > Scrolling keeps its mark: it shows the stored switch.
    for (auto it = m_items.cbegin(); it != m_items.cend(); ++it) {
        if (it.key() != kScrollingItem)
            it.value()->setChecked(false);
    }
}

void MDIFitness::unloadForm()
{
    unloadAll(unloadOrder());
}

void MDIFitness::unloadAll(const QStringList &order)
{
    for (const QString &name : order)
        unloadWindow(name);
    // Windows of other names close too, so at most one stays open.
    const QList<WorkingWindow *> rest = m_loaded;
    for (WorkingWindow *w : rest) {
        if (m_loaded.contains(w))
            unloadWindow(w->objectName());
    }
}

WorkingWindow *MDIFitness::form(const QString &name) const
{
    for (WorkingWindow *w : m_loaded) {
        if (w->objectName() == name)
            return w;
    }
    return nullptr;
}

QList<WorkingWindow *> MDIFitness::loadedWindows() const
{
    return m_loaded;
}

WorkingWindow *MDIFitness::loadForm(const QString &name)
{
    if (WorkingWindow *loaded = form(name))
        return loaded;
    WorkingWindow *window = m_registry.create(name, *this);
    if (!window)
        return nullptr;
    auto *frame = new QMdiSubWindow;
    frame->setObjectName(name + QStringLiteral("Frame"));
    frame->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    frame->setWidget(window);
    m_area->addSubWindow(frame);
    frame->hide();
    frame->installEventFilter(this);
    window->attach(frame);
    m_loaded << window;

    QPointer<WorkingWindow> guard(window);
    QPointer<WorkingWindow> outerLoading = m_loading;
    const bool outerActivate = m_activateAfterLoad;
    m_loading = window;
    m_activateAfterLoad = false;
    QString failure;
    try {
        window->Form_Load();
    } catch (const RecordFileError &error) {
        failure = error.message();
    } catch (const std::exception &error) {
        failure = QString::fromLocal8Bit(error.what());
    }
    const bool activate = m_activateAfterLoad;
    m_loading = outerLoading;
    m_activateAfterLoad = outerActivate;
    if (!failure.isEmpty()) {
        MsgBox::show(failure);
        if (guard)
            unloadWindow(name);
        return nullptr;
    }
    if (!guard || !m_loaded.contains(window))
        return nullptr; // it unloaded itself while loading
    if (frame->isHidden())
        window->showWindow();
    if (activate && m_active == window && !window->isUnloading())
        window->Form_Activate();
    return window;
}

void MDIFitness::unloadWindow(const QString &name)
{
    WorkingWindow *window = form(name);
    if (!window || window->isUnloading())
        return;
    window->setUnloading(true);
    QPointer<WorkingWindow> guard(window);
    try {
        window->Form_Unload();
    } catch (const RecordFileError &error) {
        MsgBox::show(error.message());
    } catch (const std::exception &error) {
        MsgBox::show(QString::fromLocal8Bit(error.what()));
    }
    m_loaded.removeAll(window);
    if (!guard)
        return;
    if (m_active == window)
        m_active = nullptr;
    if (QMdiSubWindow *frame = window->frame()) {
        frame->removeEventFilter(this);
        frame->hide();
        // Destroyed once the event that unloaded it is done: the unload may
        // come from one of the window's own controls.
        frame->deleteLater();
    } else {
        window->deleteLater();
    }
}

int MDIFitness::mainWidthTwips() const
{
    return Twips::fromPixels(m_area->viewport()->width());
}

int MDIFitness::mainHeightTwips() const
{
    return Twips::fromPixels(m_area->viewport()->height());
}

Settings &MDIFitness::settings() const
{
    return *m_settings;
}

QString MDIFitness::dataFolder() const
{
    return m_dataFolder;
}

QDate MDIFitness::today() const
{
    return m_today ? m_today() : QDate::currentDate();
}

QWidget *MDIFitness::mainWidget() const
{
    return const_cast<MDIFitness *>(this);
}

QAction *MDIFitness::item(const QString &name) const
{
    return m_items.value(name);
}

QStringList MDIFitness::itemNames() const
{
    return m_itemOrder;
}

QMdiArea *MDIFitness::workArea() const
{
    return m_area;
}

// Events -------------------------------------------------------------------

void MDIFitness::closeEvent(QCloseEvent *event)
{
    // Every working window closes through its own unload handler while the
    // main window is still whole.
    if (!m_closed) {
        m_closed = true;
        unloadAll(closeOrder());
    }
    // The windows' last settings, written as they closed, are told now:
    // the program may end before the next event.
    tellSettingsFailure();
    event->accept();
}

void MDIFitness::keepMaximised()
{
    if (m_closed || !isVisible())
        return;
    const Qt::WindowStates state = windowState();
    if (state & Qt::WindowMinimized)
        return;
    if (!(state & Qt::WindowMaximized))
        setWindowState((state & ~Qt::WindowFullScreen) | Qt::WindowMaximized);
    // Without a window manager nobody acts on the maximised state; the
    // window then takes the screen itself.
    QTimer::singleShot(200, this, &MDIFitness::fillScreen);
}

void MDIFitness::fillScreen()
{
    if (m_closed || !isVisible() || (windowState() & Qt::WindowMinimized) || !screen())
        return;
    const QRect available = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    if (frame.width() < available.width() - 16 || frame.height() < available.height() - 48)
        setGeometry(available);
}

void MDIFitness::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        QTimer::singleShot(0, this, &MDIFitness::keepMaximised);
}

void MDIFitness::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    QTimer::singleShot(0, this, &MDIFitness::keepMaximised);
}

bool MDIFitness::eventFilter(QObject *watched, QEvent *event)
{
    // The close box of a working window unloads it like its own Back button.
    if (event->type() == QEvent::Close) {
        if (auto *frame = qobject_cast<QMdiSubWindow *>(watched)) {
            if (auto *window = qobject_cast<WorkingWindow *>(frame->widget())) {
                event->ignore();
                unloadWindow(window->objectName());
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MDIFitness::subWindowActivated(QMdiSubWindow *frame)
{
    // No active sub-window means the program lost the focus (a message box,
    // another program); that is no change between working windows.
    WorkingWindow *window = frame ? qobject_cast<WorkingWindow *>(frame->widget()) : nullptr;
    if (!window || window == m_active)
        return;
    QPointer<WorkingWindow> previous = m_active;
    m_active = window;
    if (previous && !previous->isUnloading() && m_loaded.contains(previous))
        previous->Form_Deactivate();
    // A window that shows itself in its load handler is activated once the
    // handler is done.
    if (window == m_loading)
        m_activateAfterLoad = true;
    else if (!window->isUnloading() && m_loaded.contains(window))
        window->Form_Activate();
}
