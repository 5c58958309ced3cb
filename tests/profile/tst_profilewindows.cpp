#include "support/ShellFixture.h"
#include "support/TestEnvironment.h"
#include "support/WindowTest.h"

#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "profile/ProfileWindows.h"
#include "profile/WeightGoal.h"
#include "profile/WeightHistory.h"
#include "profile/frmPersonalInformation.h"
#include "shell/DatePicker.h"
#include "shell/Shell.h"
#include "shell/WorkingWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QDate kToday(2026, 12, 14);

using WindowTest::click;
using WindowTest::control;
using WindowTest::hover;

ShellFixture::Options on(QList<QStringList> settings = {})
{
    return WindowTest::on(kToday, std::move(settings));
}

QString text(WorkingWindow *window, const QString &name)
{
    if (auto *box = window->findChild<QLineEdit *>(name))
        return box->text();
    if (auto *combo = window->findChild<QComboBox *>(name))
        return combo->currentText();
    return control<QLabel>(window, name)->text();
}

// A click into the box, which selects its whole text, then the value typed
// over it (an empty value deletes the text).
void type(WorkingWindow *window, const QString &name, const QString &value)
{
    auto *box = control<QLineEdit>(window, name);
    WindowTest::clickOn(box);
    if (value.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    else
        QTest::keyClicks(box, value);
    QCOMPARE(box->text(), value);
}

QString stored(ShellFixture &f, const QString &section, const QString &key)
{
    return f.settings().get(section, key, "(none)");
}

QByteArray history(ShellFixture &f)
{
    return WindowTest::file(f, WeightHistory::kFileName);
}

} // namespace

class TestProfileWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstStartShowsTheDefaults();
    void profileIsEnteredAndShownAgain();
    void storedValuesBeyondTheBarsStayInTheBoxes();
    void weightOnlyMode();
    void enterRefusesBadBoxesAndDamagedHistory_data();
    void enterRefusesBadBoxesAndDamagedHistory();
    void closingKeepsStoredValuesOfBadBoxes();
    void settingsThatCannotBeStoredAreToldOnce();
    void captionsHighlightOnHover();
    void goalWindowFirstStart();
    void goalIsAcceptedOrRefused();
    void goalWindowStoresTheAdjustmentOnClose();
    void goalPointersOnHover();
    void typingAfterAHandOverReplacesTheFocusedBox_data();
    void typingAfterAHandOverReplacesTheFocusedBox();
};

void TestProfileWindows::firstStartShowsTheDefaults()
{
    ShellFixture f({registerProfileWindows}, on());
    QVERIFY(f.trigger("itmPersonal"));
    WorkingWindow *w = f.window("frmPersonalInformation");
    QVERIFY(w);
    QCOMPARE(f.openWindow(), w);
    QVERIFY(f.checkedItems().isEmpty());
    QCOMPARE(w->frame()->windowTitle(), QString("Personal Information"));
    QCOMPARE(text(w, "txtFName"), QString("Enter First Name"));
    QCOMPARE(text(w, "txtLName"), QString("Enter Last Name"));
    QCOMPARE(text(w, "txtAge"), QString("15"));
    QCOMPARE(text(w, "txtWeight"), QString("95"));
    QCOMPARE(text(w, "txtHeight"), QString("2"));
    QCOMPARE(text(w, "txtInches"), QString("1"));
    QCOMPARE(text(w, "cboSex"), QString("M"));
    QCOMPARE(control<QComboBox>(w, "cboSex")->count(), 2);
    QCOMPARE(control<QScrollBar>(w, "vsWeight")->value(), 95);
    QCOMPARE(control<DatePicker>(w, "DTPicker1")->date(), kToday);
    QCOMPARE(w->widthTwips(), 7035);
    QCOMPARE(w->heightTwips(), 4940); // 40 twips grown by 100 a step to reach 4845
}

