#include "nutrition/FoodDeletion.h"
#include "nutrition/FoodEntry.h"
#include "nutrition/FoodList.h"
#include "nutrition/FoodWindows.h"
#include "nutrition/frmFood.h"
#include "nutrition/frmFoodDelete.h"
#include "nutrition/frmFoodEntry.h"
#include "shell/DatePicker.h"
#include "shell/LabelButton.h"
#include "shell/Shape.h"
#include "shell/Spinner.h"
#include "shell/TextBox.h"
#include "support/ShellFixture.h"
#include "support/TestEnvironment.h"
#include "support/TextFit.h"
#include "support/WindowTest.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTreeWidget>
#include <QtTest>

#include <clocale>

using WindowTest::file;
using WindowTest::hover;
using WindowTest::write;

// The three food windows as the user drives them: typing into the focused
// box, choosing rows with the arrow keys and the mouse, clicking the
// label-buttons.
class TestFoodWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addAFoodAsTheUserTypes();
    void addAFoodRefuses_data();
    void addAFoodRefuses();
    void addAFoodHintsAndSpinners();
    void entryTakesItsGroupFromTheMenu_data();
    void entryTakesItsGroupFromTheMenu();
    void entryPicksWithKeysAndMouseAndEnters();
    void entryPicksNothingFromAHeadingOrARefusedMultiplier();
    void entryUpDownAndHints();
    void entryClearListAndReopeningDropThePicks();
    void entryFilesOnlyTheFoodsItShows();
    void pressedButtonsLook();
    void deleteListsAndDeletesTheSelectedFood();
    void deleteWithNothingSelectedOrAnotherDay();
    void deleteShowsTotalsInTheUsersLocale();
    void captionsFit();

private:
    static ShellFixture::Options options();
    static frmFoodEntry *openEntry(ShellFixture &f, const QString &item);
    // Moves the list's current row with the arrow keys to the row of `text`
    // in `column`.
    static void arrowTo(QTreeWidget *list, int column, const QString &text);
    static void clickRow(QTreeWidget *list, int column, const QString &text);
    static QStringList rows(const QTreeWidget *list);
    // A click into a text box, which selects its whole text, so that typing
    // replaces it.
    static void clickInto(QLineEdit *box);
};

namespace {

const QDate kToday(2026, 12, 7);
const QString kDayFile = QStringLiteral("Food07-Dec-26.txt");
// The day the deletion window's calendar opens on, and its file.
const QDate kShown(2001, 4, 21);
const QString kShownFile = QStringLiteral("Food21-Apr-01.txt");

} // namespace

ShellFixture::Options TestFoodWindows::options()
{
    return WindowTest::on(kToday);
}

frmFoodEntry *TestFoodWindows::openEntry(ShellFixture &f, const QString &item)
{
    if (!f.trigger(item))
        return nullptr;
    return f.windowAs<frmFoodEntry>(frmFoodEntry::kName);
}

void TestFoodWindows::arrowTo(QTreeWidget *list, int column, const QString &text)
{
    list->setFocus(Qt::OtherFocusReason);
    for (int i = 0; i <= list->topLevelItemCount(); ++i) {
        if (list->currentItem() && list->currentItem()->text(column) == text)
            return;
        QTest::keyClick(list, Qt::Key_Down);
    }
    QFAIL(qPrintable(QStringLiteral("no row %1").arg(text)));
}

void TestFoodWindows::clickRow(QTreeWidget *list, int column, const QString &text)
{
    const QList<QTreeWidgetItem *> found = list->findItems(text, Qt::MatchExactly, column);
    QVERIFY2(!found.isEmpty(), qPrintable(text));
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

void TestFoodWindows::clickInto(QLineEdit *box)
{
    QTest::mouseClick(box, Qt::LeftButton);
    QTRY_COMPARE(box->selectedText(), box->text());
}

QStringList TestFoodWindows::rows(const QTreeWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int c = 0; c < list->columnCount(); ++c)
            cells << list->topLevelItem(i)->text(c);
        out << cells.join(u'|');
    }
    return out;
}

