#include "support/Pixels.h"
#include "support/ShellFixture.h"
#include "support/TestEnvironment.h"
#include "support/TextFit.h"
#include "support/WindowTest.h"

#include "common/SettingKeys.h"
#include "common/ImageSurface.h"
#include "common/Settings.h"
#include "nutrition/BalanceWindows.h"
#include "nutrition/frmCalDate.h"
#include "nutrition/frmFoodPieChart.h"
#include "nutrition/mFoodPieChart.h"
#include "nutrition/FoodDay.h"
#include "nutrition/mCalories.h"
#include "shell/LabelButton.h"
#include "shell/PictureBox.h"
#include "shell/Twips.h"
#include "shell/WorkingWindow.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using WindowTest::control;

namespace {

const QDate kToday(2026, 12, 7);

const QString kDesignDays = QStringLiteral("Select Days To View Up Until");
const QString kExercise = QStringLiteral("ExerciseCalories.txt");

// A logged week, 1 to 7 December, in both journals, with records around it.
const QByteArray kFood = "\"08-Dec-26\",500\r\n\"07-Dec-26\",300\r\n\"05-Dec-26\",200\r\n\"01-Dec-26\",100\r\n"
                         "\"30-Nov-26\",50\r\n";
const QByteArray kWorkouts = "\"07-Dec-26\",142.5\r\n\"06-Dec-26\",40\r\n\"30-Nov-26\",5\r\n";

const QStringList kValueLabels{"Label1(0)", "Label1(1)", "Label3(0)", "Label3(1)", "Label5(0)", "Label5(1)"};

QList<QStringList> weighing(const QString &weight)
{
    return {{SettingKeys::PersonalInformation, SettingKeys::Weight, weight}};
}

frmCalDate *open(ShellFixture &f)
{
    if (!f.trigger(QStringLiteral("itmCalories")))
        return nullptr;
    return f.windowAs<frmCalDate>(frmCalDate::kName);
}

// Types a number of days into the box, as the user does after clicking it.
void typeDays(QWidget *w, const QString &days)
{
    auto *box = control<QComboBox>(w, "cboLastDay");
    QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
    box->lineEdit()->selectAll();
    QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
    QTest::keyClicks(box->lineEdit(), days);
}

// The window's month calendar.
QCalendarWidget *calendar(QWidget *w)
{
    return control<QCalendarWidget>(w, "DTPicker1");
}

QString text(QWidget *w, const QString &name)
{
    return control<QLabel>(w, name)->text();
}

// The colour a label shows at its right edge, where the text is not.
QColor shownBack(QWidget *w, const QString &name)
{
    auto *l = control<QLabel>(w, name);
    const QImage image = l->grab().toImage();
    return image.pixelColor(image.width() - 2, image.height() / 2);
}

// The box of the black outline in the picture as it shows.
QRect outlineOf(QWidget *w)
{
    return Pixels::colourBox(control<PictureBox>(w, "Picture1")->grab().toImage(), Qt::black);
}

} // namespace

class TestBalanceWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void opensOnTodayWithTheOfferedDays();
    void showsTheBalanceOfTheDaysChosen_data();
    void showsTheBalanceOfTheDaysChosen();
    void refusesDaysItCannotShow_data();
    void refusesDaysItCannotShow();
    void calendarSentenceShowsTheDaysChosen();
    void pieChartOpensOnToday();
    void pieChartShowsTheDayChosen();
    void pieChartOfADayWithoutFood();
    void captionsFit();
};

void TestBalanceWindows::init()
{
    ShellFixture::setPauses(0, 0);
}

