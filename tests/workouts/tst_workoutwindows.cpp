#include "common/RecordFile.h"
#include "common/SettingKeys.h"
#include "shell/LabelButton.h"
#include "shell/Shell.h"
#include "shell/Spinner.h"
#include "shell/DatePicker.h"
#include "shell/Shape.h"
#include "shell/TextBox.h"
#include "shell/Twips.h"
#include "shell/WorkingWindow.h"
#include "support/ShellFixture.h"
#include "support/TestEnvironment.h"
#include "support/WindowTest.h"
#include "workouts/CustomExercise.h"
#include "workouts/ExerciseLogName.h"
#include "workouts/StandardExercises.h"
#include "workouts/WeightWorkout.h"
#include "workouts/WorkoutWindows.h"
#include "workouts/frmEnterData.h"
#include "workouts/frmMakeOwn.h"
#include "workouts/frmPickOwn.h"
#include "FolderSnapshot.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>

#include <sys/stat.h>

// The catalogue and weight-training entry windows as the user drives them.
class TestWorkoutWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pickInstallsTickedAndSkipsDuplicates();
    void pickRefusesABadSetsBox();
    void pickNameClickTogglesAndHintsHighlightTheGroup();
    void pickClosesOnlyWhenAnotherWindowTakesTheFocus();
    void makeOwnAddsAnExercise();
    void makeOwnRefusesAndWritesNothing();
    void entryShowsTheGroupsExercises();
    void entryWithADamagedCatalogue();
    void entryTakesTheFirstCheckedGroup();
    void firstSetFillsTheRow();
    void spinnerSteps_data();
    void spinnerSteps();
    void dragOfTheFirstSet();
    void entrySavesAndResets();
    void entryRefusesATypedLetter();
    void entryHints();
    void makeOwnRefusesANameTooLongThenEveryWorkoutSaves();
    void entryRefusesCaloriesTheJournalCannotHold();
    void entryReadsFilesThatBeginWithAByteOrderMark();

private:
    static ShellFixture::Options options();
    static void writeCatalogue(const ShellFixture &f, const QByteArray &bytes);
    static frmEnterData *openEntry(ShellFixture &f, const QString &item = QStringLiteral("itmBiceps"));
    static void clickUpperArrow(QScrollBar *bar);
    // Types a set's weight and repetitions into a row of the entry window.
    static void typeSet(frmEnterData *w, int row, int set, const QString &weight, const QString &reps);
};

using WindowTest::file;
using WindowTest::hover;

ShellFixture::Options TestWorkoutWindows::options()
{
    return WindowTest::on(QDate(2026, 12, 7),
                          {{SettingKeys::PersonalInformation, SettingKeys::Weight, QStringLiteral("160")}});
}

void TestWorkoutWindows::writeCatalogue(const ShellFixture &f, const QByteArray &bytes)
{
    WindowTest::write(f, QStringLiteral("ExerciseDescription.txt"), bytes);
}

frmEnterData *TestWorkoutWindows::openEntry(ShellFixture &f, const QString &item)
{
    if (!f.trigger(item))
        return nullptr;
    return f.windowAs<frmEnterData>(frmEnterData::kName);
}

void TestWorkoutWindows::clickUpperArrow(QScrollBar *bar)
{
    const QPoint arrow(bar->width() / 2, 3);
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, arrow);
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, arrow);
}

void TestWorkoutWindows::pickInstallsTickedAndSkipsDuplicates()
{
    ShellFixture f({registerWorkoutWindows}, options());
    writeCatalogue(f, "\"Bi\",\"Barbell Curl\",\"mine\",\"2\"\r\n");
    QVERIFY(f.trigger(QStringLiteral("itmPick")));
    auto *w = f.windowAs<frmPickOwn>(frmPickOwn::kName);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Pick Your Own Excercise"));
    QVERIFY(f.checkedItems().isEmpty());
    QCOMPARE(w->sets(5)->currentText(), QStringLiteral("1"));
    QCOMPARE(w->sets(5)->count(), 5);

    w->check(0)->setChecked(true);
    w->check(2)->setChecked(true);
    w->sets(2)->setEditText(QStringLiteral("4"));
    w->enterButton()->click();
    QCOMPARE(f.takeMessages(), QStringList{ExerciseLogName::alreadyCreated(QStringLiteral("Barbell Curl"))});
    const QString description =
        StandardExercises::descriptionOf(f.dataFolder(), QStringLiteral("Staggered-Grip Pull-up"));
    QCOMPARE(file(f, QStringLiteral("ExerciseDescription.txt")),
             "\"Bi\",\"Barbell Curl\",\"mine\",\"2\"\r\n\"Bi\",\"Staggered-Grip Pull-up\",\"" + description.toLatin1()
                 + "\",\"4\"\r\n");
    QVERIFY(QFileInfo::exists(RecordFile::path(f.dataFolder(), QStringLiteral("BiStaggered-Grip Pull-up.txt"))));
    QVERIFY(!w->check(0)->isChecked());
    QVERIFY(!w->check(2)->isChecked());
    QCOMPARE(w->sets(2)->currentText(), QStringLiteral("1"));
    QCOMPARE(w->notes()->text(), StandardExercises::kDone);
}

