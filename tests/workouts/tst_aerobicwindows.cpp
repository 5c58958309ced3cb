#include "common/SettingKeys.h"
#include "shell/DatePicker.h"
#include "shell/LabelButton.h"
#include "shell/Shape.h"
#include "shell/Spinner.h"
#include "shell/TextBox.h"
#include "support/ShellFixture.h"
#include "support/TestEnvironment.h"
#include "support/WindowTest.h"
#include "workouts/AerobicWorkout.h"
#include "workouts/CustomAerobic.h"
#include "workouts/ExerciseDeletion.h"
#include "workouts/ExerciseLogName.h"
#include "workouts/WorkoutWindows.h"
#include "workouts/frmDelete.h"
#include "workouts/frmEnterAero.h"
#include "workouts/frmMakeOwnAero.h"
#include "workouts/frmPickAero.h"
#include "FolderSnapshot.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

// The aerobic windows and the deletion window as the user drives them.
class TestAerobicWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pickInstallsTheTickedActivities();
    void pickStopsAtAnActivityAlreadyThere();
    void pickNamesToggleAndHint();
    void makeOwnAddsAnActivity();
    void makeOwnOptionsAndRefusal();
    void entryListsTheClassOfTheCheckedItem_data();
    void entryListsTheClassOfTheCheckedItem();
    void entryShowsWhatTheActivityRecords();
    void entrySavesOnMouseDown();
    void entryRefusesAndWritesNothing();
    void minutesRollOverIntoHours();
    void deleteRemovesTheChosenRows();
    void deleteLeavesADamagedCatalogue();
    void deleteIsAllOrNone();
    void makeOwnBoundsTheSampleAndTheName();
    void entryListsTheFirstActivityOfACatalogueWithAByteOrderMark();

private:
    static ShellFixture::Options options();
    static void choose(QListWidget *list, const QString &text);
};

namespace {

const QByteArray kCatalogue = "\"Ou\",\"Golf\",#TRUE#,#FALSE#,#FALSE#\r\n"
                              "\"Ou\",\"Running\",#TRUE#,#TRUE#,#TRUE#\r\n"
                              "\"Ou\",\"Skiing\",#TRUE#,#FALSE#,#TRUE#\r\n"
                              "\"In\",\"Golf\",#TRUE#,#TRUE#,#FALSE#\r\n"
                              "\"In\",\"Squash \",#TRUE#,#FALSE#,#FALSE#\r\n"
                              "\"Aq\",\"Swimming\",#TRUE#,#TRUE#,#TRUE#\r\n";

} // namespace

using WindowTest::file;
using WindowTest::hover;
using WindowTest::write;

ShellFixture::Options TestAerobicWindows::options()
{
    return WindowTest::on(QDate(2026, 12, 7),
                          {{SettingKeys::PersonalInformation, SettingKeys::Weight, QStringLiteral("150")}});
}

void TestAerobicWindows::choose(QListWidget *list, const QString &text)
{
    QVERIFY2(WindowTest::chooseByMouse(list, text), qPrintable(text));
}

void TestAerobicWindows::pickInstallsTheTickedActivities()
{
    ShellFixture f({registerWorkoutWindows}, options());
    QVERIFY(f.trigger(QStringLiteral("itmPickA")));
    auto *w = f.windowAs<frmPickAero>(frmPickAero::kName);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Pick Aerobic Excercise"));
    QVERIFY(f.checkedItems().isEmpty());
    QCOMPARE(w->name(7)->text(), QStringLiteral("Football "));
    QCOMPARE(w->heading(2)->text(), QStringLiteral("Aquatic Acitivity"));
    QCOMPARE(w->heightTwips(), 5640);

    w->check(0)->setChecked(true);
    w->check(22)->setChecked(true);
    w->enterButton()->click();
    QVERIFY(f.takeMessages().isEmpty());
    QCOMPARE(file(f, QStringLiteral("AerobicDescription.txt")),
             QByteArray(
                 "\"Ou\",\"Running\",#TRUE#,#TRUE#,#TRUE#\r\n\"Aq\",\"Swimming\",#TRUE#,#TRUE#,#TRUE#\r\n"));
    QVERIFY(QFile::exists(
        ExerciseLogName::path(f.dataFolder(), QStringLiteral("Ou"), QStringLiteral("Running"))));
    QVERIFY(QFile::exists(
        ExerciseLogName::path(f.dataFolder(), QStringLiteral("Aq"), QStringLiteral("Swimming"))));
    QVERIFY(!w->check(0)->isChecked());
    QVERIFY(!w->check(22)->isChecked());
}