void TestFoodWindows::addAFoodAsTheUserTypes()
{
    ShellFixture f({registerFoodWindows}, options());
    const QByteArray grain = file(f, QStringLiteral("Grain.txt"));
    QVERIFY(f.trigger(QStringLiteral("itmFood")));
    auto *w = f.windowAs<frmFood>(frmFood::kName);
    QVERIFY(w);
    QCOMPARE(f.checkedItems(), QStringList{"itmFood"});
    QCOMPARE(w->windowTitle(), QStringLiteral("Enter Food"));
    // Grown by 100 twips a step from 40 to the first height of at least 4755.
    QCOMPARE(w->heightTwips(), 4840);
    QVERIFY(!w->group()->isEditable());
    QCOMPARE(w->group()->currentText(), QStringLiteral("Milk"));
    QCOMPARE(w->group()->count(), 5);

    // The name box has the focus with its prompt selected: typing replaces it.
    QTRY_VERIFY(w->foodName()->hasFocus());
    QCOMPARE(w->foodName()->selectedText(), FoodList::kNamePrompt);
    QTest::keyClicks(w->foodName(), "Kefir (1 cup)");
    w->group()->setFocus(Qt::OtherFocusReason);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(w->group(), Qt::Key_Down);
    QCOMPARE(w->group()->currentText(), QStringLiteral("Grain"));
    clickInto(w->servings());
    QTest::keyClicks(w->servings(), "4");
    clickInto(w->calories());
    QTest::keyClicks(w->calories(), "150");
    QCOMPARE(w->calories()->text(), QStringLiteral("150"));
    QTest::mouseClick(w->enterButton()->label(), Qt::LeftButton);

    QCOMPARE(f.takeMessages(), QStringList());
    QCOMPARE(w->notes()->text(), FoodList::kEntered);
    QCOMPARE(file(f, QStringLiteral("Grain.txt")), grain + "\"Kefir (1 cup)\",38\r\n");
    // The boxes keep their contents for the next food.
    QCOMPARE(w->foodName()->text(), QStringLiteral("Kefir (1 cup)"));

    // The food shows at the end of its group's list the next time.
    frmFoodEntry *entry = openEntry(f, QStringLiteral("itmGrain"));
    QVERIFY(entry);
    QVERIFY(!f.window(frmFood::kName));
    QTreeWidgetItem *last = entry->foods()->topLevelItem(entry->foods()->topLevelItemCount() - 1);
    QCOMPARE(last->text(frmFoodEntry::FoodColumn), QStringLiteral("Kefir (1 cup)"));
    QCOMPARE(last->text(frmFoodEntry::CaloriesColumn), QStringLiteral("38"));
}

void TestFoodWindows::addAFoodRefuses_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("servings");
    QTest::addColumn<QString>("calories");
    QTest::addColumn<QString>("message");
    QTest::newRow("servings left at 0") << "Kefir" << "" << "100" << FoodList::kNoServing;
    QTest::newRow("servings typed as a word") << "Kefir" << "two" << "100" << FoodList::kNoServing;
    QTest::newRow("calories left at 0") << "Kefir" << "2" << "" << FoodList::kNoCalories;
    QTest::newRow("calories negative") << "Kefir" << "2" << "-5" << FoodList::kNoCalories;
    QTest::newRow("name left as the prompt") << "" << "2" << "100" << FoodList::kNoName;
    QTest::newRow("name with a quote") << "6\" sub" << "2" << "100" << FoodList::kNoName;
    QTest::newRow("too many calories a serving") << "Feast" << "0.1" << "9999" << FoodList::kTooLarge;
}

void TestFoodWindows::addAFoodRefuses()
{
    QFETCH(QString, name);
    QFETCH(QString, servings);
    QFETCH(QString, calories);
    QFETCH(QString, message);
    ShellFixture f({registerFoodWindows}, options());
    const QByteArray milk = file(f, QStringLiteral("Milk.txt"));
    QVERIFY(f.trigger(QStringLiteral("itmFood")));
    auto *w = f.windowAs<frmFood>(frmFood::kName);
    QTRY_VERIFY(w->foodName()->hasFocus());
    if (!name.isEmpty())
        QTest::keyClicks(w->foodName(), name);
    // An empty text leaves the box's 0.
    for (auto [box, text] : {std::pair{w->servings(), servings}, std::pair{w->calories(), calories}}) {
        clickInto(box);
        if (!text.isEmpty())
            QTest::keyClicks(box, text);
    }
    QTest::mouseClick(w->enterButton()->label(), Qt::LeftButton);
    QCOMPARE(f.takeMessages(), QStringList{message});
    QCOMPARE(w->notes()->text(), QString());
    QCOMPARE(file(f, QStringLiteral("Milk.txt")), milk);
}