void TestWorkoutWindows::pickRefusesABadSetsBox()
{
    ShellFixture f({registerWorkoutWindows}, options());
    QVERIFY(f.trigger(QStringLiteral("itmPick")));
    auto *w = f.windowAs<frmPickOwn>(frmPickOwn::kName);
    w->check(15)->setChecked(true);
    w->sets(15)->setEditText(QStringLiteral("7"));
    const QByteArray before = file(f, QStringLiteral("ExerciseDescription.txt"));
    w->enterButton()->click();
    QCOMPARE(f.takeMessages(), QStringList{StandardExercises::badSets(QStringLiteral("Leg Curl"))});
    QCOMPARE(file(f, QStringLiteral("ExerciseDescription.txt")), before);
    QVERIFY(w->check(15)->isChecked());
    QCOMPARE(w->notes()->text(), QStringLiteral("Notes"));
    QVERIFY(f.window(frmPickOwn::kName));
}

void TestWorkoutWindows::pickNameClickTogglesAndHintsHighlightTheGroup()
{
    ShellFixture f({registerWorkoutWindows}, options());
    QVERIFY(f.trigger(QStringLiteral("itmPick")));
    auto *w = f.windowAs<frmPickOwn>(frmPickOwn::kName);
    QTest::mouseClick(w->name(7), Qt::LeftButton);
    QVERIFY(w->check(7)->isChecked());
    QTest::mouseClick(w->name(7), Qt::LeftButton);
    QVERIFY(!w->check(7)->isChecked());

    hover(w->name(4));
    QCOMPARE(w->notes()->text(), frmPickOwn::groupHint(1));
    QCOMPARE(w->heading(1)->font().pointSizeF(), 11.0);
    hover(w->name(16));
    QCOMPARE(w->heading(5)->font().pointSizeF(), 11.0);
    QCOMPARE(w->heading(1)->font().pointSizeF(), 11.0); // the others keep their size
    hover(w->enterButton()->label());
    QCOMPARE(w->notes()->text(),
             QStringLiteral("Press button to enter tables selected into your own exercise database."));
    // The bare window sets the headings back and leaves the notes.
    hover(w, QPoint(5, 5));
    QCOMPARE(w->heading(1)->font().pointSizeF(), 10.0);
    QCOMPARE(w->heading(5)->font().pointSizeF(), 10.0);
    QCOMPARE(w->notes()->text(),
             QStringLiteral("Press button to enter tables selected into your own exercise database."));
}

void TestWorkoutWindows::pickClosesOnlyWhenAnotherWindowTakesTheFocus()
{
    ShellFixture f({registerWorkoutWindows}, options());
    QVERIFY(f.trigger(QStringLiteral("itmPick")));
    auto *w = f.windowAs<frmPickOwn>(frmPickOwn::kName);
    QApplication::setActiveWindow(f.shell().mainWidget());
    w->sets(3)->setFocus();
    w->check(3)->setFocus();
    // Its own message box: the duplicate refusal.
    w->check(0)->setChecked(true);
    w->enterButton()->click();
    w->check(0)->setChecked(true);
    w->enterButton()->click();
    QCoreApplication::processEvents();
    ShellFixture::settle();
    QVERIFY(f.window(frmPickOwn::kName));

    // Another working window takes the focus: this one goes.
    WorkingWindow *other = f.shell().loadForm(frmMakeOwn::kName);
    QVERIFY(other);
    auto *make = qobject_cast<frmMakeOwn *>(other);
    make->nameBox()->setFocus();
    QTRY_VERIFY(!f.window(frmPickOwn::kName));
    QVERIFY(f.window(frmMakeOwn::kName));
}