void TestAerobicWindows::pickStopsAtAnActivityAlreadyThere()
{
    ShellFixture f({registerWorkoutWindows}, options());
    write(f, QStringLiteral("AerobicDescription.txt"), "\"Ou\",\"Biking\",#TRUE#,#TRUE#,#TRUE#\r\n");
    QVERIFY(f.trigger(QStringLiteral("itmPickA")));
    auto *w = f.windowAs<frmPickAero>(frmPickAero::kName);
    w->check(0)->setChecked(true);
    w->check(1)->setChecked(true);
    w->check(2)->setChecked(true);
    w->enterButton()->click();
    QCOMPARE(f.takeMessages(), QStringList{ExerciseLogName::alreadyCreated(QStringLiteral("Biking"))});
    QCOMPARE(
        file(f, QStringLiteral("AerobicDescription.txt")),
        QByteArray("\"Ou\",\"Biking\",#TRUE#,#TRUE#,#TRUE#\r\n\"Ou\",\"Running\",#TRUE#,#TRUE#,#TRUE#\r\n"));
    QVERIFY(!QFile::exists(
        ExerciseLogName::path(f.dataFolder(), QStringLiteral("Ou"), QStringLiteral("Walking"))));
    for (int i : {0, 1, 2})
        QVERIFY(w->check(i)->isChecked());
}

void TestAerobicWindows::pickNamesToggleAndHint()
{
    ShellFixture f({registerWorkoutWindows}, options());
    QVERIFY(f.trigger(QStringLiteral("itmPickA")));
    auto *w = f.windowAs<frmPickAero>(frmPickAero::kName);
    QTest::mouseClick(w->name(12), Qt::LeftButton);
    QVERIFY(w->check(12)->isChecked());
    QTest::mouseClick(w->name(12), Qt::LeftButton);
    QVERIFY(!w->check(12)->isChecked());

    hover(w->name(12));
    QCOMPARE(w->notes()->text(), QStringLiteral("These exercise are mainly performed in the indoors."));
    QCOMPARE(w->heading(1)->font().pointSizeF(), 11.0);
    hover(w->name(23));
    QCOMPARE(w->notes()->text(), QStringLiteral("These exercises are performed in the water."));
    QCOMPARE(w->heading(1)->font().pointSizeF(), 10.0);
    QCOMPARE(w->heading(2)->font().pointSizeF(), 11.0);
    hover(w->check(22));
    QCOMPARE(w->notes()->text(), QStringLiteral("Check box to install a Swimming Table"));
    QCOMPARE(w->heading(2)->font().pointSizeF(), 11.0);
    hover(w->enterButton()->label());
    QCOMPARE(w->notes()->text(), QStringLiteral("Press button to select the checked exercises."));
    hover(w, QPoint(2, w->height() - 2));
    QCOMPARE(w->notes()->text(), QString());
    QCOMPARE(w->heading(2)->font().pointSizeF(), 11.0);
}