void TestProfileWindows::profileIsEnteredAndShownAgain()
{
    ShellFixture f({registerProfileWindows}, on());
    QVERIFY(f.trigger("itmPersonal"));
    WorkingWindow *w = f.window("frmPersonalInformation");
    type(w, "txtFName", "Ada");
    type(w, "txtLName", "Byron");
    type(w, "txtAge", "36");
    type(w, "txtWeight", "150.7");
    type(w, "txtHeight", "5");
    type(w, "txtInches", "11");
    control<QComboBox>(w, "cboSex")->setCurrentIndex(1);
    control<DatePicker>(w, "DTPicker1")->setDate(QDate(2026, 12, 7));
    click(w, "lblEnter");
    QVERIFY(f.messages().isEmpty());
    QCOMPARE(text(w, "Label3"), QString("Your personal information has been updated!"));
    QCOMPARE(history(f), QByteArray("\"07-Dec-26\",36,150,71\r\n\"Initializer\",0,0,0\r\n"));
    // Nothing is stored before the window closes.
    QCOMPARE(stored(f, SettingKeys::PersonalInformation, SettingKeys::Weight), QString("(none)"));

    QVERIFY(f.trigger("itmGoal")); // closes the profile window
    ShellFixture::settle();
    QVERIFY(!f.window("frmPersonalInformation"));
    QCOMPARE(stored(f, SettingKeys::PersonalInformation, SettingKeys::Weight), QString("151"));
    QCOMPARE(stored(f, SettingKeys::PersonalInformation, SettingKeys::Sex), QString("Female"));

    QVERIFY(f.trigger("itmPersonal"));
    w = f.window("frmPersonalInformation");
    QCOMPARE(w->frame()->windowTitle(),
             QString("Ada's Personal Information - Remember To Update Your Weight"));
    QCOMPARE(text(w, "txtFName"), QString("Ada"));
    QCOMPARE(text(w, "txtLName"), QString("Byron"));
    QCOMPARE(text(w, "txtAge"), QString("36"));
    QCOMPARE(text(w, "txtWeight"), QString("151"));
    QCOMPARE(text(w, "txtHeight"), QString("5"));
    QCOMPARE(text(w, "txtInches"), QString("11"));
    QCOMPARE(text(w, "cboSex"), QString("Female"));
    QCOMPARE(control<DatePicker>(w, "DTPicker1")->date(), kToday);
}

void TestProfileWindows::storedValuesBeyondTheBarsStayInTheBoxes()
{
    using namespace SettingKeys;
    ShellFixture f({registerProfileWindows},
                   on({{PersonalInformation, Weight, "450"}, {PersonalInformation, Age, "130"}}));
    QVERIFY(f.trigger("itmPersonal"));
    WorkingWindow *w = f.window("frmPersonalInformation");
    QCOMPARE(text(w, "txtWeight"), QString("450"));
    QCOMPARE(control<QScrollBar>(w, "vsWeight")->value(), 400);
    QCOMPARE(text(w, "txtAge"), QString("130"));

    // The bar writes into its box; typing does not move the bar.
    control<QScrollBar>(w, "vsWeight")->setValue(399);
    QCOMPARE(text(w, "txtWeight"), QString("399"));
    type(w, "txtWeight", "210");
    QCOMPARE(control<QScrollBar>(w, "vsWeight")->value(), 399);

    f.shell().unloadForm();
    QCOMPARE(stored(f, PersonalInformation, Weight), QString("210"));
    QCOMPARE(stored(f, PersonalInformation, Age), QString("130"));
}

void TestProfileWindows::weightOnlyMode()
{
    ShellFixture f({registerProfileWindows}, on({{SettingKeys::PersonalInformation, SettingKeys::Weight, "182"}}));
    QVERIFY(f.trigger("itmEnterWeight"));
    WorkingWindow *w = f.window("frmPersonalInformation");
    QVERIFY(w);
    QCOMPARE(f.checkedItems(), QStringList{"itmEnterWeight"});
    auto *weight = control<QLineEdit>(w, "txtWeight");
    QTRY_VERIFY(weight->hasFocus());
    QCOMPARE(weight->selectedText(), QString("182"));
    QCOMPARE(weight->selectionStart(), 0);

    const QStringList disabled{"txtAge",      "txtFName",    "txtHeight",   "txtInches",
                               "txtLName",    "cboSex",      "lblLabel(0)", "lblLabel(1)",
                               "lblLabel(4)", "lblLabel(5)", "lblLabel(6)"};
    const QStringList enabled{"txtWeight", "vsWeight",    "vsAge",       "vsFeet",  "vsInches",
                              "DTPicker1", "lblEnter",    "lblLabel(2)", "lblLabel(3)"};
    for (const QString &name : disabled)
        QVERIFY2(!control(w, name)->isEnabled(), qPrintable(name));
    for (const QString &name : enabled)
        QVERIFY2(control(w, name)->isEnabled(), qPrintable(name));

    // Typing replaces the weight at once; Enter saves all four fields.
    QTest::keyClicks(weight, "176");
    QCOMPARE(weight->text(), QString("176"));
    click(w, "lblEnter");
    QCOMPARE(history(f), QByteArray("\"14-Dec-26\",15,176,25\r\n\"Initializer\",0,0,0\r\n"));
}