void TestWorkoutWindows::makeOwnAddsAnExercise()
{
    ShellFixture f({registerWorkoutWindows}, options());
    QVERIFY(f.trigger(QStringLiteral("itmMake")));
    auto *w = f.windowAs<frmMakeOwn>(frmMakeOwn::kName);
    QVERIFY(w);
    QVERIFY(f.checkedItems().isEmpty());
    QCOMPARE(w->windowTitle(), QStringLiteral("Make Your Own Excercise"));
    QCOMPARE(w->group()->currentText(), QStringLiteral("Biceps"));
    QVERIFY(!w->group()->isEditable());
    QCOMPARE(w->group()->count(), 6);
    QCOMPARE(w->nameBox()->text(), QStringLiteral("Enter Exercise Name"));
    QCOMPARE(w->description()->toPlainText(), QStringLiteral("Enter Description Here"));
    QCOMPARE(w->sets()->currentText(), QStringLiteral("1"));

    // Typed as the user types: each box selects its whole text as it gets
    // the focus, so what is typed replaces the prompt; a line break typed
    // into the description is stored as CR LF.
    QVERIFY(WindowTest::chooseByKeys(w->group(), QStringLiteral("Chest")));
    WindowTest::clickOn(w->nameBox());
    QVERIFY(WindowTest::type(QStringLiteral("  Curl  ")));
    QVERIFY(WindowTest::press(Qt::Key_Tab));
    QVERIFY(WindowTest::type(QStringLiteral("slow")));
    QVERIFY(WindowTest::press(Qt::Key_Return));
    QVERIFY(WindowTest::type(QStringLiteral("and steady")));
    QVERIFY(WindowTest::press(Qt::Key_Tab));
    QVERIFY(WindowTest::type(QStringLiteral("2.7")));
    QCOMPARE(w->sets()->currentText(), QStringLiteral("2.7"));
    const QByteArray factors = file(f, QStringLiteral("BurnnedCalories.txt"));
    WindowTest::click(w, QStringLiteral("lblEnter"));
    QVERIFY2(f.messages().isEmpty(), qPrintable(f.messages().join(u'\n')));
    QCOMPARE(w->notes()->text(), CustomExercise::kAdded);
    QCOMPARE(file(f, QStringLiteral("ExerciseDescription.txt")),
             QByteArray("\"Ch\",\"Curl\",\"slow\r\nand steady\",2\r\n"));
    QVERIFY(QFileInfo::exists(RecordFile::path(f.dataFolder(), QStringLiteral("ChCurl.txt"))));
    QCOMPARE(file(f, QStringLiteral("BurnnedCalories.txt")), factors + "\"Curl\",0.05\r\n");
    // The boxes keep what was typed.
    QCOMPARE(w->nameBox()->text(), QStringLiteral("  Curl  "));

    // The hints: a caption grows, a text box changes no caption.
    hover(w->caption(2));
    QCOMPARE(w->caption(2)->font().pointSizeF(), 11.0);
    hover(w->caption(3));
    QCOMPARE(w->caption(2)->font().pointSizeF(), 10.0);
    QCOMPARE(w->notes()->text(),
             QStringLiteral("This combo box lets you enter the number of sets you wish to log from 1 to 5"));
    hover(w->nameBox());
    QCOMPARE(w->notes()->text(), QStringLiteral("This textbox lets you enter your personal excercise"));
    QCOMPARE(w->caption(3)->font().pointSizeF(), 11.0);
    hover(w, QPoint(5, 5));
    QCOMPARE(w->notes()->text(), QString());
}