void TestAerobicWindows::makeOwnAddsAnActivity()
{
    ShellFixture f({registerWorkoutWindows}, options());
    QVERIFY(f.trigger(QStringLiteral("itmMakeA")));
    auto *w = f.windowAs<frmMakeOwnAero>(frmMakeOwnAero::kName);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Make Your Own Aerobic Excercise"));
    QVERIFY(!w->category()->isEditable());
    QCOMPARE(w->category()->currentIndex(), -1);
    QCOMPARE(w->category()->placeholderText(), QStringLiteral("Choose Type of Activity"));
    QCOMPARE(w->nameBox()->text(), QStringLiteral("Place Excersice Name Here"));
    QVERIFY(w->timeOnly()->isChecked());
    QVERIFY(!w->terrain()->isEnabled());
    QCOMPARE(w->calories()->text(), QStringLiteral("1"));
    QCOMPARE(w->minutes()->text(), QStringLiteral("1"));

    w->category()->setCurrentIndex(1);
    w->nameBox()->setText(QStringLiteral("Hiking "));
    QTest::mouseClick(w->label(1), Qt::LeftButton);
    QVERIFY(w->distanceAndTime()->isChecked());
    QVERIFY(!w->timeOnly()->isChecked());
    QVERIFY(w->terrain()->isEnabled());
    QTest::mouseClick(w->label(3), Qt::LeftButton);
    QVERIFY(w->terrain()->isChecked());
    w->caloriesSpinner()->setValue(300);
    QCOMPARE(w->calories()->text(), QStringLiteral("300"));
    w->minutes()->setText(QStringLiteral("30"));

    const QByteArray factors = file(f, QStringLiteral("BurnnedCalories.txt"));
    w->enterButton()->click();
    QVERIFY(f.takeMessages().isEmpty());
    QCOMPARE(w->notes()->text(), CustomAerobic::kAdded);
    QCOMPARE(file(f, QStringLiteral("AerobicDescription.txt")),
             QByteArray("\"Ou\",\"Hiking \",#TRUE#,#TRUE#,#TRUE#\r\n"));
    QVERIFY(QFile::exists(
        ExerciseLogName::path(f.dataFolder(), QStringLiteral("Ou"), QStringLiteral("Hiking "))));
    QCOMPARE(file(f, QStringLiteral("BurnnedCalories.txt")), factors + "\"Hiking\",0.0667\r\n");
    // The inputs stay; the same activity a second time is refused.
    w->enterButton()->click();
    QCOMPARE(f.takeMessages(), QStringList{ExerciseLogName::alreadyCreated(QStringLiteral("Hiking "))});
}

void TestAerobicWindows::makeOwnOptionsAndRefusal()
{
    ShellFixture f({registerWorkoutWindows}, options());
    QVERIFY(f.trigger(QStringLiteral("itmMakeA")));
    auto *w = f.windowAs<frmMakeOwnAero>(frmMakeOwnAero::kName);
    w->category()->setCurrentIndex(0);
    w->nameBox()->setText(QStringLiteral("Rowing"));

    // The terrain ticked through its label while Time Only is chosen.
    QTest::mouseClick(w->label(3), Qt::LeftButton);
    QVERIFY(w->terrain()->isChecked());
    QVERIFY(!w->terrain()->isEnabled());
    // Time Only's label while it is chosen leaves no option chosen.
    QTest::mouseClick(w->label(2), Qt::LeftButton);
    QVERIFY(!w->timeOnly()->isChecked());
    QVERIFY(!w->distanceAndTime()->isChecked());
    const auto before = folderSnapshot(f.dataFolder());
    w->enterButton()->click();
    QCOMPARE(f.takeMessages(), QStringList{CustomAerobic::kIncomplete});
    QCOMPARE(folderSnapshot(f.dataFolder()), before);

    QTest::mouseClick(w->label(2), Qt::LeftButton);
    QVERIFY(w->timeOnly()->isChecked());
    w->enterButton()->click();
    QVERIFY(f.takeMessages().isEmpty());
    QCOMPARE(file(f, QStringLiteral("AerobicDescription.txt")),
             QByteArray("\"In\",\"Rowing\",#TRUE#,#FALSE#,#TRUE#\r\n"));

    // Hints: the class and name headings grow one at a time.
    hover(w->heading(0));
    QCOMPARE(w->notes()->text(), QStringLiteral("Select which category excercise will fall under"));
    QCOMPARE(w->heading(0)->font().pointSizeF(), 11.0);
    hover(w->label(1));
    QCOMPARE(w->heading(0)->font().pointSizeF(), 10.0);
    QCOMPARE(w->heading(2)->font().pointSizeF(), 11.0);
    hover(w->label(2));
    QCOMPARE(w->notes()->text(),
             QStringLiteral("Select option if you  wish to record only the time of the excercise"));
    QCOMPARE(w->heading(2)->font().pointSizeF(), 11.0);
    hover(w, QPoint(w->width() - 4, w->height() - 4));
    QCOMPARE(w->notes()->text(), QString());
    QCOMPARE(w->heading(2)->font().pointSizeF(), 10.0);
}

void TestAerobicWindows::entryListsTheClassOfTheCheckedItem_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("terrains");

    const QStringList land = {"Hilly ", "Flat - Indoor", "Flat - Outdoor"};
    QTest::newRow("indoor") << "itmIn" << "Please Enter Exercises for Indoor Activites"
                            << QStringList{"Golf", "Squash "} << land;
    QTest::newRow("outdoor") << "itmOut" << "Please Enter Exercises for Outdoor Actities"
                             << QStringList{"Golf", "Running", "Skiing"} << land;
    QTest::newRow("aquatic") << "itmAqua" << "Please Enter Exercises for Aquatic Activities"
                             << QStringList{"Swimming"}
                             << QStringList{"Choppy Waters", "Calm Waters", "Indoor"};
}