void TestFoodWindows::addAFoodHintsAndSpinners()
{
    ShellFixture f({registerFoodWindows}, options());
    QVERIFY(f.trigger(QStringLiteral("itmFood")));
    auto *w = f.windowAs<frmFood>(frmFood::kName);
    hover(w->caption(3));
    QVERIFY(w->notes()->text().startsWith(QStringLiteral("Enter the amount of calories in the food you have eaten..  ")));
    QCOMPARE(w->caption(3)->font().pointSizeF(), 11.0);
    // Another caption grows too; the button's hint changes no size; only
    // the bare window sets them back.
    hover(w->caption(0));
    QCOMPARE(w->notes()->text(), QStringLiteral("Enter name of food please."));
    QCOMPARE(w->caption(3)->font().pointSizeF(), 11.0);
    QCOMPARE(w->caption(0)->font().pointSizeF(), 11.0);
    hover(w->enterButton()->label());
    QCOMPARE(w->notes()->text(), QStringLiteral("Press this button to enter in your personal food."));
    QCOMPARE(w->caption(0)->font().pointSizeF(), 11.0);
    QCOMPARE(w->caption(1)->font().pointSizeF(), 10.0);
    hover(w, QPoint(2, w->height() - 2));
    QCOMPARE(w->notes()->text(), QStringLiteral("Press the button to enter in your personal food."));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(w->caption(i)->font().pointSizeF(), 10.0);

    // The bars count up with their up arrow and write whole numbers.
    QScrollBar *bar = w->servingsSpinner()->bar();
    bar->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(bar, Qt::Key_Up);
    QTest::keyClick(bar, Qt::Key_Up);
    QCOMPARE(w->servings()->text(), QStringLiteral("2"));
    QCOMPARE(w->caloriesSpinner()->bar()->maximum(), 10000);
    QCOMPARE(bar->maximum(), 100);
}

void TestFoodWindows::entryTakesItsGroupFromTheMenu_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("firstFood");
    QTest::newRow("Milk") << "itmMilk" << "Food Entry For Milk Group" << "Skim milk (1 cup)";
    QTest::newRow("Meat") << "itmMeat" << "Food Entry For Meat Group" << "Chicken breast (3 oz)";
    QTest::newRow("Veg") << "itmVegFruit" << "Food Entry For Vegetable & Fruit Groups " << "Broccoli steamed (1 cup)";
    QTest::newRow("Grain") << "itmGrain" << "Food Entry For Grain Group" << "Wheat bread (1 slice)";
    QTest::newRow("Other") << "itmOther" << "Food Entry For Other" << "Butter (1 tbsp)";
}

void TestFoodWindows::entryTakesItsGroupFromTheMenu()
{
    QFETCH(QString, item);
    QFETCH(QString, caption);
    QFETCH(QString, firstFood);
    ShellFixture f({registerFoodWindows}, options());
    frmFoodEntry *w = openEntry(f, item);
    QVERIFY(w);
    QCOMPARE(f.checkedItems(), QStringList{item});
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->heightTwips(), 5440); // 40 + 100 a step, at least 5415
    QCOMPARE(w->datePicker()->date(), kToday);
    QCOMPARE(w->totalBox()->text(), QStringLiteral("0"));
    QVERIFY(w->totalBox()->isReadOnly());
    QCOMPARE(w->multiplier()->text(), QStringLiteral("1"));
    QTreeWidget *list = w->foods();
    QCOMPARE(list->headerItem()->text(frmFoodEntry::FoodColumn), QStringLiteral("Food"));
    // A heading first: its title in the hidden first column, no calories.
    QTreeWidgetItem *heading = list->topLevelItem(0);
    QVERIFY(!heading->text(frmFoodEntry::CategoryColumn).isEmpty());
    QCOMPARE(heading->text(frmFoodEntry::CaloriesColumn), QString());
    QCOMPARE(list->topLevelItem(1)->text(frmFoodEntry::FoodColumn), firstFood);
    QCOMPARE(list->topLevelItem(1)->checkState(frmFoodEntry::FoodColumn), Qt::Unchecked);
    QCOMPARE(list->columnWidth(frmFoodEntry::CategoryColumn), 0);
    QCOMPARE(file(f, QStringLiteral("TempFood.txt")), QByteArray("\r\n"));
}