void TestWorkoutWindows::makeOwnRefusesAndWritesNothing()
{
    ShellFixture f({registerWorkoutWindows}, options());
    QVERIFY(f.trigger(QStringLiteral("itmMake")));
    auto *w = f.windowAs<frmMakeOwn>(frmMakeOwn::kName);
    const QByteArray catalogue = file(f, QStringLiteral("ExerciseDescription.txt"));
    const QByteArray factors = file(f, QStringLiteral("BurnnedCalories.txt"));
    w->enterButton()->click();
    w->nameBox()->setText(QStringLiteral("Rows/Curls"));
    w->enterButton()->click();
    w->nameBox()->setText(QStringLiteral("Curl"));
    w->sets()->setEditText(QStringLiteral("9"));
    w->enterButton()->click();
    QCOMPARE(f.takeMessages(), (QStringList{CustomExercise::kNoName, CustomExercise::kBadName, CustomExercise::kBadSets}));
    QCOMPARE(file(f, QStringLiteral("ExerciseDescription.txt")), catalogue);
    QCOMPARE(file(f, QStringLiteral("BurnnedCalories.txt")), factors);
    QCOMPARE(w->notes()->text(), QStringLiteral("Notes"));
}

void TestWorkoutWindows::entryShowsTheGroupsExercises()
{
    ShellFixture f({registerWorkoutWindows}, options());
    QByteArray catalogue = "\"Le\",\"Squat\",\"\",\"3\"\r\n\"Bi\",\"Curl\",\"\",\"2\"\r\n";
    for (int i = 1; i <= 8; ++i)
        catalogue += "\"Bi\",\"Curl " + QByteArray::number(i) + "\",\"\"," + QByteArray::number(i) + "\r\n";
    writeCatalogue(f, catalogue);
    frmEnterData *w = openEntry(f);
    QVERIFY(w);
    QCOMPARE(f.checkedItems(), QStringList{QStringLiteral("itmBiceps")});
    QCOMPARE(w->windowTitle(), QStringLiteral("Please Enter Exercises for Biceps"));
    QCOMPARE(w->groupCode(), QStringLiteral("Bi"));
    QCOMPARE(w->heightTwips(), 7058); // 40 + 319 steps of 22
    QCOMPARE(w->datePicker()->date(), QDate(2026, 12, 7));
    // Nine Biceps exercises: the first seven, in catalogue order.
    QCOMPARE(w->exercise(0)->text(), QStringLiteral("Curl"));
    QCOMPARE(w->exercise(6)->text(), QStringLiteral("Curl 6"));
    for (int r = 0; r < frmEnterData::kRows; ++r)
        QVERIFY(w->exercise(r)->isVisible());
    // Curl has 2 sets: sets 3 to 5 stay hidden. Curl 6 (stored 6) shows five.
    QVERIFY(w->box(0, frmEnterData::Reps, 1)->isVisible());
    QVERIFY(!w->box(0, frmEnterData::Reps, 2)->isVisible());
    QVERIFY(!w->bar(0, frmEnterData::Weight, 2)->isVisible());
    QCOMPARE(w->setsOf(6), 5);
    QVERIFY(w->box(6, frmEnterData::Weight, 4)->isVisible());
    QCOMPARE(w->box(1, frmEnterData::Weight, 0)->objectName(), QStringLiteral("txtExTwoWeight(0)"));
    // Activation formats the controls: the text boxes at 9 points.
    QCOMPARE(w->box(3, frmEnterData::Reps, 2)->font().pointSizeF(), 9.0);
    QCOMPARE(w->bar(6, frmEnterData::Reps, 4)->objectName(), QStringLiteral("vsExSevenRep(4)"));

    // A group without exercises: no rows, the separators keep their length.
    f.trigger(QStringLiteral("itmTriceps"));
    ShellFixture::settle();
    w = f.windowAs<frmEnterData>(frmEnterData::kName);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Please Enter Exercises for Triceps"));
    QVERIFY(!w->exercise(0)->isVisible());
    QCOMPARE(Twips::height(w->separator(0)), 600);
}

void TestWorkoutWindows::entryWithADamagedCatalogue()
{
    ShellFixture f({registerWorkoutWindows}, options());
    // The third record is cut short: the rows before it are shown, and the
    // user hears which file is damaged.
    writeCatalogue(f, "\"Bi\",\"Curl\",\"\",\"2\"\r\n\"Bi\",\"Hammer\",\"\",3\r\n\"Bi\",\"Cut\"\r\n");
    frmEnterData *w = openEntry(f);
    QVERIFY(w);
    QVERIFY(w->exercise(1)->isVisible());
    QVERIFY(!w->exercise(2)->isVisible());
    const QStringList messages = f.takeMessages();
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages[0].contains(QStringLiteral("ExerciseDescription.txt")));
}