void TestAerobicWindows::entryListsTheClassOfTheCheckedItem()
{
    QFETCH(QString, item);
    QFETCH(QStringList, names);
    QFETCH(QStringList, terrains);
    ShellFixture f({registerWorkoutWindows}, options());
    write(f, QStringLiteral("AerobicDescription.txt"), kCatalogue);
    QVERIFY(f.trigger(item));
    QCOMPARE(f.checkedItems(), QStringList{item});
    auto *w = f.windowAs<frmEnterAero>(frmEnterAero::kName);
    QVERIFY(w);
    QTEST(w->windowTitle(), "caption");
    QCOMPARE(w->heightTwips(), 4240);
    QStringList listed;
    for (int i = 0; i < w->activities()->count(); ++i)
        listed << w->activities()->item(i)->text();
    QCOMPARE(listed, names);
    QStringList offered;
    for (int i = 0; i < w->terrain()->count(); ++i)
        offered << w->terrain()->itemText(i);
    QCOMPARE(offered, terrains);
    QVERIFY(!w->terrain()->isEditable());
    QCOMPARE(w->terrain()->currentIndex(), -1);
    QCOMPARE(w->date()->date(), QDate(2026, 12, 7));
    for (QLineEdit *box : {static_cast<QLineEdit *>(w->hours()), static_cast<QLineEdit *>(w->minutes()),
                           static_cast<QLineEdit *>(w->distance())})
        QCOMPARE(box->text(), QStringLiteral("0"));
}

void TestAerobicWindows::entryShowsWhatTheActivityRecords()
{
    ShellFixture f({registerWorkoutWindows}, options());
    write(f, QStringLiteral("AerobicDescription.txt"), kCatalogue);
    QVERIFY(f.trigger(QStringLiteral("itmIn")));
    auto *w = f.windowAs<frmEnterAero>(frmEnterAero::kName);
    QVERIFY(w->distance()->isHidden());
    QVERIFY(w->terrain()->isHidden());
    // The indoor Golf records a distance; the outdoor one, first in the
    // file, records the time alone.
    choose(w->activities(), QStringLiteral("Golf"));
    QVERIFY(!w->distance()->isHidden());
    QVERIFY(!w->label(7)->isHidden());
    QVERIFY(w->terrain()->isHidden());
    choose(w->activities(), QStringLiteral("Squash "));
    QVERIFY(w->distance()->isHidden());

    f.trigger(QStringLiteral("itmOut"));
    w = f.windowAs<frmEnterAero>(frmEnterAero::kName);
    choose(w->activities(), QStringLiteral("Skiing"));
    QVERIFY(w->distance()->isHidden());
    QVERIFY(!w->terrain()->isHidden());
    QVERIFY(!w->label(6)->isHidden());
    choose(w->activities(), QStringLiteral("Running"));
    QVERIFY(!w->distance()->isHidden());
    QVERIFY(!w->terrain()->isHidden());

    hover(w->label(1));
    QCOMPARE(w->notes()->text(), QStringLiteral("Please choose from the list of excercises"));
    hover(w->label(6));
    QCOMPARE(w->notes()->text(), QStringLiteral("Please enter type of terrain"));
    hover(w, QPoint(w->width() - 4, w->height() - 4));
    QCOMPARE(w->notes()->text(), QString());
}