void TestBalanceWindows::opensOnTodayWithTheOfferedDays()
{
    ShellFixture f({registerBalanceWindows}, WindowTest::on(kToday));
    frmCalDate *w = open(f);
    QVERIFY(w);
    QCOMPARE(f.checkedItems(), QStringList{"itmCalories"});
    QCOMPARE(w->windowTitle(), frmCalDate::kCaption);
    QCOMPARE(w->widthTwips(), 9360);
    // The open animation grows it 100 twips a step up to its height.
    QVERIFY(w->heightTwips() >= 7095 && w->heightTwips() < 7195);

    auto *calendar = control<QCalendarWidget>(w, "DTPicker1");
    QCOMPARE(calendar->selectedDate(), kToday);
    QCOMPARE(calendar->minimumDate(), QDate(1950, 1, 1));
    QCOMPARE(calendar->maximumDate(), QDate(2049, 12, 31));
    auto *days = control<QComboBox>(w, "cboLastDay");
    QVERIFY(days->isEditable());
    QCOMPARE(days->count(), 13);
    QCOMPARE(days->itemText(0), QString("1"));
    QCOMPARE(days->itemText(12), QString("120"));
    QCOMPARE(days->currentText(), kDesignDays);

    for (const QString &name : kValueLabels) {
        QVERIFY2(!control<QLabel>(w, name)->autoFillBackground(), qPrintable(name));
        QVERIFY(text(w, name).isEmpty());
    }
    QCOMPARE(control<QLabel>(w, "Label3(0)")->toolTip(), QString("Calories Burnned Through Body Metabolism"));
    for (const char *heading : {"Label2", "Label4", "Label6"})
        QVERIFY(text(w, heading).isEmpty());
    QCOMPARE(text(w, "lblEnter").trimmed(), QString("View Information"));
}

void TestBalanceWindows::showsTheBalanceOfTheDaysChosen_data()
{
    QTest::addColumn<bool>("typed"); // typed, else chosen from the list with the arrow keys
    QTest::addColumn<QByteArray>("food");
    QTest::addColumn<QStringList>("values"); // the six value labels
    QTest::newRow("a logged week, typed")
        << true << kFood << QStringList{"600", "5.01%", "11200", "93.47%", "182", "1.52%"};
    QTest::newRow("a logged week, chosen") << false << kFood
                                           << QStringList{"600", "5.01%", "11200", "93.47%", "182", "1.52%"};
    // Nothing eaten shows 0, not the wedge the pie keeps for it.
    QTest::newRow("nothing eaten") << true << QByteArray()
                                   << QStringList{"0", "0.00%", "11200", "98.40%", "182", "1.60%"};
    QTest::newRow("corrections outweigh the food")
        << true << QByteArray("\"03-Dec-26\",-500\r\n") << QStringList{"-500", "0.00%", "11200", "98.40%", "182", "1.60%"};
}

// The week from 1 December: the first day moved back with the arrow keys,
// seven days, View Information.
void TestBalanceWindows::showsTheBalanceOfTheDaysChosen()
{
    QFETCH(bool, typed);
    QFETCH(QByteArray, food);
    QFETCH(QStringList, values);
    ShellFixture f({registerBalanceWindows}, WindowTest::on(kToday, weighing("160")));
    WindowTest::write(f, FoodDay::kJournalFileName, food);
    WindowTest::write(f, kExercise, kWorkouts);
    frmCalDate *w = open(f);
    QVERIFY(w);

    WindowTest::moveDay(calendar(w), Qt::Key_Left, 6);
    QCOMPARE(control<QCalendarWidget>(w, "DTPicker1")->selectedDate(), QDate(2026, 12, 1));
    if (typed) {
        typeDays(w, "7");
    } else {
        auto *box = control<QComboBox>(w, "cboLastDay");
        box->setFocus();
        for (int i = 0; i < 7; ++i)
            QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->currentText(), QString("7"));
    }
    WindowTest::click(w, "lblEnter");

    QVERIFY2(f.messages().isEmpty(), qPrintable(f.messages().join(u'\n')));
    for (qsizetype i = 0; i < kValueLabels.size(); ++i)
        QCOMPARE(text(w, kValueLabels[i]), values[i]);
    QCOMPARE(text(w, "Label2"), QString("Caloric Intake"));
    QCOMPARE(text(w, "Label4"), QString("Caloric Metabolism"));
    QCOMPARE(text(w, "Label6"), QString("Caloric Energy Expenditure"));
    // The values stand on their colours.
    QCOMPARE(shownBack(w, "Label1(0)"), QColor(200, 0, 0));
    QCOMPARE(shownBack(w, "Label3(1)"), QColor(0, 200, 0));
    QCOMPARE(shownBack(w, "Label5(0)"), QColor(0, 200, 250));
    QCOMPARE(control<QLabel>(w, "Label3(0)")->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(control<QLabel>(w, "Label1(0)")->palette().color(QPalette::WindowText), QColor(Qt::white));
    // The pie shows in the picture, round.
    const QRect outline = outlineOf(w);
    QVERIFY(!outline.isEmpty());
    QVERIFY2(qAbs(outline.width() - outline.height()) <= 2,
             qPrintable(QStringLiteral("%1 x %2").arg(outline.width()).arg(outline.height())));
    QCOMPARE(WindowTest::file(f, FoodDay::kJournalFileName), food);
}

