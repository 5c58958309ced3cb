#include "common/RecordFileError.h"
#include "nutrition/FoodDay.h"
#include "nutrition/FoodGroups.h"
#include "nutrition/FoodList.h"
#include "nutrition/PendingFoods.h"
#include "support/TestEnvironment.h"

#include <QtTest>

// The food files as plain code: the group lists and adding a food to them,
// the daily food file, the pending-food file, and the calculations the food
// windows make with them.
class TestFoodFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void groupsInTheirOrder();
    void perServingRoundsHalvesToEven_data();
    void perServingRoundsHalvesToEven();
    void addingAFoodAppendsItsLine();
    void addingAFoodRefuses_data();
    void addingAFoodRefuses();
    void listRecordsHeadingsAndFoods();
    void damagedListsNameTheFile_data();
    void damagedListsNameTheFile();
    void itemCalories_data();
    void itemCalories();
    void dayFileLinesAndNames();
    void dayFileReadsBackAndNamesDamage_data();
    void dayFileReadsBackAndNamesDamage();
    void pendingFileLines();
};

void TestFoodFiles::groupsInTheirOrder()
{
    QStringList names, files, words;
    for (const FoodGroup &g : FoodGroups::all()) {
        names << g.name;
        files << g.listFile;
        words << g.category;
    }
    QCOMPARE(names, (QStringList{"Milk", "Meat", "Veg&Fruits", "Grain", "Other"}));
    QCOMPARE(files, (QStringList{"Milk.txt", "Meat.txt", "Veg&Fruits.txt", "Grain.txt", "Other.txt"}));
    QCOMPARE(words, (QStringList{"Milk", "Meat", "Fruit", "Grain", "Other"}));
    QCOMPARE(FoodGroups::byCode(3).caption, QStringLiteral("Food Entry For Vegetable & Fruit Groups "));
    QCOMPARE(FoodGroups::byName(QStringLiteral("  Grain ")), &FoodGroups::byCode(4));
    QVERIFY(!FoodGroups::byName(QStringLiteral("grain")));
    // The first checked of the four items; none of them means Other.
    const auto checked = [](const QStringList &items) {
        return [items](const QString &item) { return items.contains(item); };
    };
    QCOMPARE(FoodGroups::fromMenu(checked({"itmGrain", "itmMeat"})).code, 2);
    QCOMPARE(FoodGroups::fromMenu(checked({"itmOther"})).code, 5);
    QCOMPARE(FoodGroups::fromMenu(checked({})).code, 5);
}

void TestFoodFiles::perServingRoundsHalvesToEven_data()
{
    QTest::addColumn<double>("calories");
    QTest::addColumn<double>("servings");
    QTest::addColumn<double>("perServing");
    QTest::newRow("100/8") << 100.0 << 8.0 << 12.0;
    QTest::newRow("90/4") << 90.0 << 4.0 << 22.0;
    QTest::newRow("150/4") << 150.0 << 4.0 << 38.0;
    QTest::newRow("7/2") << 7.0 << 2.0 << 4.0;
    QTest::newRow("5/2") << 5.0 << 2.0 << 2.0;
    QTest::newRow("1/3") << 1.0 << 3.0 << 0.0;
}

void TestFoodFiles::perServingRoundsHalvesToEven()
{
    QFETCH(double, calories);
    QFETCH(double, servings);
    QFETCH(double, perServing);
    QCOMPARE(FoodList::perServing(calories, servings), perServing);
}