void TestAerobicWindows::entrySavesOnMouseDown()
{
    ShellFixture f({registerWorkoutWindows}, options());
    write(f, QStringLiteral("AerobicDescription.txt"), kCatalogue);
    write(f, QStringLiteral("InGolf.txt"), "\"09-Dec-26\",20,1\r\n\"05-Dec-26\",40,2\r\n");
    write(f, QStringLiteral("OuGolf.txt"), "\"01-Dec-26\",90\r\n");
    QVERIFY(f.trigger(QStringLiteral("itmIn")));
    auto *w = f.windowAs<frmEnterAero>(frmEnterAero::kName);
    choose(w->activities(), QStringLiteral("Golf"));
    w->hoursSpinner()->setValue(1);
    w->minutes()->setText(QStringLiteral("30"));
    w->distance()->setText(QStringLiteral("2.5"));

    // Mouse-down alone does the work.
    QTest::mousePress(w->enterButton()->label(), Qt::LeftButton);
    QVERIFY(f.takeMessages().isEmpty());
    QCOMPARE(file(f, QStringLiteral("InGolf.txt")),
             QByteArray("\"09-Dec-26\",20,1\r\n\"07-Dec-26\",90,2\r\n\"05-Dec-26\",40,2\r\n"));
    QCOMPARE(file(f, QStringLiteral("OuGolf.txt")), QByteArray("\"01-Dec-26\",90\r\n"));
    // 90 minutes × 150 pounds × Golf's shipped 0.0381.
    QCOMPARE(file(f, QStringLiteral("ExerciseCalories.txt")), QByteArray("\"07-Dec-26\",514.35\r\n"));
    QCOMPARE(w->hours()->text(), QStringLiteral("0"));
    QCOMPARE(w->minutes()->text(), QStringLiteral("0"));
    QCOMPARE(w->distance()->text(), QStringLiteral("0"));
    QCOMPARE(w->hoursSpinner()->value(), 1);
    QCOMPARE(w->chosenName(), QStringLiteral("Golf"));
    QTest::mouseRelease(w->enterButton()->label(), Qt::LeftButton);
    QCOMPARE(file(f, QStringLiteral("ExerciseCalories.txt")), QByteArray("\"07-Dec-26\",514.35\r\n"));

    // A standard activity with its shipped factor.
    f.trigger(QStringLiteral("itmOut"));
    w = f.windowAs<frmEnterAero>(frmEnterAero::kName);
    choose(w->activities(), QStringLiteral("Running"));
    w->minutes()->setText(QStringLiteral("30"));
    w->distance()->setText(QStringLiteral("3"));
    w->terrain()->setCurrentIndex(0);
    w->date()->setDate(QDate(2026, 12, 8));
    QTest::mousePress(w->enterButton()->label(), Qt::LeftButton);
    QCOMPARE(file(f, QStringLiteral("OuRunning.txt")), QByteArray("\"08-Dec-26\",30,3,\"Hilly \"\r\n"));
    // 30 minutes × 150 pounds × 0.0659 per pound and minute.
    QCOMPARE(file(f, QStringLiteral("ExerciseCalories.txt")),
             QByteArray("\"08-Dec-26\",296.55\r\n\"07-Dec-26\",514\r\n"));
}

void TestAerobicWindows::entryRefusesAndWritesNothing()
{
    ShellFixture f({registerWorkoutWindows}, options());
    write(f, QStringLiteral("AerobicDescription.txt"), kCatalogue);
    QVERIFY(f.trigger(QStringLiteral("itmOut")));
    auto *w = f.windowAs<frmEnterAero>(frmEnterAero::kName);
    const auto before = folderSnapshot(f.dataFolder());
    w->minutes()->setText(QStringLiteral("30"));
    QTest::mousePress(w->enterButton()->label(), Qt::LeftButton);
    QCOMPARE(f.takeMessages(), QStringList{AerobicWorkout::kPickOne});

    choose(w->activities(), QStringLiteral("Running"));
    w->minutes()->setText(QStringLiteral("0"));
    QTest::mousePress(w->enterButton()->label(), Qt::LeftButton);
    QCOMPARE(f.takeMessages(), QStringList{AerobicWorkout::kPickOne});
    w->hours()->setText(QStringLiteral("0.5"));
    QTest::mousePress(w->enterButton()->label(), Qt::LeftButton);
    QCOMPARE(f.takeMessages(), QStringList{QStringLiteral("The hours must be a whole number of 0 or more.")});
    w->hours()->setText(QStringLiteral("1"));
    w->distance()->setText(QStringLiteral("x"));
    QTest::mousePress(w->enterButton()->label(), Qt::LeftButton);
    QCOMPARE(f.takeMessages(),
             QStringList{QStringLiteral("The distance must be a number from 0 to 32767 miles.")});
    QCOMPARE(folderSnapshot(f.dataFolder()), before);
    QCOMPARE(w->hours()->text(), QStringLiteral("1"));
    QVERIFY(!w->enterButton()->isPressed());
}

