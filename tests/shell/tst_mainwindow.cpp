#include "FakeWindow.h"
#include "support/ShellFixture.h"
#include "support/TestEnvironment.h"

#include "common/RecordFileError.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "shell/MDIFitness.h"
#include "shell/TextBox.h"
#include "shell/frmIntroPage.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

namespace {

// Every window a menu item opens.
const QStringList kTargets = {
    "frmPersonalInformation", "frmGoals",     "frmPrintPreview", "frmDelete",    "frmFoodDelete",
    "frmEnterData",           "frmEnterAero", "frmFoodEntry",    "frmChartInfo", "frmChartBMI",
    "frmCalDate",             "frmFoodPieChart", "frmPickOwn",   "frmMakeOwn",   "frmPickAero",
    "frmMakeOwnAero",         "frmFood",      "frmWebBrowser",   "frmAbout",
};

// Every item that can carry a mark, Help > Scrolling left out.
const QStringList kMarks = {
    "itmGoal",  "itmPrintForm", "itmEditEx", "itmDel",    "itmDeleteFood", "itmBiceps",   "itmTriceps",
    "itmShoulders", "itmBack",  "itmChest",  "itmLegs",   "itmIn",         "itmOut",      "itmAqua",
    "itmAbd",   "itmMilk",      "itmMeat",   "itmVegFruit", "itmGrain",    "itmOther",    "itmEnterWeight",
    "itmWeight", "itmAero",     "itmBWG",    "itmCalories", "itmAbdGraph", "itmFood",     "itmTut",
    "itmGL",
};

// Every window the main window closes by name, in an order that is none of
// its closing orders.
const QStringList kLoadOrder = {
    "frmWebBrowser", "frmRTF",       "frmPickOwn",      "frmFoodPieChart", "frmFitnessBMI",  "frmDelete",
    "frmAbout",      "frmIntroPage", "frmMakeOwnAero",  "frmFoodEntry",    "frmChartBMI",    "frmGoals",
    "frmFood",       "frmEnterData", "frmPrintPreview", "frmPickAero",     "frmEnterAero",   "frmFoodDelete",
    "frmMakeOwn",    "frmCalDate",   "frmFitnessGraph", "frmChartInfo",    "frmPersonalInformation",
};

// The start-up page with a fixed draw.
WindowRegistry::Registrar introPage(int draw = 5)
{
    return [draw](WindowRegistry &registry) {
        registry.add(frmIntroPage::kName, [draw](Shell &shell) { return new frmIntroPage(shell, [draw] { return draw; }); });
    };
}

// A stand-in for the profile window with the controls the weight-only
// mode touches.
class ProfileStandIn : public WorkingWindow
{
public:
    explicit ProfileStandIn(Shell &shell) : WorkingWindow(shell)
    {
        for (const char *name : {"txtAge", "txtFName", "txtHeight", "txtInches", "txtLName", "txtWeight"})
            new TextBox(this, QLatin1String(name));
        findChild<TextBox *>("txtWeight")->setText("150");
        (new QComboBox(this))->setObjectName("cboSex");
        for (int i = 0; i <= 6; ++i)
            (new QLabel(this))->setObjectName(QStringLiteral("lblLabel(%1)").arg(i));
        for (const char *name : {"vsWeight", "vsAge", "vsFeet", "vsInches"})
            (new QScrollBar(this))->setObjectName(QLatin1String(name));
    }
};

// A stand-in for the report-choice dialog: records the clicks on the foods
// report option and whether the dialog had loaded by then.
class ReportChoiceStandIn : public WorkingWindow
{
public:
    ReportChoiceStandIn(Shell &shell, QStringList *log) : WorkingWindow(shell), m_log(log)
    {
        auto *foods = new QRadioButton("Foods", this);
        foods->setObjectName("chkType(2)");
        connect(foods, &QRadioButton::clicked, this, [this] { *m_log << (m_loaded ? "click after load" : "click"); });
    }
    void Form_Load() override
    {
        m_loaded = true;
        *m_log << "load";
    }

private:
    QStringList *m_log;
    bool m_loaded = false;
};

// Throws from its load handler, as a window whose file cannot be read does.
class FailingWindow : public WorkingWindow
{
public:
    using WorkingWindow::WorkingWindow;
    void Form_Load() override
    {
        throw RecordFileError(RecordFileError::PastEnd, "PersonalInformation.txt", "input past end of file", 3);
    }
};

// Looks at the main window from inside its unload handler.
class UnloadWitness : public WorkingWindow
{
public:
    UnloadWitness(Shell &shell, QStringList *log) : WorkingWindow(shell), m_log(log) {}
    void Form_Unload() override
    {
        *m_log << QStringLiteral("unload with %1 windows, title %2")
                      .arg(shell().loadedWindows().size())
                      .arg(shell().mainWidget()->windowTitle());
    }

private:
    QStringList *m_log;
};

// Writes its load, activation and deactivation into the log.
class ActivationWitness : public WorkingWindow
{
public:
    ActivationWitness(Shell &shell, QStringList *log) : WorkingWindow(shell), m_log(log) {}
    void Form_Load() override
    {
        *m_log << "load " + objectName();
        showWindow();
        *m_log << "loaded " + objectName();
    }
    void Form_Activate() override { *m_log << "activate " + objectName(); }
    void Form_Deactivate() override { *m_log << "deactivate " + objectName(); }

private:
    QStringList *m_log;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menuItemsHaveTheirCaptionsAndStartUpStates()
    {
        ShellFixture fixture;
        MDIFitness &main = fixture.main();
        QCOMPARE(main.windowTitle(), QStringLiteral("Kestrava Pulsar 3.0"));
        QCOMPARE(main.itemNames().size(), 65);
        QCOMPARE(main.item("itmVegFruit")->text(), QStringLiteral("Veggie's && Fruit"));
        QCOMPARE(main.item("itmWeight")->text(), QStringLiteral("WeightLifting "));
        QCOMPARE(main.item("itmBWG")->text(), QStringLiteral("Body Weight "));
        QCOMPARE(main.item("itmEnterPA")->text(), QStringLiteral("Physcal Actvity"));
        QVERIFY(main.item("itmDashOne")->isSeparator());

        QStringList hidden;
        QStringList disabled;
        QStringList checkable;
        for (const QString &name : main.itemNames()) {
            QAction *a = main.item(name);
            QCOMPARE(a->objectName(), name);
            if (!a->isVisible())
                hidden << name;
            if (a->isVisible() && !a->isEnabled())
                disabled << name;
            if (a->isCheckable())
                checkable << name;
        }
        QCOMPARE(hidden, (QStringList{"itmEditEx", "itmDashEleven", "itmDashSix", "itmAbd", "itmDashTwelve",
                                      "itmDashTen", "itmAbdGraph"}));
        QCOMPARE(disabled, QStringList());
        // Edit > Edit Exercise stays disabled even when shown (Qt counts
        // every hidden item as disabled).
        main.item("itmEditEx")->setVisible(true);
        QVERIFY(!main.item("itmEditEx")->isEnabled());
        main.item("itmAbd")->setVisible(true);
        QVERIFY(main.item("itmAbd")->isEnabled());
        QStringList expected = kMarks;
        expected << "itmScrolling";
        std::sort(expected.begin(), expected.end());
        std::sort(checkable.begin(), checkable.end());
        QCOMPARE(checkable, expected);
        QCOMPARE(fixture.checkedItems(), QStringList());
    }