void TestWorkoutWindows::entryTakesTheFirstCheckedGroup()
{
    ShellFixture f({registerWorkoutWindows}, options());
    writeCatalogue(f, "\"Sh\",\"Press\",\"\",\"1\"\r\n\"Ch\",\"Fly\",\"\",\"1\"\r\n\"Ch\",\"Dip\",\"\",\"1\"\r\n"
                      "\"Ch\",\"Push\",\"\",\"1\"\r\n");
    f.shell().setChecked(QStringLiteral("itmLegs"), true);
    f.shell().setChecked(QStringLiteral("itmChest"), true);
    auto *w = qobject_cast<frmEnterData *>(f.shell().loadForm(frmEnterData::kName));
    QVERIFY(w);
    QCOMPARE(w->groupCode(), QStringLiteral("Ch"));
    QCOMPARE(w->exercise(2)->text(), QStringLiteral("Push"));
    // Three exercises: the separators reach the bottom of the third label.
    QCOMPARE(Twips::top(w->separator(0)) + Twips::height(w->separator(0)), 2655);
}

void TestWorkoutWindows::firstSetFillsTheRow()
{
    ShellFixture f({registerWorkoutWindows}, options());
    writeCatalogue(f, "\"Bi\",\"Curl\",\"\",\"2\"\r\n");
    frmEnterData *w = openEntry(f);
    w->spinner(0, frmEnterData::Reps, 0)->setValue(12);
    for (int k = 0; k < frmEnterData::kSets; ++k) {
        QCOMPARE(w->box(0, frmEnterData::Reps, k)->text(), QStringLiteral("12"));
        QCOMPARE(w->bar(0, frmEnterData::Reps, k)->value(), 12);
    }
    QCOMPARE(w->box(0, frmEnterData::Weight, 1)->text(), QStringLiteral("0"));
    clickUpperArrow(w->bar(0, frmEnterData::Reps, 2));
    QCOMPARE(w->box(0, frmEnterData::Reps, 2)->text(), QStringLiteral("13"));
    QCOMPARE(w->box(0, frmEnterData::Reps, 1)->text(), QStringLiteral("12"));
    QCOMPARE(w->box(0, frmEnterData::Reps, 3)->text(), QStringLiteral("12"));
    // Typing does not move the bar.
    w->box(0, frmEnterData::Reps, 0)->setText(QStringLiteral("20"));
    QCOMPARE(w->bar(0, frmEnterData::Reps, 0)->value(), 12);
}

void TestWorkoutWindows::spinnerSteps_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("most");
    QTest::newRow("row Two set-1 weight") << 1 << int(frmEnterData::Weight) << 0 << 5 << 600;
    QTest::newRow("row Six set-1 weight") << 5 << int(frmEnterData::Weight) << 0 << 1 << 600;
    QTest::newRow("row One set-2 weight") << 0 << int(frmEnterData::Weight) << 1 << 1 << 600;
    QTest::newRow("row Three set-1 reps") << 2 << int(frmEnterData::Reps) << 0 << 1 << 25;
}

void TestWorkoutWindows::spinnerSteps()
{
    QFETCH(int, row);
    QFETCH(int, kind);
    QFETCH(int, set);
    QFETCH(int, step);
    QFETCH(int, most);
    ShellFixture f({registerWorkoutWindows}, options());
    QByteArray catalogue;
    for (int i = 0; i < 6; ++i)
        catalogue += "\"Bi\",\"E" + QByteArray::number(i) + "\",\"\",5\r\n";
    writeCatalogue(f, catalogue);
    frmEnterData *w = openEntry(f);
    QScrollBar *bar = w->bar(row, frmEnterData::Kind(kind), set);
    QLineEdit *box = w->box(row, frmEnterData::Kind(kind), set);
    QVERIFY(bar->isVisible());
    // The upper arrow counts up.
    for (int i = 1; i <= 2; ++i) {
        clickUpperArrow(bar);
        QCOMPARE(box->text(), QString::number(step * i));
    }
    bar->setValue(most + 50);
    QCOMPARE(box->text(), QString::number(most));
    bar->setValue(-10);
    QCOMPARE(box->text(), QStringLiteral("0"));
}