void TestAerobicWindows::minutesRollOverIntoHours()
{
    ShellFixture f({registerWorkoutWindows}, options());
    QVERIFY(f.trigger(QStringLiteral("itmAqua")));
    auto *w = f.windowAs<frmEnterAero>(frmEnterAero::kName);
    QScrollBar *minutes = w->minutesSpinner()->bar();
    w->hoursSpinner()->setValue(2);
    w->minutesSpinner()->setValue(59);
    minutes->triggerAction(QAbstractSlider::SliderSingleStepSub); // the up arrow
    QCOMPARE(w->minutes()->text(), QStringLiteral("0"));
    QCOMPARE(w->minutesSpinner()->value(), 0);
    QCOMPARE(w->hours()->text(), QStringLiteral("3"));
    QCOMPARE(w->hoursSpinner()->value(), 3);

    // At six hours the hours stay at six.
    w->hoursSpinner()->setValue(6);
    w->minutesSpinner()->setValue(59);
    minutes->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(w->hours()->text(), QStringLiteral("6"));
    QCOMPARE(w->minutes()->text(), QStringLiteral("0"));

    // Typing into the box does not move its bar.
    w->hours()->setText(QStringLiteral("4"));
    QCOMPARE(w->hoursSpinner()->value(), 6);
}

void TestAerobicWindows::deleteRemovesTheChosenRows()
{
    ShellFixture f({registerWorkoutWindows}, options());
    write(f, QStringLiteral("AerobicDescription.txt"), kCatalogue);
    write(f, QStringLiteral("ExerciseDescription.txt"), "\"Bi\",\"Barbell Curl\",\"Curl\",3\r\n");
    for (const char *log : {"InSquash .txt", "OuGolf.txt", "InGolf.txt", "BiBarbell Curl.txt"})
        write(f, QLatin1String(log), "\"07-Dec-26\",30\r\n");
    QVERIFY(f.trigger(QStringLiteral("itmDel")));
    auto *w = f.windowAs<frmDelete>(frmDelete::kName);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Delete Exercise(s)"));
    QCOMPARE(f.checkedItems(), QStringList{QStringLiteral("itmDel")});
    QVERIFY(!w->categoryBox()->isEditable());
    QCOMPARE(w->categoryBox()->placeholderText(), QStringLiteral("Choose A Category"));
    QCOMPARE(w->list()->count(), 0);

    // Before a category is chosen: nothing goes, and the aerobic list shows.
    w->enterButton()->click();
    QCOMPARE(w->notes()->text(), ExerciseDeletion::kDone);
    QCOMPARE(w->list()->count(), 6);

    w->categoryBox()->setCurrentIndex(0);
    QCOMPARE(w->list()->count(), 1);
    w->categoryBox()->setCurrentIndex(1);
    QCOMPARE(w->list()->count(), 6);
    w->notes()->clear();
    w->list()->item(3)->setSelected(true); // the indoor Golf
    w->list()->item(4)->setSelected(true); // Squash
    w->enterButton()->click();
    QVERIFY(f.takeMessages().isEmpty());
    QCOMPARE(w->notes()->text(), ExerciseDeletion::kDone);
    QCOMPARE(file(f, QStringLiteral("AerobicDescription.txt")),
             QByteArray("\"Ou\",\"Golf\",#TRUE#,#FALSE#,#FALSE#\r\n"
                        "\"Ou\",\"Running\",#TRUE#,#TRUE#,#TRUE#\r\n"
                        "\"Ou\",\"Skiing\",#TRUE#,#FALSE#,#TRUE#\r\n"
                        "\"Aq\",\"Swimming\",#TRUE#,#TRUE#,#TRUE#\r\n"));
    QVERIFY(
        !QFile::exists(ExerciseLogName::path(f.dataFolder(), QStringLiteral("In"), QStringLiteral("Golf"))));
    QVERIFY(!QFile::exists(
        ExerciseLogName::path(f.dataFolder(), QStringLiteral("In"), QStringLiteral("Squash "))));
    QVERIFY(
        QFile::exists(ExerciseLogName::path(f.dataFolder(), QStringLiteral("Ou"), QStringLiteral("Golf"))));
    QCOMPARE(w->list()->count(), 4);
    QVERIFY(w->list()->selectedItems().isEmpty());
    QCOMPARE(file(f, QStringLiteral("ExerciseDescription.txt")),
             QByteArray("\"Bi\",\"Barbell Curl\",\"Curl\",3\r\n"));

    hover(w->list());
    QCOMPARE(w->notes()->text(),
             QStringLiteral("Select from the list of exercises in your database you wish to delete."));
    hover(w, QPoint(2, w->height() - 2));
    QCOMPARE(w->notes()->text(), QString());
}