// Whatever window was open before, the box that has the focus when a window
// opens holds its whole text selected once the window is filled: what the
// user types replaces it.
void TestProfileWindows::typingAfterAHandOverReplacesTheFocusedBox_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("box");
    QTest::newRow("goal after setup") << "itmPersonal" << "itmGoal" << "txtGoalWeight";
    QTest::newRow("goal after goal") << "itmGoal" << "itmGoal" << "txtGoalWeight";
    QTest::newRow("goal first") << QString() << "itmGoal" << "txtGoalWeight";
    QTest::newRow("setup after goal") << "itmGoal" << "itmPersonal" << "txtFName";
    QTest::newRow("weight after setup") << "itmPersonal" << "itmEnterWeight" << "txtWeight";
}

void TestProfileWindows::typingAfterAHandOverReplacesTheFocusedBox()
{
    QFETCH(QString, before);
    QFETCH(QString, item);
    QFETCH(QString, box);
    ShellFixture f({registerProfileWindows}, on({{SettingKeys::PersonalInformation, SettingKeys::Weight, "170"}}));
    if (!before.isEmpty())
        QVERIFY(f.trigger(before));
    QVERIFY(f.trigger(item));
    WorkingWindow *w = f.openWindow();
    QVERIFY(w);
    QVERIFY(!text(w, box).isEmpty());
    QVERIFY(WindowTest::type("165"));
    QCOMPARE(text(w, box), QString("165"));
}

void TestProfileWindows::enterRefusesBadBoxesAndDamagedHistory_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    const QByteArray good = "\"07-Dec-26\",36,150,71\r\n";
    QTest::newRow("truncated history")
        << QByteArray(good + "\"30-Nov-26\",36,151\r\n") << "txtWeight" << "150"
        << "The file PersonalInformation.txt is damaged: it ends inside a record (line 3).";
    QTest::newRow("age no number") << good << "txtAge" << "3O"
                                   << "Your age must be a number from 0 to 32767.";
    QTest::newRow("weight too large") << good << "txtWeight" << "40000"
                                      << "Your weight must be a number from 0 to 32767.";
}

void TestProfileWindows::enterRefusesBadBoxesAndDamagedHistory()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, box);
    QFETCH(QString, value);
    ShellFixture f({registerProfileWindows}, on());
    WindowTest::write(f, WeightHistory::kFileName, file);
    QVERIFY(f.trigger("itmPersonal"));
    WorkingWindow *w = f.window("frmPersonalInformation");
    type(w, box, value);
    click(w, "lblEnter");
    QTEST(f.takeMessages().join("|"), "message");
    QCOMPARE(history(f), file);
    QCOMPARE(text(w, "Label3"), QString());
}

void TestProfileWindows::closingKeepsStoredValuesOfBadBoxes()
{
    using namespace SettingKeys;
    ShellFixture f({registerProfileWindows}, on({{PersonalInformation, Age, "44"}}));
    QVERIFY(f.trigger("itmPersonal"));
    WorkingWindow *w = f.window("frmPersonalInformation");
    type(w, "txtAge", "forty");
    type(w, "txtWeight", "160");
    f.shell().unloadForm();
    QCOMPARE(f.takeMessages(),
             QStringList{"Your age must be a number from 0 to 32767. The stored age was kept."});
    QCOMPARE(stored(f, PersonalInformation, Age), QString("44"));
    QCOMPARE(stored(f, PersonalInformation, Weight), QString("160"));
}