void TestFoodWindows::entryPicksWithKeysAndMouseAndEnters()
{
    ShellFixture f({registerFoodWindows}, options());
    write(f, QStringLiteral("FoodEnergy.txt"), "\"09-Dec-26\",2100\r\n\"08-Dec-26\",1500\r\n\"07-Dec-26\",900\r\n");
    frmFoodEntry *w = openEntry(f, QStringLiteral("itmMilk"));
    QVERIFY(w);
    // Breakfast: the arrow keys to skim milk, one and a half servings typed.
    arrowTo(w->foods(), frmFoodEntry::FoodColumn, QStringLiteral("Skim milk (1 cup)"));
    clickInto(w->multiplier());
    QTest::keyClicks(w->multiplier(), "1.5");
    QTest::mouseClick(w->selectButton()->label(), Qt::LeftButton);
    QCOMPARE(rows(w->chosen()), QStringList{"Skim milk (1 cup)|1.5"});
    QCOMPARE(w->totalBox()->text(), QStringLiteral("124")); // 83 x 1.5 = 124.5, halves to even
    QCOMPARE(w->multiplier()->text(), QStringLiteral("1"));
    // Whole milk by the mouse.
    clickRow(w->foods(), frmFoodEntry::FoodColumn, QStringLiteral("Whole milk (1 cup)"));
    QTest::mouseClick(w->selectButton()->label(), Qt::LeftButton);
    QCOMPARE(w->totalBox()->text(), QStringLiteral("273"));
    QCOMPARE(file(f, QStringLiteral("TempFood.txt")),
             QByteArray("\r\n#2026-12-07#,\"Milk\",\"Skim milk (1 cup)\",\"83\",\"1.5\"\r\n"
                        "#2026-12-07#,\"Milk\",\"Whole milk (1 cup)\",\"149\",\"1\"\r\n"));

    // Entered under the day the picker shows at Enter: its day stepped up.
    QVERIFY(WindowTest::stepDate(w->datePicker(), QDateTimeEdit::DaySection, 1));
    QCOMPARE(w->datePicker()->date(), kToday.addDays(1));
    QTest::mouseClick(w->enterButton()->label(), Qt::LeftButton);
    QCOMPARE(f.takeMessages(), QStringList());
    QCOMPARE(file(f, QStringLiteral("Food08-Dec-26.txt")),
             QByteArray("\"08-Dec-26\",\"Milk\",\"Skim milk (1 cup)\",\"83\",\"1.5\"\r\n"
                        "\"08-Dec-26\",\"Milk\",\"Whole milk (1 cup)\",\"149\",\"1\"\r\n"));
    QVERIFY(!QFile::exists(QDir(f.dataFolder()).filePath(kDayFile)));
    QCOMPARE(file(f, QStringLiteral("FoodEnergy.txt")),
             QByteArray("\"09-Dec-26\",2100\r\n\"08-Dec-26\",273\r\n\"08-Dec-26\",1500\r\n\"07-Dec-26\",900\r\n"));
    QCOMPARE(file(f, QStringLiteral("TempFood.txt")), QByteArray("\r\n"));
    QCOMPARE(rows(w->chosen()), QStringList());
    QCOMPARE(w->totalBox()->text(), QStringLiteral("0"));

    // Enter with nothing chosen says nothing and writes no day file.
    QVERIFY(WindowTest::stepDate(w->datePicker(), QDateTimeEdit::DaySection, -1));
    QTest::mouseClick(w->enterButton()->label(), Qt::LeftButton);
    QCOMPARE(f.takeMessages(), QStringList());
    QVERIFY(!QFile::exists(QDir(f.dataFolder()).filePath(kDayFile)));
}

void TestFoodWindows::entryPicksNothingFromAHeadingOrARefusedMultiplier()
{
    ShellFixture f({registerFoodWindows}, options());
    frmFoodEntry *w = openEntry(f, QStringLiteral("itmMeat"));
    QVERIFY(w);
    // A checked food becomes the selected row.
    QTreeWidget *list = w->foods();
    QTreeWidgetItem *beef = list->findItems(QStringLiteral("Lean ground beef (3 oz)"), Qt::MatchExactly,
                                            frmFoodEntry::FoodColumn)
                                .first();
    const QRect r = list->visualItemRect(beef);
    const int box = list->header()->sectionPosition(frmFoodEntry::FoodColumn) + 10;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(box, r.center().y()));
    QCOMPARE(beef->checkState(frmFoodEntry::FoodColumn), Qt::Checked);
    QCOMPARE(list->currentItem(), beef);

    // A word for the servings: refused, nothing changes.
    clickInto(w->multiplier());
    QTest::keyClicks(w->multiplier(), "two");
    QTest::mouseClick(w->selectButton()->label(), Qt::LeftButton);
    QCOMPARE(f.takeMessages(), QStringList{FoodEntry::kBadServings});
    QCOMPARE(w->chosen()->topLevelItemCount(), 0);
    QCOMPARE(w->multiplier()->text(), QStringLiteral("two"));
    QCOMPARE(beef->checkState(frmFoodEntry::FoodColumn), Qt::Checked);
    QCOMPARE(file(f, QStringLiteral("TempFood.txt")), QByteArray("\r\n"));

    // A heading adds nothing; the multiplier goes back to 1.
    arrowTo(list, frmFoodEntry::CategoryColumn, QStringLiteral("Fish"));
    QTest::mouseClick(w->selectButton()->label(), Qt::LeftButton);
    QCOMPARE(f.takeMessages(), QStringList());
    QCOMPARE(w->chosen()->topLevelItemCount(), 0);
    QCOMPARE(w->multiplier()->text(), QStringLiteral("1"));
    QCOMPARE(w->totalBox()->text(), QStringLiteral("0"));

    // The servings are stored as their number: "2.50" as 2.5.
    arrowTo(list, frmFoodEntry::FoodColumn, QStringLiteral("Salmon baked (3 oz)"));
    clickInto(w->multiplier());
    QTest::keyClicks(w->multiplier(), "2.50");
    QTest::mouseClick(w->selectButton()->label(), Qt::LeftButton);
    QCOMPARE(rows(w->chosen()), QStringList{"Salmon baked (3 oz)|2.5"});
    QCOMPARE(w->totalBox()->text(), QStringLiteral("438")); // 175 x 2.5 = 437.5
}