void TestAerobicWindows::deleteLeavesADamagedCatalogue()
{
    ShellFixture f({registerWorkoutWindows}, options());
    write(f, QStringLiteral("ExerciseDescription.txt"),
          "\"Bi\",\"Barbell Curl\",\"Curl\",3\r\n\"Ch\",\"Bench Press\",\"Press\",3\r\n");
    QVERIFY(f.trigger(QStringLiteral("itmDel")));
    auto *w = f.windowAs<frmDelete>(frmDelete::kName);
    w->categoryBox()->setCurrentIndex(0);
    QCOMPARE(w->list()->count(), 2);
    w->list()->item(0)->setSelected(true);
    // The file is damaged after the list was filled.
    write(f, QStringLiteral("ExerciseDescription.txt"),
          "\"Bi\",\"Barbell Curl\",\"Curl\",3\r\n\"Ch\",\"Bench Press\"\r\n");
    const auto before = folderSnapshot(f.dataFolder());
    w->enterButton()->click();
    QCOMPARE(f.takeMessages(), QStringList{QStringLiteral(
                                   "The file ExerciseDescription.txt is damaged: it ends inside a record "
                                   "(line 3).")});
    QCOMPARE(folderSnapshot(f.dataFolder()), before);
    QCOMPARE(w->notes()->text(), QString());
    QCOMPARE(w->list()->count(), 1);
}

// Two activities chosen as the user chooses them, one of whose logs cannot
// go (a folder stands in its place): the window names that log, and every
// file stays as it was. Once the way is clear the same choice deletes both,
// with their logs.
void TestAerobicWindows::deleteIsAllOrNone()
{
    ShellFixture f({registerWorkoutWindows}, options());
    write(f, QStringLiteral("AerobicDescription.txt"), kCatalogue);
    write(f, QStringLiteral("InSquash .txt"), "\"07-Dec-26\",30\r\n");
    write(f, QStringLiteral("OuGolf.txt"), "\"07-Dec-26\",45\r\n");
    const QString skiing = ExerciseLogName::path(f.dataFolder(), QStringLiteral("Ou"), QStringLiteral("Skiing"));
    QVERIFY(QDir().mkpath(skiing + QStringLiteral("/in the way")));
    QVERIFY(f.trigger(QStringLiteral("itmDel")));
    auto *w = f.windowAs<frmDelete>(frmDelete::kName);
    QVERIFY(w);
    auto deleteSkiingAndSquash = [&] {
        QVERIFY(WindowTest::chooseByKeys(w->categoryBox(), QStringLiteral("Cardio")));
        QVERIFY(WindowTest::chooseByKeys(w->list(), QStringLiteral("Skiing")));
        WindowTest::clickRow(w->list(), 4, Qt::ControlModifier); // Squash too
        QCOMPARE(w->list()->selectedItems().size(), 2);
        WindowTest::click(w, QStringLiteral("lblEnter"));
    };
    const auto before = folderSnapshot(f.dataFolder());
    deleteSkiingAndSquash();
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(f.takeMessages(), QStringList{QStringLiteral("The log OuSkiing.txt could not be deleted: it is a "
                                                          "folder. Nothing was changed.")});
    QCOMPARE(w->notes()->text(), QString());
    QCOMPARE(folderSnapshot(f.dataFolder()), before);
    QCOMPARE(w->list()->count(), 6);

    QVERIFY(QDir(skiing).removeRecursively());
    write(f, QStringLiteral("OuSkiing.txt"), "\"06-Dec-26\",60\r\n");
    deleteSkiingAndSquash();
    if (QTest::currentTestFailed())
        return;
    QVERIFY(f.takeMessages().isEmpty());
    QCOMPARE(w->notes()->text(), ExerciseDeletion::kDone);
    QCOMPARE(file(f, QStringLiteral("AerobicDescription.txt")),
             QByteArray("\"Ou\",\"Golf\",#TRUE#,#FALSE#,#FALSE#\r\n"
                        "\"Ou\",\"Running\",#TRUE#,#TRUE#,#TRUE#\r\n"
                        "\"In\",\"Golf\",#TRUE#,#TRUE#,#FALSE#\r\n"
                        "\"Aq\",\"Swimming\",#TRUE#,#TRUE#,#TRUE#\r\n"));
    QVERIFY(!QFileInfo::exists(skiing));
    QVERIFY(!QFileInfo::exists(
        ExerciseLogName::path(f.dataFolder(), QStringLiteral("In"), QStringLiteral("Squash "))));
    QCOMPARE(file(f, QStringLiteral("OuGolf.txt")), QByteArray("\"07-Dec-26\",45\r\n"));
    QCOMPARE(w->list()->count(), 4);
}