void TestWorkoutWindows::dragOfTheFirstSet()
{
    ShellFixture f({registerWorkoutWindows}, options());
    QByteArray catalogue;
    for (int i = 0; i < 3; ++i)
        catalogue += "\"Bi\",\"E" + QByteArray::number(i) + "\",\"\",5\r\n";
    writeCatalogue(f, catalogue);
    frmEnterData *w = openEntry(f);
    // Row One: while the thumb is dragged only its own box follows; the drag's
    // end fills the row. Row Three fills as it goes.
    for (int row : {0, 2}) {
        QScrollBar *bar = w->bar(row, frmEnterData::Reps, 0);
        bar->setSliderDown(true);
        bar->setSliderPosition(7);
        QCOMPARE(w->box(row, frmEnterData::Reps, 0)->text(), QStringLiteral("7"));
        QCOMPARE(w->box(row, frmEnterData::Reps, 4)->text(), row == 2 ? QStringLiteral("7") : QStringLiteral("0"));
        bar->setSliderDown(false);
        QCOMPARE(w->box(row, frmEnterData::Reps, 4)->text(), QStringLiteral("7"));
    }
}

void TestWorkoutWindows::entrySavesAndResets()
{
    ShellFixture f({registerWorkoutWindows}, options());
    writeCatalogue(f, "\"Bi\",\"Curl\",\"\",\"2\"\r\n\"Le\",\"Curl\",\"\",3\r\n\"Bi\",\"Hammer\",\"\",3\r\n");
    WindowTest::write(f, QStringLiteral("BiCurl.txt"), QByteArray());
    frmEnterData *w = openEntry(f);
    w->spinner(0, frmEnterData::Reps, 0)->setValue(10);
    w->spinner(0, frmEnterData::Weight, 0)->setValue(100);
    w->box(0, frmEnterData::Weight, 1)->setText(QStringLiteral("105"));
    w->box(0, frmEnterData::Reps, 1)->setText(QStringLiteral("8"));
    w->spinner(1, frmEnterData::Reps, 0)->setValue(10); // Hammer: 3 sets of 10 at 0 lb
    w->datePicker()->setDate(QDate(2026, 12, 5));
    w->enterButton()->click();
    QVERIFY2(f.messages().isEmpty(), qPrintable(f.messages().join(u'\n')));
    QCOMPARE(w->notes()->text(), QStringLiteral("You're Information has been entered"));
    QCOMPARE(file(f, QStringLiteral("BiCurl.txt")), QByteArray("\"05-Dec-26\"\r\n100,10\r\n105,8\r\n"));
    QCOMPARE(file(f, QStringLiteral("BiHammer.txt")), QByteArray("\"05-Dec-26\"\r\n0,10\r\n0,10\r\n0,10\r\n"));
    QVERIFY(!QFileInfo::exists(RecordFile::path(f.dataFolder(), QStringLiteral("LeCurl.txt"))));
    QCOMPARE(file(f, QStringLiteral("ExerciseCalories.txt")), QByteArray("\"05-Dec-26\",40\r\n"));
    for (int r : {0, 1}) {
        for (int k = 0; k < frmEnterData::kSets; ++k) {
            QCOMPARE(w->box(r, frmEnterData::Weight, k)->text(), QStringLiteral("0"));
            QCOMPARE(w->box(r, frmEnterData::Reps, k)->text(), QStringLiteral("0"));
            QCOMPARE(w->bar(r, frmEnterData::Reps, k)->value(), 0);
        }
    }
    QCOMPARE(w->datePicker()->date(), QDate(2026, 12, 5));
    QVERIFY(w->exercise(1)->isVisible());
}

void TestWorkoutWindows::entryRefusesATypedLetter()
{
    ShellFixture f({registerWorkoutWindows}, options());
    writeCatalogue(f, "\"Bi\",\"Curl\",\"\",\"2\"\r\n");
    WindowTest::write(f, QStringLiteral("BiCurl.txt"), "\"01-Dec-26\",90,10,95,8\r\n");
    frmEnterData *w = openEntry(f);
    w->spinner(0, frmEnterData::Reps, 0)->setValue(10);
    w->box(0, frmEnterData::Weight, 1)->setText(QStringLiteral("1o5"));
    const QByteArray log = file(f, QStringLiteral("BiCurl.txt"));
    const QByteArray journal = file(f, QStringLiteral("ExerciseCalories.txt"));
    w->enterButton()->click();
    QCOMPARE(f.takeMessages(),
             QStringList{WeightWorkout::badBox(QStringLiteral("weight"), 2, QStringLiteral("Curl"))});
    QCOMPARE(file(f, QStringLiteral("BiCurl.txt")), log);
    QCOMPARE(file(f, QStringLiteral("ExerciseCalories.txt")), journal);
    QCOMPARE(w->box(0, frmEnterData::Weight, 1)->text(), QStringLiteral("1o5"));
    QCOMPARE(w->notes()->text(), QStringLiteral("Notes"));
}