void TestBalanceWindows::refusesDaysItCannotShow_data()
{
    QTest::addColumn<QString>("days"); // null: the design text left as it is
    QTest::addColumn<bool>("viewedBefore");
    QTest::addColumn<QString>("message");
    QTest::newRow("367 typed") << "367" << false << mCalories::kTooGreat;
    QTest::newRow("367 after a result") << "367" << true << mCalories::kTooGreat;
    QTest::newRow("a word") << "week" << false << mCalories::kChooseDays;
    QTest::newRow("nothing") << "" << true << mCalories::kChooseDays;
    QTest::newRow("none chosen") << QString() << false << mCalories::kChooseDays;
    QTest::newRow("0") << "0" << false << mCalories::kChooseDays;
}

// A message, and nothing changes: the values, their colours and the
// picture stay as they were.
void TestBalanceWindows::refusesDaysItCannotShow()
{
    QFETCH(QString, days);
    QFETCH(bool, viewedBefore);
    QFETCH(QString, message);
    ShellFixture f({registerBalanceWindows}, WindowTest::on(kToday));
    WindowTest::write(f, FoodDay::kJournalFileName, kFood);
    frmCalDate *w = open(f);
    QVERIFY(w);
    if (viewedBefore) {
        typeDays(w, "2");
        WindowTest::click(w, "lblEnter");
    }
    QStringList before;
    for (const QString &name : kValueLabels)
        before << text(w, name);
    const QImage picture = control<PictureBox>(w, "Picture1")->grab().toImage();

    if (!days.isNull())
        typeDays(w, days);
    WindowTest::click(w, "lblEnter");

    QCOMPARE(f.takeMessages(), QStringList{message});
    for (qsizetype i = 0; i < kValueLabels.size(); ++i) {
        QCOMPARE(text(w, kValueLabels[i]), before[i]);
        QCOMPARE(control<QLabel>(w, kValueLabels[i])->autoFillBackground(), viewedBefore);
    }
    QCOMPARE(control<PictureBox>(w, "Picture1")->grab().toImage(), picture);
}

void TestBalanceWindows::calendarSentenceShowsTheDaysChosen()
{
    ShellFixture f({registerBalanceWindows}, WindowTest::on(kToday));
    frmCalDate *w = open(f);
    QVERIFY(w);
    // No number of days chosen yet: no sentence.
    QVERIFY(WindowTest::clickDay(calendar(w), 15));
    QCOMPARE(control<QCalendarWidget>(w, "DTPicker1")->selectedDate(), QDate(2026, 12, 15));
    QCOMPARE(text(w, "lblSelection"), QString());

    typeDays(w, "14");
    QVERIFY(WindowTest::clickDay(calendar(w), 16));
    QCOMPARE(text(w, "lblSelection"),
             QString("By the two dates above you wish to view your result for the last 14 days."));
    // The sentence follows the number.
    typeDays(w, "30");
    QCOMPARE(text(w, "lblSelection"),
             QString("By the two dates above you wish to view your result for the last 30 days."));
}