void TestFoodFiles::addingAFoodAppendsItsLine()
{
    const QString folder = TestEnvironment::freshFolder();
    // A hand-edited list whose last line has no line end.
    TestEnvironment::writeFile(folder, QStringLiteral("Milk.txt"), "\"Dairy\",\r\n\"Skim milk (1 cup)\",90");
    const FoodList::Outcome o =
        FoodList::add(folder, QStringLiteral(" Milk "), QStringLiteral("Yogurt"), QStringLiteral("4"),
                      QStringLiteral("150"));
    QVERIFY2(o.added(), qPrintable(o.refusal));
    QCOMPARE(o.perServing, 38);
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("Milk.txt")),
             QByteArray("\"Dairy\",\r\n\"Skim milk (1 cup)\",90\r\n\"Yogurt\",38\r\n"));
    // The same food again is a second record; 1 calorie for 3 servings is a
    // food of 0 calories; a missing list is created; the prompt with a blank
    // added is a name.
    QVERIFY(FoodList::add(folder, QStringLiteral("Milk"), QStringLiteral("Yogurt"), QStringLiteral("4"),
                          QStringLiteral("150"))
                .added());
    QVERIFY(FoodList::add(folder, QStringLiteral("Other"), QStringLiteral("Enter Name of Food "),
                          QStringLiteral("3"), QStringLiteral("1"))
                .added());
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("Milk.txt")),
             QByteArray("\"Dairy\",\r\n\"Skim milk (1 cup)\",90\r\n\"Yogurt\",38\r\n\"Yogurt\",38\r\n"));
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("Other.txt")),
             QByteArray("\"Enter Name of Food \",0\r\n"));
    // Blank lines a hand edit left at the end would put the new food out of
    // step with the fields: they go.
    TestEnvironment::writeFile(folder, QStringLiteral("Meat.txt"), "\"Fish\",\r\n\"Tuna\",100\r\n\r\n \r\n");
    QVERIFY(FoodList::add(folder, QStringLiteral("Meat"), QStringLiteral("Cod (3 oz)"), "1", "90").added());
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("Meat.txt")),
             QByteArray("\"Fish\",\r\n\"Tuna\",100\r\n\"Cod (3 oz)\",90\r\n"));
    // A damaged list, or one whose last record is not closed, is refused
    // with a message naming it, and stays as it was.
    for (const QByteArray &damaged : {QByteArray("\"Bread\",\r\n\"Rye\""), QByteArray("\"Bread\",\"81")}) {
        TestEnvironment::writeFile(folder, QStringLiteral("Grain.txt"), damaged);
        const QString refusal = FoodList::add(folder, QStringLiteral("Grain"), QStringLiteral("Rye"), "1", "80").refusal;
        QVERIFY2(refusal.contains(QStringLiteral("Grain.txt")), qPrintable(refusal));
        QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("Grain.txt")), damaged);
    }
    const QList<FoodListRecord> other = FoodList::read(folder, FoodGroups::byCode(5)).records;
    QCOMPARE(other.size(), 1);
    QVERIFY(!other.first().heading);
    QCOMPARE(other.first().caloriesText(), QStringLiteral("0"));
}

void TestFoodFiles::addingAFoodRefuses_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("servings");
    QTest::addColumn<QString>("calories");
    QTest::addColumn<QString>("refusal");
    const QString food = QStringLiteral("Kefir (1 cup)");
    QTest::newRow("servings 0 before calories 0") << "Milk" << food << "0" << "0" << FoodList::kNoServing;
    QTest::newRow("servings no number") << "Milk" << food << "two" << "100" << FoodList::kNoServing;
    QTest::newRow("servings negative") << "Milk" << food << "-2" << "100" << FoodList::kNoServing;
    QTest::newRow("servings empty") << "Milk" << food << "" << "100" << FoodList::kNoServing;
    QTest::newRow("servings decimal comma") << "Milk" << food << "1,5" << "100" << FoodList::kNoServing;
    QTest::newRow("calories 0") << "Milk" << food << "2" << "0" << FoodList::kNoCalories;
    QTest::newRow("calories no number") << "Milk" << food << "2" << "lots" << FoodList::kNoCalories;
    QTest::newRow("calories negative") << "Milk" << food << "2" << "-100" << FoodList::kNoCalories;
    QTest::newRow("calories infinite") << "Milk" << food << "2" << "1e999" << FoodList::kNoCalories;
    QTest::newRow("the prompt") << "Milk" << FoodList::kNamePrompt << "2" << "100" << FoodList::kNoName;
    QTest::newRow("blank name") << "Milk" << "   " << "2" << "100" << FoodList::kNoName;
    QTest::newRow("double quote") << "Milk" << "Say \"cheese\"" << "2" << "100" << FoodList::kNoName;
    QTest::newRow("line break") << "Milk" << "Milk\r\nshake" << "2" << "100" << FoodList::kNoName;
    QTest::newRow("tab") << "Milk" << "Milk\tshake" << "2" << "100" << FoodList::kNoName;
    QTest::newRow("not in the code page") << "Milk" << "Lassi \u0915" << "2" << "100" << FoodList::kNoName;
    QTest::newRow("too much per serving") << "Milk" << food << "0.25" << "9000" << FoodList::kTooLarge;
    QTest::newRow("no such group") << "Dairy" << food << "2" << "100" << FoodList::kNoGroup;
}

void TestFoodFiles::addingAFoodRefuses()
{
    QFETCH(QString, group);
    QFETCH(QString, name);
    QFETCH(QString, servings);
    QFETCH(QString, calories);
    QFETCH(QString, refusal);
    const QString folder = TestEnvironment::freshFolder();
    const QByteArray list = "\"Dairy\",\r\n\"Skim milk (1 cup)\",90\r\n";
    TestEnvironment::writeFile(folder, QStringLiteral("Milk.txt"), list);
    QCOMPARE(FoodList::add(folder, group, name, servings, calories).refusal, refusal);
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("Milk.txt")), list);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"Milk.txt"});
}