void TestWorkoutWindows::entryHints()
{
    ShellFixture f({registerWorkoutWindows}, options());
    writeCatalogue(f, "\"Bi\",\"Curl\",\"\",\"2\"\r\n\"Bi\",\"Hammer\",\"\",3\r\n");
    frmEnterData *w = openEntry(f);
    hover(w->exercise(0));
    QCOMPARE(w->notes()->text(),
             QStringLiteral("These are the excercises you have chosen to include in your excercise regime"));
    QCOMPARE(w->exercise(0)->font().pointSizeF(), 11.0);
    hover(w->exercise(1));
    QCOMPARE(w->exercise(0)->font().pointSizeF(), 10.0);
    QCOMPARE(w->exercise(1)->font().pointSizeF(), 11.0);
    hover(w->findChild<QLabel *>(QStringLiteral("lblRep(1)")));
    QCOMPARE(w->notes()->text(), QStringLiteral("Record here the number of reps you have performed for the set. "));
    QCOMPARE(w->exercise(1)->font().pointSizeF(), 11.0);
    hover(w->findChild<QLabel *>(QStringLiteral("Label1")));
    QCOMPARE(w->notes()->text(), QStringLiteral("Enter the date you performed these exercises."));
    hover(w, QPoint(5, 5));
    QCOMPARE(w->notes()->text(), QString());
    QCOMPARE(w->exercise(1)->font().pointSizeF(), 10.0);
}

void TestWorkoutWindows::typeSet(frmEnterData *w, int row, int set, const QString &weight, const QString &reps)
{
    WindowTest::type(w->box(row, frmEnterData::Weight, set), weight);
    WindowTest::type(w->box(row, frmEnterData::Reps, set), reps);
}

// A name of 300 letters would make a log no file system takes: the window
// refuses it before any file is touched, and the folder goes on taking
// every save (a name that got as far as the commit used to stop them all).
void TestWorkoutWindows::makeOwnRefusesANameTooLongThenEveryWorkoutSaves()
{
    ShellFixture f({registerWorkoutWindows}, options());
    QVERIFY(f.trigger(QStringLiteral("itmMake")));
    auto *w = f.windowAs<frmMakeOwn>(frmMakeOwn::kName);
    QVERIFY(w);
    const auto before = folderSnapshot(f.dataFolder());
    WindowTest::type(w->nameBox(), QString(300, u'x'));
    QTest::mouseClick(w->enterButton()->label(), Qt::LeftButton);
    QCOMPARE(f.takeMessages(), QStringList{QStringLiteral("The name is too long for a file name.")});
    QCOMPARE(folderSnapshot(f.dataFolder()), before);
    QCOMPARE(w->notes()->text(), QStringLiteral("Notes"));

    // A new log gets what the user's umask gives.
    const mode_t mask = ::umask(022);
    WindowTest::type(w->nameBox(), QStringLiteral("Cable Curl"));
    WindowTest::type(w->sets()->lineEdit(), QStringLiteral("2"));
    QTest::mouseClick(w->enterButton()->label(), Qt::LeftButton);
    ::umask(mask);
    QVERIFY2(f.messages().isEmpty(), qPrintable(f.messages().join(u'\n')));
    QCOMPARE(w->notes()->text(), CustomExercise::kAdded);
    QCOMPARE(QFile::permissions(RecordFile::path(f.dataFolder(), QStringLiteral("BiCable Curl.txt"))),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup
                 | QFile::ReadOther);

    // Every workout saves.
    frmEnterData *entry = openEntry(f);
    QVERIFY(entry);
    QCOMPARE(entry->exercise(0)->text(), QStringLiteral("Cable Curl"));
    typeSet(entry, 0, 0, QStringLiteral("100"), QStringLiteral("10"));
    typeSet(entry, 0, 1, QStringLiteral("105"), QStringLiteral("8"));
    QTest::mouseClick(entry->enterButton()->label(), Qt::LeftButton);
    QVERIFY2(f.messages().isEmpty(), qPrintable(f.messages().join(u'\n')));
    QCOMPARE(entry->notes()->text(), WeightWorkout::kEntered);
    QCOMPARE(file(f, QStringLiteral("BiCable Curl.txt")), QByteArray("\"07-Dec-26\"\r\n100,10\r\n105,8\r\n"));
    QCOMPARE(file(f, QStringLiteral("ExerciseCalories.txt")), QByteArray("\"07-Dec-26\",16\r\n"));
}