    void handOverOpensExactlyItsTarget_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("mark");
        const QList<QStringList> rows = {
            {"itmPersonal", "frmPersonalInformation", ""},
            {"itmGoal", "frmGoals", "itmGoal"},
            {"itmPrintForm", "frmPrintPreview", "itmPrintForm"},
            {"itmEditEx", "", "itmEditEx"},
            {"itmDel", "frmDelete", "itmDel"},
            {"itmDeleteFood", "frmFoodDelete", "itmDeleteFood"},
            {"itmBiceps", "frmEnterData", "itmBiceps"},
            {"itmTriceps", "frmEnterData", "itmTriceps"},
            {"itmShoulders", "frmEnterData", "itmShoulders"},
            {"itmBack", "frmEnterData", "itmBack"},
            {"itmChest", "frmEnterData", "itmChest"},
            {"itmLegs", "frmEnterData", "itmLegs"},
            {"itmIn", "frmEnterAero", "itmIn"},
            {"itmOut", "frmEnterAero", "itmOut"},
            {"itmAqua", "frmEnterAero", "itmAqua"},
            {"itmAbd", "", "itmAbd"},
            {"itmMilk", "frmFoodEntry", "itmMilk"},
            {"itmMeat", "frmFoodEntry", "itmMeat"},
            {"itmVegFruit", "frmFoodEntry", "itmVegFruit"},
            {"itmGrain", "frmFoodEntry", "itmGrain"},
            {"itmOther", "frmFoodEntry", "itmOther"},
            {"itmEnterWeight", "frmPersonalInformation", "itmEnterWeight"},
            {"itmWeight", "frmChartInfo", "itmWeight"},
            {"itmAero", "frmChartInfo", "itmAero"},
            {"itmBWG", "frmChartBMI", "itmBWG"},
            {"itmCalories", "frmCalDate", "itmCalories"},
            {"itmFoodPieChart", "frmFoodPieChart", ""},
            {"itmFoodView", "frmPrintPreview", ""},
            {"itmAbdGraph", "frmChartBMI", "itmAbdGraph"},
            {"itmPick", "frmPickOwn", ""},
            {"itmMake", "frmMakeOwn", ""},
            {"itmPickA", "frmPickAero", ""},
            {"itmMakeA", "frmMakeOwnAero", ""},
            {"itmFood", "frmFood", "itmFood"},
            {"itmTut", "frmWebBrowser", "itmTut"},
            {"itmGL", "frmAbout", "itmGL"},
        };
        for (const QStringList &r : rows)
            QTest::newRow(qPrintable(r[0])) << r[0] << r[1] << r[2];
    }
    void handOverOpensExactlyItsTarget()
    {
        QFETCH(QString, item);
        QFETCH(QString, target);
        QFETCH(QString, mark);
        auto log = std::make_shared<FakeLog>();
        ShellFixture fixture({fakeWindows(log, kTargets, kMarks)});
        // Something else is open and marked before the hand-over.
        fixture.click("itmChest");
        QCOMPARE(fixture.loadedNames(), QStringList{"frmEnterData"});
        log->events.clear();

        fixture.click(item);

        const QStringList expectedMarks = mark.isEmpty() ? QStringList() : QStringList{mark};
        QCOMPARE(fixture.loadedNames(), target.isEmpty() ? QStringList() : QStringList{target});
        QCOMPARE(fixture.checkedItems(), expectedMarks);
        QCOMPARE(log->unloads("frmEnterData"), 1);
        if (!target.isEmpty()) {
            QCOMPARE(log->marksAtLoad.value(target), expectedMarks);
            QVERIFY(fixture.window(target)->isShownWindow());
            // Grown by the open animation, painted and centred.
            QCOMPARE(fixture.window(target)->heightTwips(), 5040);
            QVERIFY(fixture.window(target)->hasGradient());
        }
        QVERIFY(fixture.messages().isEmpty());
    }