void TestFoodWindows::entryUpDownAndHints()
{
    ShellFixture f({registerFoodWindows}, options());
    frmFoodEntry *w = openEntry(f, QStringLiteral("itmOther"));
    QVERIFY(w);
    QScrollBar *upDown = w->multiplierSpinner()->bar();
    QCOMPARE(upDown->objectName(), QStringLiteral("UpDown1"));
    upDown->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(upDown, Qt::Key_Up);
    QCOMPARE(w->multiplier()->text(), QStringLiteral("2"));
    for (int i = 0; i < 25; ++i)
        QTest::keyClick(upDown, Qt::Key_Up);
    QCOMPARE(w->multiplier()->text(), QStringLiteral("20"));
    QTest::keyClick(upDown, Qt::Key_Down);
    QCOMPARE(w->multiplier()->text(), QStringLiteral("19"));

    hover(w->label(3));
    QCOMPARE(w->notes()->text(), QStringLiteral("Records the total amount of calories you have selected"));
    QCOMPARE(w->label(3)->text(), QStringLiteral("Total Calories ------>"));
    // Another control's hint leaves the caption as it is.
    hover(w->chosen()->viewport());
    QCOMPARE(w->notes()->text(), QStringLiteral("Records the items you have selected"));
    QCOMPARE(w->label(3)->text(), QStringLiteral("Total Calories ------>"));
    QCOMPARE(w->label(3)->palette().color(QPalette::WindowText), QColor(Qt::white));
    hover(w->foods()->viewport());
    QCOMPARE(w->notes()->text(), QStringLiteral("Gives lists of items to select "));
    hover(w->multiplier());
    QCOMPARE(w->notes()->text(), QStringLiteral("Multiply the select food item if amount you consumed was greater"));
    hover(w->datePicker());
    QCOMPARE(w->notes()->text(), QStringLiteral("Select the date you wish to enter"));
    hover(w->label(3));
    hover(w, QPoint(2, w->height() - 2));
    QCOMPARE(w->notes()->text(), QString());
    QCOMPARE(w->label(3)->text(), QStringLiteral("Total Calories"));
    QCOMPARE(w->label(3)->palette().color(QPalette::WindowText), w->label(2)->palette().color(QPalette::WindowText));
    QCOMPARE(w->selectButton()->label()->toolTip(), QStringLiteral("Enter food into item list"));
}

void TestFoodWindows::entryClearListAndReopeningDropThePicks()
{
    ShellFixture f({registerFoodWindows}, options());
    frmFoodEntry *w = openEntry(f, QStringLiteral("itmVegFruit"));
    arrowTo(w->foods(), frmFoodEntry::FoodColumn, QStringLiteral("Apple (1 medium)"));
    QTest::mouseClick(w->selectButton()->label(), Qt::LeftButton);
    QCOMPARE(w->totalBox()->text(), QStringLiteral("95"));
    QTest::mouseClick(w->clearButton()->label(), Qt::LeftButton);
    QCOMPARE(w->chosen()->topLevelItemCount(), 0);
    QCOMPARE(w->totalBox()->text(), QStringLiteral("0"));
    QCOMPARE(file(f, QStringLiteral("TempFood.txt")), QByteArray("\r\n"));

    // Picked, then the window closed and opened again: nothing is left.
    arrowTo(w->foods(), frmFoodEntry::FoodColumn, QStringLiteral("Banana (1 medium)"));
    QTest::mouseClick(w->selectButton()->label(), Qt::LeftButton);
    w = openEntry(f, QStringLiteral("itmGrain"));
    ShellFixture::settle();
    QCOMPARE(w->chosen()->topLevelItemCount(), 0);
    QCOMPARE(file(f, QStringLiteral("TempFood.txt")), QByteArray("\r\n"));
    arrowTo(w->foods(), frmFoodEntry::FoodColumn, QStringLiteral("Bagel (1 medium)"));
    QTest::mouseClick(w->selectButton()->label(), Qt::LeftButton);
    QTest::mouseClick(w->enterButton()->label(), Qt::LeftButton);
    QCOMPARE(file(f, kDayFile), QByteArray("\"07-Dec-26\",\"Grain\",\"Bagel (1 medium)\",\"277\",\"1\"\r\n"));
}