// A hand-edited factor so large that the workout's calories could not be
// written back by the next save: the save is refused naming the factors,
// nothing is written, and once the factor is mended the journal takes the
// workout.
void TestWorkoutWindows::entryRefusesCaloriesTheJournalCannotHold()
{
    ShellFixture f({registerWorkoutWindows}, options());
    writeCatalogue(f, "\"Bi\",\"Curl\",\"\",\"2\"\r\n");
    WindowTest::write(f, QStringLiteral("BurnnedCalories.txt"), "\"Weight training\",99999999999999999999\r\n");
    frmEnterData *w = openEntry(f);
    QVERIFY(w);
    typeSet(w, 0, 0, QStringLiteral("100"), QStringLiteral("10"));
    const auto before = folderSnapshot(f.dataFolder());
    QTest::mouseClick(w->enterButton()->label(), Qt::LeftButton);
    QCOMPARE(f.takeMessages(),
             QStringList{QStringLiteral("The calorie factor of Weight training in BurnnedCalories.txt is too large: "
                                        "the calories of this workout are too large to record.")});
    QCOMPARE(folderSnapshot(f.dataFolder()), before);

    WindowTest::write(f, QStringLiteral("BurnnedCalories.txt"), "\"Weight training\",0.05\r\n");
    QTest::mouseClick(w->enterButton()->label(), Qt::LeftButton);
    QVERIFY2(f.messages().isEmpty(), qPrintable(f.messages().join(u'\n')));
    QCOMPARE(file(f, QStringLiteral("ExerciseCalories.txt")), QByteArray("\"07-Dec-26\",16\r\n"));
}

// Files another program saved with a UTF-8 byte-order mark: the catalogue
// shows its first exercise, the factor of its first pair counts (2 sets at
// 160 lb and 0.05 give 16 calories), and a rewritten log loses the mark.
void TestWorkoutWindows::entryReadsFilesThatBeginWithAByteOrderMark()
{
    ShellFixture f({registerWorkoutWindows}, options());
    const QByteArray mark = "\xEF\xBB\xBF";
    writeCatalogue(f, mark + "\"Bi\",\"Curl\",\"\",\"2\"\r\n\"Bi\",\"Hammer\",\"\",1\r\n");
    WindowTest::write(f, QStringLiteral("BurnnedCalories.txt"), mark + "\"Weight training\",0.05\r\n");
    WindowTest::write(f, QStringLiteral("BiCurl.txt"), mark + "\"01-Dec-26\",90,10,95,8\r\n");
    WindowTest::write(f, QStringLiteral("ExerciseCalories.txt"), mark + "\"01-Dec-26\",24\r\n");
    frmEnterData *w = openEntry(f);
    QVERIFY(w);
    QVERIFY(f.messages().isEmpty());
    QCOMPARE(w->exercise(0)->text(), QStringLiteral("Curl"));
    QCOMPARE(w->exercise(1)->text(), QStringLiteral("Hammer"));
    typeSet(w, 0, 0, QStringLiteral("100"), QStringLiteral("10"));
    typeSet(w, 0, 1, QStringLiteral("105"), QStringLiteral("8"));
    QTest::mouseClick(w->enterButton()->label(), Qt::LeftButton);
    QVERIFY2(f.messages().isEmpty(), qPrintable(f.messages().join(u'\n')));
    QCOMPARE(file(f, QStringLiteral("ExerciseCalories.txt")), QByteArray("\"07-Dec-26\",16\r\n\"01-Dec-26\",24\r\n"));
    QCOMPARE(file(f, QStringLiteral("BiCurl.txt")),
             QByteArray("\"07-Dec-26\"\r\n100,10\r\n105,8\r\n\"01-Dec-26\",90,10,95,8\r\n"));
}

PULSAR_TEST_MAIN(TestWorkoutWindows)
#include "tst_workoutwindows.moc"