namespace {

// The value pairs and legend names of the food pie chart, in the order
// Meat, Milk, Grains, Other, Fruits & Veg's.
const QStringList kPieValues{"Label1(0)", "Label3(0)", "Label5(0)", "Label7(0)", "Label9(0)"};
const QStringList kPieShares{"Label1(1)", "Label3(1)", "Label5(1)", "Label7(1)", "Label9(1)"};
const QStringList kPieLegend{"Label2", "Label4", "Label6", "Label8", "Label10"};

QByteArray food(const char *category, const char *calories, const char *servings)
{
    return FoodDay::line(QStringLiteral("15-Dec-26"), QString::fromLatin1(category), QStringLiteral("A food"),
                         QString::fromLatin1(calories), QString::fromLatin1(servings));
}

frmFoodPieChart *openPie(ShellFixture &f)
{
    if (!f.trigger(QStringLiteral("itmFoodPieChart")))
        return nullptr;
    return f.windowAs<frmFoodPieChart>(frmFoodPieChart::kName);
}

QStringList texts(QWidget *w, const QStringList &names)
{
    QStringList out;
    for (const QString &name : names)
        out << text(w, name);
    return out;
}

// Pixels of the picture in the colour.
int pixelsOf(QWidget *w, const QColor &colour)
{
    const QImage image = control<PictureBox>(w, "Picture1")->grab().toImage();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour ? 1 : 0;
    return n;
}

} // namespace

void TestBalanceWindows::pieChartOpensOnToday()
{
    ShellFixture f({registerBalanceWindows}, WindowTest::on(kToday));
    frmFoodPieChart *w = openPie(f);
    QVERIFY(w);
    QVERIFY(f.checkedItems().isEmpty());
    QCOMPARE(w->windowTitle(), frmFoodPieChart::kCaption);
    QCOMPARE(w->widthTwips(), 9360);
    QCOMPARE(control<QCalendarWidget>(w, "DTPicker1")->selectedDate(), kToday);
    QCOMPARE(text(w, "lblStart"), QString("Select Date"));
    for (const QString &name : kPieValues + kPieShares) {
        QVERIFY2(!control<QLabel>(w, name)->autoFillBackground(), qPrintable(name));
        QVERIFY(text(w, name).isEmpty());
    }
    for (const QString &name : kPieLegend)
        QVERIFY(text(w, name).isEmpty());
    // The value labels carry the caloric balance's tips until the first result.
    QCOMPARE(control<QLabel>(w, "Label1(0)")->toolTip(), QString("Calories Intaken"));
    QCOMPARE(control<QLabel>(w, "Label5(1)")->toolTip(),
             QString("Percent of Calories burnned throught excercise from total calories consumed and burnned"));
}