// A second copy of the program shares TempFood.txt: Enter files the foods
// this window shows, or nothing.
void TestFoodWindows::entryFilesOnlyTheFoodsItShows()
{
    ShellFixture f({registerFoodWindows}, options());
    write(f, QStringLiteral("FoodEnergy.txt"), "\"07-Dec-26\",900\r\n");
    frmFoodEntry *w = openEntry(f, QStringLiteral("itmMilk"));
    QVERIFY(w);
    arrowTo(w->foods(), frmFoodEntry::FoodColumn, QStringLiteral("Skim milk (1 cup)"));
    QTest::mouseClick(w->selectButton()->label(), Qt::LeftButton);
    QCOMPARE(w->totalBox()->text(), QStringLiteral("83"));

    // The other copy opened its entry window, which reset the file: the
    // pick is not filed, and the list and the total stay.
    write(f, QStringLiteral("TempFood.txt"), "\r\n");
    QTest::mouseClick(w->enterButton()->label(), Qt::LeftButton);
    QCOMPARE(f.takeMessages(), QStringList{FoodEntry::kPicksChanged});
    QCOMPARE(rows(w->chosen()), QStringList{"Skim milk (1 cup)|1"});
    QCOMPARE(w->totalBox()->text(), QStringLiteral("83"));
    QVERIFY(!QFile::exists(QDir(f.dataFolder()).filePath(kDayFile)));
    QCOMPARE(file(f, QStringLiteral("FoodEnergy.txt")), QByteArray("\"07-Dec-26\",900\r\n"));
    QCOMPARE(file(f, QStringLiteral("TempFood.txt")), QByteArray("\r\n"));

    // Cleared and picked again, the food is filed.
    QTest::mouseClick(w->clearButton()->label(), Qt::LeftButton);
    arrowTo(w->foods(), frmFoodEntry::FoodColumn, QStringLiteral("Skim milk (1 cup)"));
    QTest::mouseClick(w->selectButton()->label(), Qt::LeftButton);
    QTest::mouseClick(w->enterButton()->label(), Qt::LeftButton);
    QCOMPARE(f.takeMessages(), QStringList());
    QCOMPARE(file(f, kDayFile), QByteArray("\"07-Dec-26\",\"Milk\",\"Skim milk (1 cup)\",\"83\",\"1\"\r\n"));

    // Nothing shown: the other copy's picks are not filed.
    write(f, QStringLiteral("TempFood.txt"), "\r\n#2026-12-07#,\"Other\",\"Cola\",\"140\",\"1\"\r\n");
    QTest::mouseClick(w->enterButton()->label(), Qt::LeftButton);
    QCOMPARE(f.takeMessages(), QStringList());
    QCOMPARE(file(f, kDayFile), QByteArray("\"07-Dec-26\",\"Milk\",\"Skim milk (1 cup)\",\"83\",\"1\"\r\n"));
    QCOMPARE(file(f, QStringLiteral("FoodEnergy.txt")), QByteArray("\"07-Dec-26\",83\r\n\"07-Dec-26\",900\r\n"));
}

// The front circle of each label-button while its work runs: the shadow's
// grey for Select and List Food(s), the green kept by the others; green
// again afterwards.
void TestFoodWindows::pressedButtonsLook()
{
    ShellFixture f({registerFoodWindows}, options());
    const QColor green(0, 255, 0), grey(0x80, 0x80, 0x80);
    const auto check = [&](LabelButton *button, const QColor &pressed) {
        QColor seen;
        const QMetaObject::Connection c =
            connect(button, &LabelButton::clicked, button, [&] { seen = button->front()->fillColor(); });
        QTest::mouseClick(button->label(), Qt::LeftButton);
        disconnect(c);
        QCOMPARE(seen, pressed);
        QCOMPARE(button->front()->fillColor(), green);
    };
    frmFoodEntry *entry = openEntry(f, QStringLiteral("itmMilk"));
    QVERIFY(entry);
    check(entry->selectButton(), grey);
    check(entry->enterButton(), green);
    check(entry->clearButton(), green);
    QVERIFY(f.trigger(QStringLiteral("itmDeleteFood")));
    auto *deletion = f.windowAs<frmFoodDelete>(frmFoodDelete::kName);
    QVERIFY(deletion);
    check(deletion->listButton(), grey);
    check(deletion->deleteButton(), green);
}