void TestFoodFiles::listRecordsHeadingsAndFoods()
{
    const QByteArray bytes = "\"Dairy\",\r\n\"Skim milk (1 cup)\",90\r\n\"Water\",0\r\n\"Cheese\",  \r\n"
                             "\"Ice cream\",\"137\"\r\n\r\n";
    const QList<FoodListRecord> records = FoodList::parse(bytes, QStringLiteral("Milk.txt"));
    QCOMPARE(records.size(), 5);
    QVERIFY(records[0].heading);
    QCOMPARE(records[0].name, QStringLiteral("Dairy"));
    QCOMPARE(records[0].caloriesText(), QString());
    QCOMPARE(records[1].caloriesText(), QStringLiteral("90"));
    QVERIFY(!records[2].heading); // 0 calories is a food
    QVERIFY(records[3].heading);  // blanks alone are an empty field
    QCOMPARE(records[4].calories, 137.0);
    QCOMPARE(records[4].line, 5);
    QCOMPARE(FoodList::line(QStringLiteral("Yogurt"), 38), QByteArray("\"Yogurt\",38\r\n"));
    QCOMPARE(FoodList::headingLine(QStringLiteral("Dairy")), QByteArray("\"Dairy\",\r\n"));
    QVERIFY(FoodList::parse(QByteArray(), QStringLiteral("Milk.txt")).isEmpty());
    QCOMPARE(FoodList::read(TestEnvironment::freshFolder(), FoodGroups::byCode(1)).problem, QString());
}

void TestFoodFiles::damagedListsNameTheFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("read"); // records before the damage
    QTest::addColumn<int>("line");
    QTest::newRow("cut-off record") << QByteArray("\"Dairy\",\r\n\"Skim milk\"") << 1 << 2;
    QTest::newRow("text for calories") << QByteArray("\"Dairy\",\r\n\"Skim milk\",ninety\r\n") << 1 << 2;
    QTest::newRow("negative calories") << QByteArray("\"Skim milk\",-90\r\n\"Yogurt\",38\r\n") << 0 << 1;
    QTest::newRow("heading without comma") << QByteArray("\"Dairy\"\r\n\"Skim milk\",90\r\n") << 0 << 2;
}

void TestFoodFiles::damagedListsNameTheFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, read);
    QFETCH(int, line);
    try {
        FoodList::parse(bytes, QStringLiteral("/data/Milk.txt"));
        QFAIL("no error");
    } catch (const RecordFileError &e) {
        QVERIFY2(e.message().contains(QStringLiteral("Milk.txt")), qPrintable(e.message()));
        QCOMPARE(e.line(), line);
    }
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, QStringLiteral("Milk.txt"), bytes);
    const FoodList::Reading reading = FoodList::read(folder, FoodGroups::byCode(1));
    QCOMPARE(reading.records.size(), read);
    QVERIFY2(reading.problem.contains(QStringLiteral("Milk.txt")), qPrintable(reading.problem));
}

void TestFoodFiles::itemCalories_data()
{
    QTest::addColumn<double>("calories");
    QTest::addColumn<double>("servings");
    QTest::addColumn<double>("eaten");
    QTest::newRow("90 x 1.5") << 90.0 << 1.5 << 135.0;
    QTest::newRow("13 x 0.5") << 13.0 << 0.5 << 6.0;
    QTest::newRow("15 x 0.5") << 15.0 << 0.5 << 8.0;
    QTest::newRow("33 x 1.1") << 33.0 << 1.1 << 36.0;
    QTest::newRow("90 x 0") << 90.0 << 0.0 << 0.0;
}

void TestFoodFiles::itemCalories()
{
    QFETCH(double, calories);
    QFETCH(double, servings);
    QFETCH(double, eaten);
    QCOMPARE(FoodDay::itemCalories(calories, servings), eaten);
}

void TestFoodFiles::dayFileLinesAndNames()
{
    QCOMPARE(FoodDay::fileName(QDate(2026, 12, 7)), QStringLiteral("Food07-Dec-26.txt"));
    QCOMPARE(FoodDay::fileName(QDate(1999, 3, 1)), QStringLiteral("Food01-Mar-99.txt"));
    QCOMPARE(FoodDay::line(QStringLiteral("07-Dec-26"), QStringLiteral("Milk"), QStringLiteral("Skim milk (1 cup)"),
                           QStringLiteral("90"), QStringLiteral("1.5")),
             QByteArray("\"07-Dec-26\",\"Milk\",\"Skim milk (1 cup)\",\"90\",\"1.5\"\r\n"));
}