// The sample workout's calories and minutes are numbers within their
// spinners' ranges, and the name must make a log the file system takes:
// 99999999999 calories in a minute used to give a factor whose workouts the
// journal could not hold. Nothing is written; the journal takes the next
// workout.
void TestAerobicWindows::makeOwnBoundsTheSampleAndTheName()
{
    ShellFixture f({registerWorkoutWindows}, options());
    write(f, QStringLiteral("AerobicDescription.txt"), kCatalogue);
    QVERIFY(f.trigger(QStringLiteral("itmMakeA")));
    auto *w = f.windowAs<frmMakeOwnAero>(frmMakeOwnAero::kName);
    QVERIFY(w);
    w->category()->setFocus();
    QTest::keyClick(w->category(), Qt::Key_Down);
    QCOMPARE(w->category()->currentText(), QStringLiteral("Indoor Activity"));
    WindowTest::type(w->nameBox(), QStringLiteral("Stairs"));
    const auto before = folderSnapshot(f.dataFolder());
    auto enter = [&] { QTest::mouseClick(w->enterButton()->label(), Qt::LeftButton); };

    WindowTest::type(w->calories(), QStringLiteral("99999999999"));
    enter();
    WindowTest::type(w->calories(), QStringLiteral("1001"));
    enter();
    WindowTest::type(w->calories(), QStringLiteral("1000"));
    WindowTest::type(w->minutes(), QStringLiteral("121"));
    enter();
    QCOMPARE(f.takeMessages(), QStringList(3, CustomAerobic::kIncomplete));
    WindowTest::type(w->minutes(), QStringLiteral("120"));
    WindowTest::type(w->nameBox(), QString(250, u's'));
    enter();
    QCOMPARE(f.takeMessages(), QStringList{QStringLiteral("The name is too long for a file name.")});
    QCOMPARE(folderSnapshot(f.dataFolder()), before);

    // At the top of both ranges: 1000 calories in 120 minutes at 150 lb.
    WindowTest::type(w->nameBox(), QStringLiteral("Stairs"));
    enter();
    QVERIFY2(f.messages().isEmpty(), qPrintable(f.messages().join(u'\n')));
    QCOMPARE(w->notes()->text(), CustomAerobic::kAdded);
    QVERIFY(file(f, QStringLiteral("BurnnedCalories.txt")).endsWith("\"Stairs\",0.0556\r\n"));

    // Its workout: 30 minutes × 150 lb × 0.0556.
    QVERIFY(f.trigger(QStringLiteral("itmIn")));
    auto *entry = f.windowAs<frmEnterAero>(frmEnterAero::kName);
    QVERIFY(entry);
    choose(entry->activities(), QStringLiteral("Stairs"));
    WindowTest::type(entry->minutes(), QStringLiteral("30"));
    QTest::mousePress(entry->enterButton()->label(), Qt::LeftButton);
    QTest::mouseRelease(entry->enterButton()->label(), Qt::LeftButton);
    QVERIFY2(f.messages().isEmpty(), qPrintable(f.messages().join(u'\n')));
    QCOMPARE(file(f, QStringLiteral("ExerciseCalories.txt")), QByteArray("\"07-Dec-26\",250.2\r\n"));
}

// A catalogue another program saved with a UTF-8 byte-order mark lists its
// first activity like the others.
void TestAerobicWindows::entryListsTheFirstActivityOfACatalogueWithAByteOrderMark()
{
    ShellFixture f({registerWorkoutWindows}, options());
    write(f, QStringLiteral("AerobicDescription.txt"), "\xEF\xBB\xBF" + kCatalogue);
    QVERIFY(f.trigger(QStringLiteral("itmOut")));
    auto *w = f.windowAs<frmEnterAero>(frmEnterAero::kName);
    QVERIFY(w);
    QVERIFY(f.messages().isEmpty());
    QVERIFY(w->activities()->count() > 0);
    QCOMPARE(w->activities()->item(0)->text(), QStringLiteral("Golf"));
}

PULSAR_TEST_MAIN(TestAerobicWindows)
#include "tst_aerobicwindows.moc"