void TestFoodWindows::deleteListsAndDeletesTheSelectedFood()
{
    ShellFixture f({registerFoodWindows}, options());
    const QByteArray milk = "\"21-Apr-01\",\"Milk\",\"Skim milk (1 cup)\",\"90\",\"1.5\"\r\n";
    const QByteArray meat = "\"21-Apr-01\",\"Meat\",\"Chicken breast (3 oz)\",\"33\",\"1.1\"\r\n";
    write(f, kShownFile, milk + meat + milk);
    write(f, QStringLiteral("FoodEnergy.txt"), "\"22-Apr-01\",300\r\n\"21-Apr-01\",1800\r\n");
    QVERIFY(f.trigger(QStringLiteral("itmDeleteFood")));
    auto *w = f.windowAs<frmFoodDelete>(frmFoodDelete::kName);
    QVERIFY(w);
    QCOMPARE(f.checkedItems(), QStringList{"itmDeleteFood"});
    QCOMPARE(w->windowTitle(), QStringLiteral("Food Deletion"));
    QCOMPARE(w->heightTwips(), 7040); // 40 + 100 a step, at least 6975
    QCOMPARE(w->calendar()->selectedDate(), kShown);
    QCOMPARE(w->foods()->topLevelItemCount(), 0);
    QCOMPARE(w->foods()->columnCount(), 5);

    // The day the calendar opens on, clicked, then listed.
    QVERIFY(WindowTest::clickDay(w->calendar(), 21));
    QTest::mouseClick(w->listButton()->label(), Qt::LeftButton);
    QCOMPARE(rows(w->foods()), (QStringList{"Milk|Skim milk (1 cup)|90|1.5|135", "Meat|Chicken breast (3 oz)|33|1.1|36.3",
                                            "Milk|Skim milk (1 cup)|90|1.5|135"}));
    // The second row by the arrow keys: deleted with its correction.
    arrowTo(w->foods(), frmFoodDelete::FoodColumn, QStringLiteral("Skim milk (1 cup)"));
    QTest::keyClick(w->foods(), Qt::Key_Down);
    QTest::mouseClick(w->deleteButton()->label(), Qt::LeftButton);
    QCOMPARE(f.takeMessages(), QStringList());
    QCOMPARE(file(f, kShownFile), milk + milk);
    QCOMPARE(file(f, QStringLiteral("FoodEnergy.txt")),
             QByteArray("\"22-Apr-01\",300\r\n\"21-Apr-01\",-36.3\r\n\"21-Apr-01\",1800\r\n"));
    QCOMPARE(w->foods()->topLevelItemCount(), 2);

    // One of two identical rows, by the mouse: the first record goes.
    clickRow(w->foods(), frmFoodDelete::FoodColumn, QStringLiteral("Skim milk (1 cup)"));
    QTest::mouseClick(w->deleteButton()->label(), Qt::LeftButton);
    QCOMPARE(file(f, kShownFile), milk);
    QTest::keyClick(w->foods(), Qt::Key_Down);
    QTest::mouseClick(w->deleteButton()->label(), Qt::LeftButton);
    // The last food gone: the file stays, empty; the list keeps its headings.
    QVERIFY(QFile::exists(QDir(f.dataFolder()).filePath(kShownFile)));
    QCOMPARE(file(f, kShownFile), QByteArray());
    QCOMPARE(w->foods()->topLevelItemCount(), 0);
    QCOMPARE(w->foods()->headerItem()->text(frmFoodDelete::TotalColumn), QStringLiteral("Total"));
    QCOMPARE(file(f, QStringLiteral("FoodEnergy.txt")),
             QByteArray("\"22-Apr-01\",300\r\n\"21-Apr-01\",-135\r\n\"21-Apr-01\",-135\r\n\"21-Apr-01\",-36\r\n"
                        "\"21-Apr-01\",1800\r\n"));
    QCOMPARE(f.takeMessages(), QStringList());
}

void TestFoodWindows::deleteWithNothingSelectedOrAnotherDay()
{
    ShellFixture f({registerFoodWindows}, options());
    const QByteArray milk = "\"21-Apr-01\",\"Milk\",\"Skim milk (1 cup)\",\"90\",\"1.5\"\r\n";
    write(f, kShownFile, milk);
    write(f, QStringLiteral("Food22-Apr-01.txt"), "\"22-Apr-01\",\"Other\",\"Cola\",\"140\",\"1\"\r\n");
    write(f, QStringLiteral("FoodEnergy.txt"), "\"21-Apr-01\",1800\r\n");
    QVERIFY(f.trigger(QStringLiteral("itmDeleteFood")));
    auto *w = f.windowAs<frmFoodDelete>(frmFoodDelete::kName);
    QVERIFY(w);
    const QMap<QString, QByteArray> before{{kShownFile, file(f, kShownFile)},
                                           {QStringLiteral("FoodEnergy.txt"), file(f, QStringLiteral("FoodEnergy.txt"))}};
    auto unchanged = [&] {
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(file(f, it.key()), it.value());
    };
    // Nothing listed, nothing selected.
    QTest::mouseClick(w->deleteButton()->label(), Qt::LeftButton);
    unchanged();
    // A day without a file lists nothing and says nothing.
    QVERIFY(WindowTest::clickDay(w->calendar(), 20));
    QTest::mouseClick(w->listButton()->label(), Qt::LeftButton);
    QCOMPARE(w->foods()->topLevelItemCount(), 0);
    // Listed on one day, deleted with the calendar on the next (moved there
    // with the arrow key): that day's file has no such food, so nothing is
    // written; the list shows that day.
    QVERIFY(WindowTest::clickDay(w->calendar(), 21));
    QTest::mouseClick(w->listButton()->label(), Qt::LeftButton);
    arrowTo(w->foods(), frmFoodDelete::FoodColumn, QStringLiteral("Skim milk (1 cup)"));
    WindowTest::moveDay(w->calendar(), Qt::Key_Right);
    QCOMPARE(w->calendar()->selectedDate(), kShown.addDays(1));
    QTest::mouseClick(w->deleteButton()->label(), Qt::LeftButton);
    unchanged();
    QCOMPARE(rows(w->foods()), QStringList{"Other|Cola|140|1|140"});
    QCOMPARE(f.takeMessages(), QStringList());
}