    void aUsersClickSetsTheMarksOnlyThroughTheHandler()
    {
        auto log = std::make_shared<FakeLog>();
        ShellFixture fixture({fakeWindows(log, kTargets, kMarks)});
        // Qt toggles a checkable item before its handler runs; the window
        // that closes must not see the new mark, the one that opens must.
        QVERIFY(fixture.trigger("itmBiceps"));
        QVERIFY(fixture.trigger("itmBiceps"));
        QCOMPARE(fixture.checkedItems(), QStringList{"itmBiceps"});
        QCOMPARE(log->marksAtLoad.value("frmEnterData"), QStringList{"itmBiceps"});
        QVERIFY(fixture.trigger("itmPersonal"));
        QCOMPARE(fixture.checkedItems(), QStringList());
        QVERIFY(!fixture.trigger("itmEditEx")); // disabled
    }

    void theSameItemTwiceGivesAFreshWindow()
    {
        auto log = std::make_shared<FakeLog>();
        ShellFixture fixture({fakeWindows(log, kTargets, kMarks)});
        fixture.click("itmGoal");
        QPointer<WorkingWindow> first = fixture.window("frmGoals");
        first->setProperty("changed", true);
        fixture.click("itmGoal");
        ShellFixture::settle();
        QVERIFY(first.isNull());
        WorkingWindow *second = fixture.window("frmGoals");
        QVERIFY(second);
        QVERIFY(!second->property("changed").isValid());
        QCOMPARE(log->events, (QStringList{"load frmGoals", "unload frmGoals", "load frmGoals"}));
        QCOMPARE(fixture.checkedItems(), QStringList{"itmGoal"});
    }