void TestFoodFiles::dayFileReadsBackAndNamesDamage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("records"); // read before the damage, or all
    QTest::addColumn<bool>("damaged");
    const QByteArray two = "\"07-Dec-26\",\"Milk\",\"Skim milk\",\"90\",\"1.5\"\r\n"
                           "\"07-Dec-26\",\"Meat\",\"Chicken breast\",\"33\",\"1.1\"\r\n";
    QTest::newRow("two records") << two << 2 << false;
    QTest::newRow("blank last line") << two + "\r\n\r\n" << 2 << false;
    QTest::newRow("empty") << QByteArray() << 0 << false;
    QTest::newRow("cut-off record") << two + "\"07-Dec-26\",\"Milk\",\"Yogurt\",\"38\"" << 2 << true;
    QTest::newRow("text for calories") << "\"07-Dec-26\",\"Milk\",\"Yogurt\",\"lots\",\"1\"\r\n" + two << 0 << true;
    QTest::newRow("servings empty") << two + "\"07-Dec-26\",\"Milk\",\"Yogurt\",\"38\",\"\"\r\n" << 2 << true;
    QTest::newRow("binary") << two + QByteArray("\x00\x81\xff\r\n", 5) << 2 << true;
}

void TestFoodFiles::dayFileReadsBackAndNamesDamage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, records);
    QFETCH(bool, damaged);
    const QString folder = TestEnvironment::freshFolder();
    const QDate day(2026, 12, 7);
    TestEnvironment::writeFile(folder, QStringLiteral("Food07-Dec-26.txt"), bytes);
    try {
        const QList<FoodDayRecord> all = FoodDay::read(folder, day);
        QVERIFY(!damaged);
        QCOMPARE(all.size(), records);
        if (records == 2) {
            QCOMPARE(all[0].category, QStringLiteral("Milk"));
            QCOMPARE(all[0].servings, QStringLiteral("1.5"));
            QCOMPARE(all[0].eaten(), 135.0);
            QCOMPARE(all[1].productText(), QStringLiteral("36.3"));
            QCOMPARE(all[1].line, 2);
            // Records as the program writes them read back to the same line.
            QByteArray written = bytes;
            while (written.endsWith("\r\n\r\n"))
                written.chop(2);
            QCOMPARE(FoodDay::line(all[0]) + FoodDay::line(all[1]), written);
        }
    } catch (const RecordFileError &e) {
        QVERIFY2(damaged, qPrintable(e.message()));
        QVERIFY2(e.message().contains(QStringLiteral("Food07-Dec-26.txt")), qPrintable(e.message()));
    }
    const FoodDay::Reading reading = FoodDay::readAll(folder, day);
    QCOMPARE(reading.records.size(), records);
    QCOMPARE(reading.problem.contains(QStringLiteral("Food07-Dec-26.txt")), damaged);
    // A day without a file has no records.
    QVERIFY(FoodDay::read(folder, day.addDays(1)).isEmpty());
}

void TestFoodFiles::pendingFileLines()
{
    const PendingFoodRecord milk{QDate(2026, 12, 7), QStringLiteral("Milk"), QStringLiteral("Skim milk (1 cup)"),
                                 QStringLiteral("90"), QStringLiteral("1.5")};
    QCOMPARE(PendingFoods::emptyForm(), QByteArray("\r\n"));
    QCOMPARE(PendingFoods::line(milk), QByteArray("#2026-12-07#,\"Milk\",\"Skim milk (1 cup)\",\"90\",\"1.5\"\r\n"));
    PendingFoodRecord bread = milk;
    bread.date = QDate(2026, 12, 8);
    bread.category = QStringLiteral("Grain");
    bread.food = QStringLiteral("Rye bread (1 slice)");
    bread.servings = QStringLiteral("2");
    const QByteArray bytes = PendingFoods::emptyForm() + PendingFoods::line(milk) + PendingFoods::line(bread);
    QList<PendingFoodRecord> back = PendingFoods::parse(bytes, PendingFoods::kFileName);
    QCOMPARE(back.size(), 2);
    back[0].line = back[1].line = 0;
    QCOMPARE(back, (QList<PendingFoodRecord>{milk, bread}));
    QVERIFY(PendingFoods::parse(PendingFoods::emptyForm(), PendingFoods::kFileName).isEmpty());
    QVERIFY(PendingFoods::parse(QByteArray(), PendingFoods::kFileName).isEmpty());
    QVERIFY_THROWS_EXCEPTION(RecordFileError,
                             PendingFoods::parse(bytes.chopped(8), PendingFoods::kFileName));
}

PULSAR_TEST_MAIN_CORE(TestFoodFiles)
#include "tst_foodfiles.moc"