// Under a decimal-comma locale the Total shows the user's separator and no
// thousands separator; the row is still found by its stored texts and its
// correction written with ".".
void TestFoodWindows::deleteShowsTotalsInTheUsersLocale()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(std::setlocale(LC_ALL, "de_DE.UTF-8"));
    const auto restore = qScopeGuard([&] {
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(saved);
    });
    ShellFixture f({registerFoodWindows}, options());
    write(f, kShownFile,
          "\"21-Apr-01\",\"Meat\",\"Chicken breast (3 oz)\",\"33\",\"1.1\"\r\n"
          "\"21-Apr-01\",\"Other\",\"Pizza (1 whole)\",\"1250\",\"2\"\r\n"
          "\"21-Apr-01\",\"Other\",\"Apple pie (1 slice)\",\"411\",\"0.25\"\r\n");
    QVERIFY(f.trigger(QStringLiteral("itmDeleteFood")));
    auto *w = f.windowAs<frmFoodDelete>(frmFoodDelete::kName);
    QVERIFY(w);
    QTest::mouseClick(w->listButton()->label(), Qt::LeftButton);
    QCOMPARE(rows(w->foods()), (QStringList{"Meat|Chicken breast (3 oz)|33|1.1|36,3", "Other|Pizza (1 whole)|1250|2|2500",
                                            "Other|Apple pie (1 slice)|411|0.25|102,75"}));
    arrowTo(w->foods(), frmFoodDelete::FoodColumn, QStringLiteral("Chicken breast (3 oz)"));
    QTest::mouseClick(w->deleteButton()->label(), Qt::LeftButton);
    QCOMPARE(f.takeMessages(), QStringList());
    QCOMPARE(file(f, QStringLiteral("FoodEnergy.txt")), QByteArray("\"21-Apr-01\",-36.3\r\n"));
    QCOMPARE(rows(w->foods()).size(), 2);
}

// Every caption, column heading and list entry of the three windows fits
// its control, hovered captions at their hovered size too, and the day's
// foods as the deletion window lists them.
void TestFoodWindows::captionsFit()
{
    ShellFixture f({registerFoodWindows}, options());
    write(f, kShownFile,
          "\"21-Apr-01\",\"Meat\",\"Chicken breast (3 oz)\",\"33\",\"1.1\"\r\n"
          "\"21-Apr-01\",\"Fruit\",\"Broccoli steamed (1 cup)\",\"55\",\"2.25\"\r\n"
          "\"21-Apr-01\",\"Other\",\"Apple pie (1 slice)\",\"411\",\"4.25\"\r\n");
    for (const QString &item : {QStringLiteral("itmFood"), QStringLiteral("itmMilk"), QStringLiteral("itmDeleteFood")}) {
        QVERIFY(f.trigger(item));
        WorkingWindow *w = f.openWindow();
        QVERIFY(w);
        if (auto *food = qobject_cast<frmFood *>(w)) {
            for (int i = 0; i < 4; ++i)
                hover(food->caption(i)); // all four at 11 points
        } else if (auto *entry = qobject_cast<frmFoodEntry *>(w)) {
            hover(entry->label(3));
            QVERIFY(entry->label(3)->text().endsWith(QStringLiteral("------>")));
        } else if (auto *deletion = qobject_cast<frmFoodDelete *>(w)) {
            QTest::mouseClick(deletion->listButton()->label(), Qt::LeftButton);
            QCOMPARE(deletion->foods()->topLevelItemCount(), 3);
        }
        const QList<TextFit::Misfit> misfits = TextFit::misfits(w);
        QVERIFY2(misfits.isEmpty(), qPrintable(TextFit::describe(w->objectName(), misfits).join(u'\n')));
    }
}

PULSAR_TEST_MAIN(TestFoodWindows)
#include "tst_foodwindows.moc"