    void startUpPageClosingClosesEachWindowOnce()
    {
        auto log = std::make_shared<FakeLog>();
        ShellFixture fixture({fakeWindows(log, kTargets, kMarks), introPage()});
        fixture.main().ShowIntroPage();
        // Windows loaded beside the page, before and after it in UnloadForm's order.
        fixture.main().loadForm("frmFood");
        fixture.main().loadForm("frmGoals");
        fixture.main().loadForm("frmDelete");
        log->events.clear();

        QVERIFY(fixture.trigger("itmBiceps"));

        QCOMPARE(fixture.loadedNames(), QStringList{"frmEnterData"});
        QCOMPARE(fixture.checkedItems(), QStringList{"itmBiceps"});
        QCOMPARE(log->events,
                 (QStringList{"unload frmFood", "unload frmGoals", "unload frmDelete", "load frmEnterData"}));
    }

    void quoteClosesTheWindowAndTheMarksGoWithThePage()
    {
        auto log = std::make_shared<FakeLog>();
        ShellFixture fixture({fakeWindows(log, kTargets, kMarks), introPage()});
        fixture.click("itmMilk");
        QVERIFY(fixture.trigger("itmQuote"));
        QCOMPARE(fixture.loadedNames(), QStringList{"frmIntroPage"});
        QCOMPARE(log->unloads("frmFoodEntry"), 1);
        // The marks stay until the page closes.
        QCOMPARE(fixture.checkedItems(), QStringList{"itmMilk"});

        // Quote again while the page shows: a new page.
        QPointer<WorkingWindow> page = fixture.window("frmIntroPage");
        QVERIFY(fixture.trigger("itmQuote"));
        ShellFixture::settle();
        QVERIFY(page.isNull());
        QVERIFY(fixture.window("frmIntroPage"));
        QCOMPARE(fixture.checkedItems(), QStringList());

        auto *intro = static_cast<frmIntroPage *>(fixture.window("frmIntroPage"));
        intro->Timer1_Timer();
        QCOMPARE(fixture.loadedNames(), QStringList());
    }

    void exitUnloadsEveryWindowAndClosesTheMain()
    {
        auto log = std::make_shared<FakeLog>();
        ShellFixture fixture({fakeWindows(log, kTargets, kMarks)});
        fixture.main().loadForm("frmChartInfo");
        fixture.main().loadForm("frmFitnessGraph"); // not registered: nothing
        fixture.main().loadForm("frmFood");
        fixture.click("itmScrolling"); // no hand-over
        QCOMPARE(fixture.loadedNames(), (QStringList{"frmChartInfo", "frmFood"}));
        log->events.clear();
        QVERIFY(fixture.trigger("itmExit"));
        // In the order they were loaded.
        QCOMPARE(log->events, (QStringList{"unload frmChartInfo", "unload frmFood"}));
        QVERIFY(fixture.loadedNames().isEmpty());
        QVERIFY(!fixture.main().isVisible());
    }