// A settings file nothing can write: closing the window after Setup's Enter
// stores the profile's seven values, and the user is told once that they
// could not be stored, naming the file; once it can be written again the
// values are stored without a word.
void TestProfileWindows::settingsThatCannotBeStoredAreToldOnce()
{
    ShellFixture f({registerProfileWindows}, on());
    const QString ini = f.settings().fileName();
    QFile::remove(ini);
    QVERIFY(QDir().mkpath(ini)); // a folder in its place: root cannot write it either
    QVERIFY(f.trigger("itmPersonal"));
    WorkingWindow *w = f.window("frmPersonalInformation");
    WindowTest::type(control<QLineEdit>(w, "txtWeight"), "170");
    click(w, "lblEnter");
    QCOMPARE(text(w, "Label3"), QString("Your personal information has been updated!"));
    QVERIFY(f.takeMessages().isEmpty());

    QVERIFY(f.trigger("itmGoal")); // closes the profile window, which stores the profile
    QCoreApplication::processEvents();
    QCOMPARE(f.takeMessages(), QStringList{"The settings could not be stored in " + ini + "."});
    // What was typed stays in use for now.
    QCOMPARE(stored(f, SettingKeys::PersonalInformation, SettingKeys::Weight), QString("170"));

    QVERIFY(QDir(ini).removeRecursively());
    QVERIFY(f.trigger("itmPersonal"));
    QVERIFY(f.trigger("itmGoal"));
    QCoreApplication::processEvents();
    QVERIFY2(f.messages().isEmpty(), qPrintable(f.messages().join(u'\n')));
    QFile written(ini);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().contains("\nWeight=170"));
}

void TestProfileWindows::captionsHighlightOnHover()
{
    ShellFixture f({registerProfileWindows}, on());
    QVERIFY(f.trigger("itmPersonal"));
    auto *w = f.windowAs<frmPersonalInformation>("frmPersonalInformation");
    QLabel *lastName = control<QLabel>(w, "lblLabel(6)");
    QLabel *firstName = control<QLabel>(w, "lblLabel(0)");
    hover(firstName);
    QCOMPARE(firstName->font().pointSizeF(), 11.0);
    w->Notes(6);
    QCOMPARE(lastName->font().pointSizeF(), 11.0);
    QCOMPARE(firstName->font().pointSizeF(), 10.0);
    QCOMPARE(text(w, "Label3"), QString("Please enter your last name in textbox"));
    hover(control(w, "lblEnter"));
    QCOMPARE(text(w, "Label3"), QString("Press to enter information"));
    hover(w, QPoint(1, 1)); // the bare window
    QCOMPARE(lastName->font().pointSizeF(), 10.0);
    QCOMPARE(text(w, "Label3"), QString());
}

void TestProfileWindows::goalWindowFirstStart()
{
    ShellFixture f({registerProfileWindows},
                   on({{SettingKeys::PersonalInformation, SettingKeys::Weight, "150"}}));
    QVERIFY(f.trigger("itmGoal"));
    WorkingWindow *w = f.window("frmGoals");
    QVERIFY(w);
    QCOMPARE(f.checkedItems(), QStringList{"itmGoal"});
    QCOMPARE(w->frame()->windowTitle(), QString("Goal Setting"));
    QCOMPARE(text(w, "lblCurWeight"), QString("150"));
    QCOMPARE(text(w, "txtGoalWeight"), QString("150"));
    QCOMPARE(text(w, "txtMetabolic"), QString("0"));
    QCOMPARE(control<DatePicker>(w, "DTPicker1")->date(), kToday);
    QCOMPARE(control<QScrollBar>(w, "vsGoalWeight")->value(), 150);
    QCOMPARE(w->widthTwips(), 4845);
}