// A day picked with the mouse, then View Information.
void TestBalanceWindows::pieChartShowsTheDayChosen()
{
    ShellFixture f({registerBalanceWindows}, WindowTest::on(kToday));
    WindowTest::write(f, FoodDay::fileName(QDate(2026, 12, 15)),
                      food("Milk", "90", "2") + food("Grain", "45", "1.5") + food("Grain", "45", "1.5")
                          + food("Veg&Fruits", "70", "1"));
    frmFoodPieChart *w = openPie(f);
    QVERIFY(w);
    QVERIFY(WindowTest::clickDay(calendar(w), 15));
    WindowTest::click(w, "lblEnter");

    QVERIFY2(f.messages().isEmpty(), qPrintable(f.messages().join(u'\n')));
    QCOMPARE(texts(w, kPieValues), (QStringList{"0", "180", "135", "0", "0"}));
    QCOMPARE(texts(w, kPieShares), (QStringList{"0.00%", "57.14%", "42.86%", "0.00%", "0.00%"}));
    QCOMPARE(texts(w, kPieLegend), (QStringList{"Meat", "Milk", "Grains", "Other", "Fruits & Veg's"}));
    QCOMPARE(shownBack(w, "Label1(0)"), QColor(200, 0, 0));
    QCOMPARE(shownBack(w, "Label3(1)"), QColor(0, 200, 0));
    QCOMPARE(shownBack(w, "Label5(0)"), QColor(0, 200, 250));
    QCOMPARE(shownBack(w, "Label7(1)"), QColor(190, 217, 43));
    QCOMPARE(shownBack(w, "Label9(0)"), QColor(128, 0, 255));
    QCOMPARE(control<QLabel>(w, "Label9(0)")->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(control<QLabel>(w, "Label7(0)")->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(control<QLabel>(w, "Label7(0)")->toolTip(), QString("Total Calories"));
    QCOMPARE(control<QLabel>(w, "Label3(1)")->toolTip(), QString("Percent of Selected Day's Calories"));
    const QRect outline = outlineOf(w);
    QVERIFY(!outline.isEmpty());
    QVERIFY(qAbs(outline.width() - outline.height()) <= 2);
}

// An empty day after a day with food: zeros, no wedge, the sentence in
// white, readable within the picture.
void TestBalanceWindows::pieChartOfADayWithoutFood()
{
    ShellFixture f({registerBalanceWindows}, WindowTest::on(kToday));
    WindowTest::write(f, FoodDay::fileName(QDate(2026, 12, 15)), food("Meat", "300", "1"));
    WindowTest::write(f, FoodDay::fileName(QDate(2026, 12, 16)), QByteArray());
    frmFoodPieChart *w = openPie(f);
    QVERIFY(w);
    QVERIFY(WindowTest::clickDay(calendar(w), 15));
    WindowTest::click(w, "lblEnter");
    QCOMPARE(text(w, "Label1(0)"), QString("300"));

    for (const int day : {16, 17}) { // an emptied day, a day without a file
        QVERIFY(WindowTest::clickDay(calendar(w), day));
        WindowTest::click(w, "lblEnter");
        QVERIFY(f.messages().isEmpty());
        QCOMPARE(texts(w, kPieValues), (QStringList{"0", "0", "0", "0", "0"}));
        QCOMPARE(texts(w, kPieShares), (QStringList{"0.00%", "0.00%", "0.00%", "0.00%", "0.00%"}));
        QCOMPARE(outlineOf(w), QRect());
        QVERIFY(pixelsOf(w, Qt::white) > 50);
    }
    // The sentence ends inside the picture in the picture's own font.
    ImageSurface &surface = control<PictureBox>(w, "Picture1")->surface();
    QVERIFY2(50 + surface.textWidth(mFoodPieChart::kNoFood) < 500,
             qPrintable(QString::number(surface.textWidth(mFoodPieChart::kNoFood))));
}

// Every caption and result of both windows shows whole in its label, in
// the common font.
void TestBalanceWindows::captionsFit()
{
    ShellFixture f({registerBalanceWindows}, WindowTest::on(kToday, weighing("160")));
    WindowTest::write(f, FoodDay::kJournalFileName, kFood);
    WindowTest::write(f, kExercise, kWorkouts);
    WindowTest::write(f, FoodDay::fileName(kToday), food("Fruit", "95", "2") + food("Other", "235", "1"));
    for (const char *item : {"itmCalories", "itmFoodPieChart"}) {
        QVERIFY(f.trigger(QString::fromLatin1(item)));
        WorkingWindow *w = f.openWindow();
        QVERIFY(w);
        if (w->findChild<QComboBox *>(QStringLiteral("cboLastDay"))) {
            typeDays(w, "120");
            QVERIFY(WindowTest::clickDay(calendar(w), 1));
        }
        WindowTest::click(w, "lblEnter");
        QVERIFY(f.messages().isEmpty());
        const QList<TextFit::Misfit> misfits = TextFit::misfits(w);
        QVERIFY2(misfits.isEmpty(), qPrintable(TextFit::describe(w->objectName(), misfits).join(u'\n')));
        // Every caption within the window's client area too.
        for (QLabel *l : w->findChildren<QLabel *>()) {
            if (!l->text().trimmed().isEmpty())
                QVERIFY2(w->rect().contains(l->geometry()), qPrintable(l->objectName()));
        }
    }
}

PULSAR_TEST_MAIN(TestBalanceWindows)
#include "tst_balancewindows.moc"