    // Every working window loaded at once (in an order of their own), then
    // closed: UnloadForm and the main window's closing each go by their fixed
    // order, File > Exit by the order the windows were loaded.
    void windowsCloseInTheirOrder_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("UnloadForm") << "UnloadForm"
                                    << QStringList{"frmFood",         "frmEnterData",    "frmIntroPage",
                                                   "frmMakeOwn",      "frmPersonalInformation",
                                                   "frmPickOwn",      "frmChartInfo",    "frmEnterAero",
                                                   "frmFitnessGraph", "frmChartBMI",     "frmFitnessBMI",
                                                   "frmFoodEntry",    "frmMakeOwnAero",  "frmPickAero",
                                                   "frmCalDate",      "frmPrintPreview", "frmRTF",
                                                   "frmAbout",        "frmGoals",        "frmDelete",
                                                   "frmFoodPieChart", "frmWebBrowser",   "frmFoodDelete"};
        QTest::newRow("closing the main window")
            << "close"
            << QStringList{"frmEnterData",    "frmIntroPage",   "frmMakeOwn",      "frmPersonalInformation",
                           "frmPickOwn",      "frmChartInfo",   "frmEnterAero",    "frmFitnessGraph",
                           "frmChartBMI",     "frmFitnessBMI",  "frmFoodEntry",    "frmMakeOwnAero",
                           "frmPickAero",     "frmCalDate",     "frmFoodPieChart", "frmPrintPreview",
                           "frmRTF",          "frmAbout",       "frmGoals",        "frmDelete",
                           "frmFoodDelete",   "frmWebBrowser"};
        QTest::newRow("File > Exit") << "itmExit" << kLoadOrder;
    }
    void windowsCloseInTheirOrder()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, expected);
        auto log = std::make_shared<FakeLog>();
        ShellFixture fixture({fakeWindows(log, kLoadOrder)});
        for (const QString &name : kLoadOrder)
            QVERIFY(fixture.main().loadForm(name));
        log->events.clear();

        if (how == "UnloadForm")
            fixture.main().unloadForm();
        else if (how == "close")
            fixture.main().close();
        else
            QVERIFY(fixture.trigger(how));

        QStringList unloaded;
        for (const QString &event : log->events) {
            QVERIFY2(event.startsWith("unload "), qPrintable(event));
            unloaded << event.mid(7);
        }
        // The main window's own list leaves frmFood to the closing of its
        // child windows; it only has to go exactly once.
        if (!expected.contains("frmFood"))
            QCOMPARE(unloaded.removeAll("frmFood"), 1);
        QCOMPARE(unloaded, expected);
        QVERIFY(fixture.loadedNames().isEmpty());
    }

    void closingTheMainWindowUnloadsWhileItIsWhole()
    {
        QStringList log;
        ShellFixture fixture({[&log](WindowRegistry &r) {
            r.add("frmGoals", [&log](Shell &s) { return new UnloadWitness(s, &log); });
            r.add("frmDelete", [&log](Shell &s) { return new UnloadWitness(s, &log); });
        }});
        fixture.main().loadForm("frmDelete");
        fixture.main().loadForm("frmGoals");
        fixture.main().close();
        // In the main window's closing order: frmGoals before frmDelete.
        QCOMPARE(log, (QStringList{"unload with 2 windows, title Kestrava Pulsar 3.0",
                                   "unload with 1 windows, title Kestrava Pulsar 3.0"}));
    }

    void scrollingFollowsTheStoredValue_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("checked");
        QTest::newRow("missing") << QString() << "Scrolling Off" << true;
        QTest::newRow("True") << "True" << "Scrolling Off" << true;
        QTest::newRow("False") << "False" << "Scrolling On" << false;
        QTest::newRow("not a Boolean") << "#maybe#" << "Scrolling Off" << true;
    }
    void scrollingFollowsTheStoredValue()
    {
        QFETCH(QString, stored);
        QFETCH(QString, caption);
        QFETCH(bool, checked);
        ShellFixture::Options options;
        if (!stored.isNull())
            options.settings = {{SettingKeys::Fitness, SettingKeys::Scrolling, stored}};
        auto log = std::make_shared<FakeLog>();
        ShellFixture fixture({fakeWindows(log, kTargets, kMarks), introPage()}, options);
        QAction *scrolling = fixture.main().item("itmScrolling");
        QCOMPARE(scrolling->text(), caption);
        QCOMPARE(scrolling->isChecked(), checked);

        // Neither a hand-over nor the start-up page's closing wipes it.
        fixture.main().ShowIntroPage();
        fixture.click("itmGoal");
        QCOMPARE(scrolling->isChecked(), checked);
        QCOMPARE(scrolling->text(), caption);
    }

    void scrollingClickTogglesAndStores()
    {
        auto log = std::make_shared<FakeLog>();
        ShellFixture fixture({fakeWindows(log, kTargets, kMarks)});
        fixture.click("itmGoal");
        QAction *scrolling = fixture.main().item("itmScrolling");
        QVERIFY(fixture.trigger("itmScrolling"));
        QCOMPARE(scrolling->text(), QStringLiteral("Scrolling On"));
        QVERIFY(!scrolling->isChecked());
        QCOMPARE(fixture.settings().get("Fitness", "Scrolling", "?"), QStringLiteral("False"));
        // No hand-over: the window and its mark stay.
        QCOMPARE(fixture.loadedNames(), QStringList{"frmGoals"});
        QCOMPARE(fixture.checkedItems(), QStringList{"itmGoal"});

        QVERIFY(fixture.trigger("itmScrolling"));
        QCOMPARE(scrolling->text(), QStringLiteral("Scrolling Off"));
        QVERIFY(scrolling->isChecked());
        QCOMPARE(fixture.settings().get("Fitness", "Scrolling", "?"), QStringLiteral("True"));

        // Switched off, the next window opens at once.
        QVERIFY(fixture.trigger("itmScrolling"));
        qint16 h = 4321;
        fixture.click("itmDel");
        fixture.window("frmDelete")->setHeightTwips(40);
        mFormProcedures::OpenForm(h);
        QCOMPARE(fixture.window("frmDelete")->heightTwips(), 4321);
    }

    void weightOnlyModeLeavesOnlyTheWeightUsable()
    {
        ShellFixture fixture({[](WindowRegistry &r) {
            r.add("frmPersonalInformation", [](Shell &s) { return new ProfileStandIn(s); });
        }});
        QApplication::setActiveWindow(&fixture.main());
        fixture.click("itmEnterWeight");
        WorkingWindow *w = fixture.window("frmPersonalInformation");
        auto *weight = w->findChild<QLineEdit *>("txtWeight");
        QCOMPARE(weight->selectedText(), QStringLiteral("150"));
        QCOMPARE(weight->selectionStart(), 0);
        QStringList disabled;
        for (QWidget *c : w->findChildren<QWidget *>()) {
            if (!c->isEnabled())
                disabled << c->objectName();
        }
        disabled.sort();
        QCOMPARE(disabled, (QStringList{"cboSex", "lblLabel(0)", "lblLabel(1)", "lblLabel(4)", "lblLabel(5)",
                                        "lblLabel(6)", "txtAge", "txtFName", "txtHeight", "txtInches", "txtLName"}));
        QCOMPARE(fixture.checkedItems(), QStringList{"itmEnterWeight"});

        // File > Setup opens the same window with everything usable.
        fixture.click("itmPersonal");
        for (QWidget *c : fixture.window("frmPersonalInformation")->findChildren<QWidget *>())
            QVERIFY2(c->isEnabled(), qPrintable(c->objectName()));
    }

    void foodsReportIsChosenAfterTheDialogLoads()
    {
        QStringList log;
        ShellFixture fixture({[&log](WindowRegistry &r) {
            r.add("frmPrintPreview", [&log](Shell &s) { return new ReportChoiceStandIn(s, &log); });
        }});
        fixture.click("itmFoodView");
        QCOMPARE(log, (QStringList{"load", "click after load"}));
        QCOMPARE(fixture.checkedItems(), QStringList());
        // Printable Stats chooses nothing.
        log.clear();
        fixture.click("itmPrintForm");
        QCOMPARE(log, QStringList{"load"});
        QCOMPARE(fixture.checkedItems(), QStringList{"itmPrintForm"});
    }

    void aLoadHandlerThatFailsIsReportedAndClosed()
    {
        ShellFixture fixture({[](WindowRegistry &r) {
            r.add("frmPersonalInformation", [](Shell &s) { return new FailingWindow(s); });
        }});
        fixture.click("itmPersonal");
        QCOMPARE(fixture.loadedNames(), QStringList());
        QCOMPARE(fixture.messages().size(), 1);
        QVERIFY(fixture.messages().first().contains("PersonalInformation.txt"));
    }

    void theCloseBoxUnloadsTheWindow()
    {
        auto log = std::make_shared<FakeLog>();
        ShellFixture fixture({fakeWindows(log, kTargets, kMarks)});
        fixture.click("itmWeight");
        WorkingWindow *w = fixture.window("frmChartInfo");
        w->frame()->close();
        QCOMPARE(log->unloads("frmChartInfo"), 1);
        QCOMPARE(fixture.loadedNames(), QStringList());
    }

    void windowsAreCentredOverTheWorkArea()
    {
        auto log = std::make_shared<FakeLog>();
        ShellFixture fixture({fakeWindows(log, kTargets, kMarks)});
        fixture.click("itmGoal");
        WorkingWindow *w = fixture.window("frmGoals");
        QCOMPARE(w->leftTwips(), (fixture.main().mainWidthTwips() - 6000) / 2);
        QCOMPARE(w->topTwips(), (fixture.main().mainHeightTwips() - 40) / 8);
        QCOMPARE(fixture.main().mainWidthTwips(), fixture.main().workArea()->viewport()->width() * 15);
    }

    void activationFollowsTheLoad()
    {
        QStringList log;
        ShellFixture fixture({[&log](WindowRegistry &r) {
            for (const char *name : {"frmChartInfo", "frmFitnessGraph"})
                r.add(name, [&log](Shell &s) { return new ActivationWitness(s, &log); });
        }});
        fixture.click("itmWeight");
        QCOMPARE(log, (QStringList{"load frmChartInfo", "loaded frmChartInfo", "activate frmChartInfo"}));
        log.clear();
        // The choice dialog hides itself and loads its result window.
        fixture.window("frmChartInfo")->hideWindow();
        fixture.main().loadForm("frmFitnessGraph");
        QCOMPARE(log, (QStringList{"load frmFitnessGraph", "deactivate frmChartInfo", "loaded frmFitnessGraph",
                                   "activate frmFitnessGraph"}));
        log.clear();
        fixture.window("frmChartInfo")->showWindow();
        QCOMPARE(log, (QStringList{"deactivate frmFitnessGraph", "activate frmChartInfo"}));
    }

    void theMainWindowStaysMaximised()
    {
        ShellFixture fixture;
        MDIFitness &main = fixture.main();
        main.showNormal();
        QTRY_VERIFY(main.windowState() & Qt::WindowMaximized);
        main.showMinimized();
        QTest::qWait(20);
        QVERIFY(main.windowState() & Qt::WindowMinimized);
    }
};

PULSAR_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