void TestProfileWindows::goalIsAcceptedOrRefused()
{
    using namespace SettingKeys;
    ShellFixture f({registerProfileWindows}, on({{PersonalInformation, Weight, "150"}}));
    QVERIFY(f.trigger("itmGoal"));
    WorkingWindow *w = f.window("frmGoals");
    auto *date = control<DatePicker>(w, "DTPicker1");

    type(w, "txtGoalWeight", "149");
    click(w, "lblEnter");
    QCOMPARE(f.takeMessages(), QStringList{WeightGoal::kTodayMessage});
    QCOMPARE(text(w, "txtGoalWeight"), QString("149"));

    date->setDate(kToday.addDays(7));
    click(w, "lblEnter");
    QCOMPARE(f.takeMessages(), QStringList{WeightGoal::kTooFastMessage});
    QCOMPARE(text(w, "txtGoalWeight"), QString("95")); // no goal stored yet
    QVERIFY(!f.settings().contains(Goals, WeightGoal::kGoalWeightKey));

    type(w, "txtGoalWeight", "79");
    date->setDate(kToday.addDays(500));
    click(w, "lblEnter");
    QCOMPARE(f.takeMessages(), QStringList{WeightGoal::kAcceptedMessage});
    QCOMPARE(stored(f, Goals, WeightGoal::kGoalWeightKey), QString("79"));
    QCOMPARE(stored(f, Goals, WeightGoal::kGoalDateKey), kToday.addDays(500).toString("M/d/yyyy"));

    type(w, "txtGoalWeight", "a lot less");
    click(w, "lblEnter");
    QCOMPARE(f.takeMessages(), QStringList{WeightGoal::kNotANumberMessage});
    QCOMPARE(stored(f, Goals, WeightGoal::kGoalWeightKey), QString("79"));

    // Reopened: the stored goal, its date, and a bar that could not take 79.
    f.shell().unloadForm();
    QVERIFY(f.trigger("itmGoal"));
    w = f.window("frmGoals");
    QCOMPARE(text(w, "txtGoalWeight"), QString("79"));
    QCOMPARE(control<QScrollBar>(w, "vsGoalWeight")->value(), 95);
    QCOMPARE(control<DatePicker>(w, "DTPicker1")->date(), kToday.addDays(500));
}

void TestProfileWindows::goalWindowStoresTheAdjustmentOnClose()
{
    using namespace SettingKeys;
    ShellFixture f({registerProfileWindows}, on({{PersonalInformation, Met, "-20"}}));
    QVERIFY(f.trigger("itmGoal"));
    WorkingWindow *w = f.window("frmGoals");
    QCOMPARE(text(w, "txtMetabolic"), QString("-20"));
    auto *bar = control<QScrollBar>(w, "vsMetabolic");
    QCOMPARE(bar->value(), -20);
    bar->setValue(-15);
    QCOMPARE(text(w, "txtMetabolic"), QString("-15"));
    QVERIFY(f.trigger("itmPersonal"));
    QCOMPARE(stored(f, PersonalInformation, Met), QString("-15"));

    QVERIFY(f.trigger("itmGoal"));
    type(f.window("frmGoals"), "txtMetabolic", "lots");
    f.shell().unloadForm();
    QCOMPARE(f.takeMessages().size(), 1);
    QCOMPARE(stored(f, PersonalInformation, Met), QString("-15"));
}

void TestProfileWindows::goalPointersOnHover()
{
    ShellFixture f({registerProfileWindows}, on());
    QVERIFY(f.trigger("itmGoal"));
    WorkingWindow *w = f.window("frmGoals");
    hover(control(w, "Label2"));
    QCOMPARE(text(w, "lblPointer1"), QString("----") + QChar(0xBB));
    QCOMPARE(control(w, "lblPointer1")->font().pointSizeF(), 16.0);
    hover(control(w, "lblGoalSetting"));
    QCOMPARE(text(w, "lblPointer2"), QString("--") + QChar(0xBB));
    hover(control(w, "lblMetabolic"));
    QVERIFY(text(w, "lblNotes").startsWith("Adjusts the calories you have burnned"));
    hover(w, QPoint(1, 1));
    QCOMPARE(text(w, "lblPointer1"), QString());
    QCOMPARE(text(w, "lblPointer2"), QString());
    QCOMPARE(text(w, "lblNotes"), QString());
}

PULSAR_TEST_MAIN(TestProfileWindows)
#include "tst_profilewindows.moc"
