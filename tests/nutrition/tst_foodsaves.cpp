#include "common/FileBatch.h"
#include "nutrition/FoodDay.h"
#include "nutrition/FoodDeletion.h"
#include "nutrition/FoodEntry.h"
#include "nutrition/FoodGroups.h"
#include "nutrition/PendingFoods.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QtTest>

// The saves of the food windows as plain code: picking foods into the
// pending-food file, Enter filing them in the day's file and the journal,
// and deleting a logged food with its correction; each save all or none.
class TestFoodSaves : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void picksGoIntoThePendingFile();
    void picksAreRefused_data();
    void picksAreRefused();
    void enterFilesTheDayAndItsTotal();
    void enterWithNothingPickedMakesNoDayFile();
    void enterRefusesPicksThePendingFileLacks_data();
    void enterRefusesPicksThePendingFileLacks();
    void enterOfNothingButZeroCaloriesJournalsNothing();
    void enterPutsTheRecordInItsPlace_data();
    void enterPutsTheRecordInItsPlace();
    void enterWritesNothingWhenAFileIsDamaged_data();
    void enterWritesNothingWhenAFileIsDamaged();
    void deletionCorrections_data();
    void deletionCorrections();
    void deletionRemovesTheFirstOfTwoAndKeepsTheRest();
    void deletingTheLastFoodLeavesAnEmptyFile();
    void deletionOfAFoodNotThereChangesNothing();
    void deletionWritesNothingWhenAFileIsDamaged_data();
    void deletionWritesNothingWhenAFileIsDamaged();

private:
    static FoodListRecord food(const QString &name, double calories);
    static QMap<QString, QByteArray> files(const QString &folder);
};

namespace {

const QDate kDay(2026, 12, 7);
const QString kDayFile = QStringLiteral("Food07-Dec-26.txt");
const QString kJournal = QStringLiteral("FoodEnergy.txt");
const QString kPending = QStringLiteral("TempFood.txt");

// Picks as the entry window does: the food into the pending-food file and,
// once picked, into the window's list `shown`, which Enter files.
FoodEntry::Pick pickInto(QList<PendingFoodRecord> &shown, const QString &folder, const QDate &date, int group,
                         const FoodListRecord &food, const QString &multiplier, qint32 total)
{
    const FoodEntry::Pick p = FoodEntry::pick(folder, date, FoodGroups::byCode(group), food, multiplier, total);
    if (p.picked())
        shown.append(p.record);
    return p;
}

QByteArray dayLine(const char *category, const char *food, const char *calories, const char *servings)
{
    return QByteArray("\"07-Dec-26\",\"") + category + "\",\"" + food + "\",\"" + calories + "\",\"" + servings
           + "\"\r\n";
}

} // namespace

FoodListRecord TestFoodSaves::food(const QString &name, double calories)
{
    FoodListRecord r;
    r.name = name;
    r.calories = calories;
    return r;
}

QMap<QString, QByteArray> TestFoodSaves::files(const QString &folder)
{
    QMap<QString, QByteArray> out;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        if (name != FileBatch::kLockFileName && name != FileBatch::kCommitFileName)
            out.insert(name, TestEnvironment::readFile(folder, name));
    }
    return out;
}

void TestFoodSaves::picksGoIntoThePendingFile()
{
    const QString folder = TestEnvironment::freshFolder();
    QCOMPARE(FoodEntry::reset(folder), QString());
    QCOMPARE(TestEnvironment::readFile(folder, kPending), QByteArray("\r\n"));
    FoodEntry::Pick p = FoodEntry::pick(folder, kDay, FoodGroups::byCode(1), food("Skim milk (1 cup)", 90),
                                        QStringLiteral("1.5"), 0);
    QVERIFY2(p.picked(), qPrintable(p.refusal));
    QCOMPARE(p.calories, 135);
    QCOMPARE(p.record.servings, QStringLiteral("1.5"));
    // The multiplier is stored as its number's text, whatever was typed.
    p = FoodEntry::pick(folder, kDay.addDays(1), FoodGroups::byCode(3), food("Apple (1 medium)", 13),
                        QStringLiteral(" .50"), 135);
    QCOMPARE(p.calories, 6);
    QCOMPARE(p.record.servings, QStringLiteral("0.5"));
    p = FoodEntry::pick(folder, kDay, FoodGroups::byCode(4), food("Rye bread", 15), QStringLiteral("2.0"), 141);
    QCOMPARE(p.record.servings, QStringLiteral("2"));
    QCOMPARE(TestEnvironment::readFile(folder, kPending),
             QByteArray("\r\n#2026-12-07#,\"Milk\",\"Skim milk (1 cup)\",\"90\",\"1.5\"\r\n"
                        "#2026-12-08#,\"Fruit\",\"Apple (1 medium)\",\"13\",\"0.5\"\r\n"
                        "#2026-12-07#,\"Grain\",\"Rye bread\",\"15\",\"2\"\r\n"));
    // A pending file that went missing starts again with its empty line.
    QFile::remove(QDir(folder).filePath(kPending));
    QVERIFY(FoodEntry::pick(folder, kDay, FoodGroups::byCode(5), food("Cola", 140), "1", 0).picked());
    QCOMPARE(TestEnvironment::readFile(folder, kPending),
             QByteArray("\r\n#2026-12-07#,\"Other\",\"Cola\",\"140\",\"1\"\r\n"));
    // A name a hand edit left with a double quote would not read back: it
    // is refused, naming its list.
    const FoodEntry::Pick odd = FoodEntry::pick(folder, kDay, FoodGroups::byCode(1), food("Milk \"shake\"", 200), "1", 0);
    QVERIFY2(odd.refusal.contains(QStringLiteral("Milk.txt")), qPrintable(odd.refusal));
    QCOMPARE(TestEnvironment::readFile(folder, kPending),
             QByteArray("\r\n#2026-12-07#,\"Other\",\"Cola\",\"140\",\"1\"\r\n"));
}

void TestFoodSaves::picksAreRefused_data()
{
    QTest::addColumn<QString>("multiplier");
    QTest::addColumn<int>("total"); // picked already
    QTest::addColumn<QString>("refusal");
    QTest::newRow("no number") << "two" << 0 << FoodEntry::kBadServings;
    QTest::newRow("empty") << "" << 0 << FoodEntry::kBadServings;
    QTest::newRow("decimal comma") << "1,5" << 0 << FoodEntry::kBadServings;
    QTest::newRow("negative") << "-1" << 0 << FoodEntry::kBadServings;
    QTest::newRow("past 100") << "100.5" << 0 << FoodEntry::kBadServings;
    QTest::newRow("infinite") << "1e999" << 0 << FoodEntry::kBadServings;
    QTest::newRow("total past 32767") << "1" << 32678 << FoodEntry::kTooMuch;
    QTest::newRow("one pick past 32767") << "100" << 0 << FoodEntry::kTooMuch;
}

void TestFoodSaves::picksAreRefused()
{
    QFETCH(QString, multiplier);
    QFETCH(int, total);
    QFETCH(QString, refusal);
    const QString folder = TestEnvironment::freshFolder();
    FoodEntry::reset(folder);
    const FoodEntry::Pick p =
        FoodEntry::pick(folder, kDay, FoodGroups::byCode(1), food("Whole milk", 90 * 4), multiplier, total);
    QCOMPARE(p.refusal, refusal);
    QCOMPARE(TestEnvironment::readFile(folder, kPending), QByteArray("\r\n"));
    // Just at the limit is fine.
    QVERIFY(FoodEntry::pick(folder, kDay, FoodGroups::byCode(1), food("Whole milk", 90), "1", 32677).picked());
}

void TestFoodSaves::enterFilesTheDayAndItsTotal()
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, kJournal, "\"09-Dec-26\",2100\r\n\"07-Dec-26\",1800\r\n\"01-Dec-26\",2000\r\n");
    FoodEntry::reset(folder);
    QList<PendingFoodRecord> shown;
    // Picked while the picker showed another day: filed under the day of Enter.
    pickInto(shown, folder, kDay.addDays(-3), 1, food("Skim milk (1 cup)", 90), "1.5", 0);
    pickInto(shown, folder, kDay.addDays(-3), 2, food("Chicken breast", 33), "1.1", 135);
    const FoodEntry::Entered e = FoodEntry::enter(folder, kDay, shown);
    QVERIFY2(e.ok(), qPrintable(e.refusal));
    QCOMPARE(e.foods, 2);
    QCOMPARE(e.total, 171);
    QVERIFY(!QFile::exists(QDir(folder).filePath(QStringLiteral("Food04-Dec-26.txt"))));
    QCOMPARE(TestEnvironment::readFile(folder, kDayFile),
             dayLine("Milk", "Skim milk (1 cup)", "90", "1.5") + dayLine("Meat", "Chicken breast", "33", "1.1"));
    // Before the records of its own day, after every later one.
    QCOMPARE(TestEnvironment::readFile(folder, kJournal),
             QByteArray("\"09-Dec-26\",2100\r\n\"07-Dec-26\",171\r\n\"07-Dec-26\",1800\r\n\"01-Dec-26\",2000\r\n"));
    QCOMPARE(TestEnvironment::readFile(folder, kPending), QByteArray("\r\n"));

    // A second Enter of the day appends to its file; its record comes first.
    shown.clear();
    pickInto(shown, folder, kDay, 5, food("Cola (12 fl oz)", 140), "1", 0);
    QVERIFY(FoodEntry::enter(folder, kDay, shown).ok());
    QCOMPARE(TestEnvironment::readFile(folder, kDayFile),
             dayLine("Milk", "Skim milk (1 cup)", "90", "1.5") + dayLine("Meat", "Chicken breast", "33", "1.1")
                 + dayLine("Other", "Cola (12 fl oz)", "140", "1"));
    QVERIFY(TestEnvironment::readFile(folder, kJournal).startsWith("\"09-Dec-26\",2100\r\n\"07-Dec-26\",140\r\n"
                                                                   "\"07-Dec-26\",171\r\n"));
}

// Nothing shown as chosen: nothing is filed, whatever the pending-food file
// holds (nothing, or what another copy of the program picked); the file is
// reset.
void TestFoodSaves::enterWithNothingPickedMakesNoDayFile()
{
    for (const QByteArray &pending : {QByteArray(), QByteArray("\r\n#2026-12-07#,\"Other\",\"Cola\",\"140\",\"1\"\r\n")}) {
        const QString folder = TestEnvironment::freshFolder();
        TestEnvironment::writeFile(folder, kJournal, "\"07-Dec-26\",1800\r\n");
        TestEnvironment::writeFile(folder, kPending, pending);
        const FoodEntry::Entered e = FoodEntry::enter(folder, kDay, {});
        QVERIFY2(e.ok(), qPrintable(e.refusal));
        QCOMPARE(e.foods, 0);
        QCOMPARE(files(folder),
                 (QMap<QString, QByteArray>{{kJournal, "\"07-Dec-26\",1800\r\n"}, {kPending, "\r\n"}}));
    }
}

void TestFoodSaves::enterRefusesPicksThePendingFileLacks_data()
{
    QTest::addColumn<QByteArray>("pending"); // what another copy of the program left there
    const QByteArray milk = "#2026-12-07#,\"Milk\",\"Skim milk (1 cup)\",\"90\",\"1\"\r\n";
    const QByteArray cola = "#2026-12-07#,\"Other\",\"Cola\",\"140\",\"1\"\r\n";
    QTest::newRow("reset") << QByteArray("\r\n");
    QTest::newRow("a pick added") << "\r\n" + milk + cola;
    QTest::newRow("another food") << "\r\n" + cola;
    QTest::newRow("other servings") << "\r\n" + QByteArray(milk).replace("\"1\"\r", "\"2\"\r");
    QTest::newRow("another pick date") << "\r\n" + QByteArray(milk).replace("07#", "08#");
}

// The window shows one skim milk; the pending-food file holds something
// else: nothing is filed, and the message names the file.
void TestFoodSaves::enterRefusesPicksThePendingFileLacks()
{
    QFETCH(QByteArray, pending);
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, kJournal, "\"07-Dec-26\",1800\r\n");
    FoodEntry::reset(folder);
    QList<PendingFoodRecord> shown;
    QVERIFY(pickInto(shown, folder, kDay, 1, food("Skim milk (1 cup)", 90), "1", 0).picked());
    TestEnvironment::writeFile(folder, kPending, pending);
    const QMap<QString, QByteArray> before = files(folder);
    const FoodEntry::Entered e = FoodEntry::enter(folder, kDay, shown);
    QCOMPARE(e.refusal, FoodEntry::kPicksChanged);
    QVERIFY(e.refusal.contains(kPending));
    QCOMPARE(files(folder), before);
}

void TestFoodSaves::enterOfNothingButZeroCaloriesJournalsNothing()
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, kJournal, "\"07-Dec-26\",1800\r\n");
    FoodEntry::reset(folder);
    QList<PendingFoodRecord> shown;
    pickInto(shown, folder, kDay, 1, food("Skim milk (1 cup)", 90), "0", 0);
    const FoodEntry::Entered e = FoodEntry::enter(folder, kDay, shown);
    QVERIFY(e.ok());
    QCOMPARE(e.total, 0);
    QCOMPARE(TestEnvironment::readFile(folder, kDayFile), dayLine("Milk", "Skim milk (1 cup)", "90", "0"));
    QCOMPARE(TestEnvironment::readFile(folder, kJournal), QByteArray("\"07-Dec-26\",1800\r\n"));
}

void TestFoodSaves::enterPutsTheRecordInItsPlace_data()
{
    QTest::addColumn<QByteArray>("journal");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("empty journal") << QByteArray() << QByteArray("\"07-Dec-26\",90\r\n");
    QTest::newRow("missing journal") << QByteArray("missing") << QByteArray("\"07-Dec-26\",90\r\n");
    QTest::newRow("all later") << QByteArray("\"09-Dec-26\",1\r\n\"08-Dec-26\",2\r\n")
                               << QByteArray("\"09-Dec-26\",1\r\n\"08-Dec-26\",2\r\n\"07-Dec-26\",90\r\n");
    QTest::newRow("all earlier, old fraction rounded")
        << QByteArray("\"06-Dec-26\",-36.5\r\n") << QByteArray("\"07-Dec-26\",90\r\n\"06-Dec-26\",-36\r\n");
}

void TestFoodSaves::enterPutsTheRecordInItsPlace()
{
    QFETCH(QByteArray, journal);
    QFETCH(QByteArray, after);
    const QString folder = TestEnvironment::freshFolder();
    if (journal != "missing")
        TestEnvironment::writeFile(folder, kJournal, journal);
    FoodEntry::reset(folder);
    QList<PendingFoodRecord> shown;
    pickInto(shown, folder, kDay, 1, food("Skim milk (1 cup)", 90), "1", 0);
    QVERIFY(FoodEntry::enter(folder, kDay, shown).ok());
    QCOMPARE(TestEnvironment::readFile(folder, kJournal), after);
}

void TestFoodSaves::enterWritesNothingWhenAFileIsDamaged_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("journal") << kJournal << QByteArray("\"07-Dec-26\",lots\r\n");
    QTest::newRow("journal value past 32 bits") << kJournal << QByteArray("\"07-Dec-26\",1e12\r\n");
    QTest::newRow("day file") << kDayFile << QByteArray("\"07-Dec-26\",\"Milk\",\"Skim milk\",\"90\"");
    QTest::newRow("pending file") << kPending << QByteArray("\r\n#2026-12-07#,\"Milk\",\"Skim milk\",\"90\"");
    QTest::newRow("pending servings") << kPending << QByteArray("\r\n#2026-12-07#,\"Milk\",\"Skim\",\"90\",\"x\"\r\n");
}

void TestFoodSaves::enterWritesNothingWhenAFileIsDamaged()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, kJournal, "\"07-Dec-26\",1800\r\n");
    FoodEntry::reset(folder);
    QList<PendingFoodRecord> shown;
    pickInto(shown, folder, kDay, 1, food("Skim milk (1 cup)", 90), "1", 0);
    TestEnvironment::writeFile(folder, file, bytes);
    const QMap<QString, QByteArray> before = files(folder);
    const FoodEntry::Entered e = FoodEntry::enter(folder, kDay, shown);
    QVERIFY2(e.refusal.contains(file), qPrintable(e.refusal));
    QCOMPARE(files(folder), before);
}

void TestFoodSaves::deletionCorrections_data()
{
    QTest::addColumn<QString>("calories");
    QTest::addColumn<QString>("servings");
    QTest::addColumn<QByteArray>("correction"); // empty: refused
    QTest::addColumn<QByteArray>("rewritten");  // by the next insertion
    QTest::addColumn<bool>("last"); // the journal holds later days only: the correction goes at its end
    QTest::newRow("90 x 1.5") << "90" << "1.5" << QByteArray("-135") << QByteArray("-135") << false;
    QTest::newRow("33 x 1.5") << "33" << "1.5" << QByteArray("-49.5") << QByteArray("-50") << false;
    QTest::newRow("33 x 1.1") << "33" << "1.1" << QByteArray("-36.3") << QByteArray("-36") << false;
    QTest::newRow("33 x 1.1, after the later days") << "33" << "1.1" << QByteArray("-36.3") << QByteArray("-36")
                                                   << true;
    QTest::newRow("90 x 0") << "90" << "0" << QByteArray("0") << QByteArray("0") << false;
    QTest::newRow("15 significant digits") << "33" << "1.123456789012345" << QByteArray("-37.0740740374074")
                                           << QByteArray("-37") << false;
    QTest::newRow("beyond 32 bits") << "30000" << "100000" << QByteArray() << QByteArray() << false;
}

void TestFoodSaves::deletionCorrections()
{
    QFETCH(QString, calories);
    QFETCH(QString, servings);
    QFETCH(QByteArray, correction);
    QFETCH(QByteArray, rewritten);
    QFETCH(bool, last);
    const QString folder = TestEnvironment::freshFolder();
    const QByteArray milk = "\"07-Dec-26\",\"Milk\",\"Skim milk\",\"" + calories.toLatin1() + "\",\""
                            + servings.toLatin1() + "\"\r\n";
    const QByteArray other = dayLine("Fruit", "Apple", "95", "1");
    const QByteArray later = "\"08-Dec-26\",300\r\n";
    const QByteArray sameDay = last ? QByteArray() : QByteArray("\"07-Dec-26\",1800\r\n");
    TestEnvironment::writeFile(folder, kDayFile, other + milk + other);
    TestEnvironment::writeFile(folder, kJournal, later + sameDay);
    FoodDayRecord row;
    row.category = QStringLiteral("Milk");
    row.food = QStringLiteral("Skim milk");
    row.calories = calories;
    row.servings = servings;
    const QMap<QString, QByteArray> before = files(folder);
    const FoodDeletion::Outcome o = FoodDeletion::remove(folder, kDay, row);
    if (correction.isEmpty()) {
        // A correction no rewrite of the journal could write back.
        QVERIFY2(o.refusal.contains(kJournal), qPrintable(o.refusal));
        QCOMPARE(files(folder), before);
        return;
    }
    QVERIFY2(o.ok(), qPrintable(o.refusal));
    QVERIFY(o.removed);
    QCOMPARE(TestEnvironment::readFile(folder, kDayFile), other + other);
    QCOMPARE(TestEnvironment::readFile(folder, kJournal), later + "\"07-Dec-26\"," + correction + "\r\n" + sameDay);
    // The next save of the journal rounds it, halves to even.
    FoodEntry::reset(folder);
    QList<PendingFoodRecord> shown;
    pickInto(shown, folder, kDay, 1, food("Skim milk", 90), "1", 0);
    QVERIFY(FoodEntry::enter(folder, kDay.addDays(2), shown).ok());
    QCOMPARE(TestEnvironment::readFile(folder, kJournal),
             "\"09-Dec-26\",90\r\n" + later + "\"07-Dec-26\"," + rewritten + "\r\n" + sameDay);
}

void TestFoodSaves::deletionRemovesTheFirstOfTwoAndKeepsTheRest()
{
    const QString folder = TestEnvironment::freshFolder();
    // 250 foods, two of them the same: only the first of those goes.
    QByteArray day;
    for (int i = 0; i < 250; ++i)
        day += dayLine("Grain", QByteArray::number(i).constData(), "81", "1");
    const QByteArray twin = dayLine("Milk", "Skim milk", "90", "1.5");
    const QByteArray seventh = dayLine("Grain", "7", "81", "1");
    const QByteArray kept = day;
    day.replace(seventh, twin + seventh);
    day += twin;
    TestEnvironment::writeFile(folder, kDayFile, day);
    FoodDayRecord row = FoodDay::parse(twin, kDayFile).first();
    row.date = QStringLiteral("another day's text"); // the date field is not compared
    QVERIFY(FoodDeletion::remove(folder, kDay, row).removed);
    QCOMPARE(TestEnvironment::readFile(folder, kDayFile), kept + twin);
    QVERIFY(FoodDeletion::remove(folder, kDay, row).removed);
    QCOMPARE(TestEnvironment::readFile(folder, kDayFile), kept);
    QCOMPARE(FoodDay::read(folder, kDay).size(), 250);
    QCOMPARE(TestEnvironment::readFile(folder, kJournal),
             QByteArray("\"07-Dec-26\",-135\r\n\"07-Dec-26\",-135\r\n"));
}

void TestFoodSaves::deletingTheLastFoodLeavesAnEmptyFile()
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, kDayFile, dayLine("Meat", "Chicken breast", "33", "1.1"));
    FoodDayRecord row = FoodDay::read(folder, kDay).first();
    const FoodDeletion::Outcome o = FoodDeletion::remove(folder, kDay, row);
    QVERIFY(o.removed);
    QCOMPARE(o.correction, -(33 * 1.1));
    QVERIFY(QFile::exists(QDir(folder).filePath(kDayFile)));
    QCOMPARE(TestEnvironment::readFile(folder, kDayFile), QByteArray());
    QCOMPARE(TestEnvironment::readFile(folder, kJournal), QByteArray("\"07-Dec-26\",-36.3\r\n"));
}

void TestFoodSaves::deletionOfAFoodNotThereChangesNothing()
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, kDayFile, dayLine("Meat", "Chicken breast", "33", "1.1"));
    TestEnvironment::writeFile(folder, kJournal, "\"07-Dec-26\",1800\r\n");
    const QMap<QString, QByteArray> before = files(folder);
    FoodDayRecord row = FoodDay::read(folder, kDay).first();
    // The calendar moved to a day without the food, or to one without a file.
    for (const QDate &day : {kDay, kDay.addDays(1)}) {
        FoodDayRecord other = row;
        other.servings = day == kDay ? QStringLiteral("1.10") : row.servings;
        const FoodDeletion::Outcome o = FoodDeletion::remove(folder, day, other);
        QVERIFY(o.ok());
        QVERIFY(!o.removed);
        QCOMPARE(files(folder), before);
    }
    row.calories = QStringLiteral("lots");
    QCOMPARE(FoodDeletion::remove(folder, kDay, row).refusal, FoodDeletion::kNotNumbers);
    QCOMPARE(files(folder), before);
}

void TestFoodSaves::deletionWritesNothingWhenAFileIsDamaged_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray milk = dayLine("Milk", "Skim milk", "90", "1.5");
    QTest::newRow("journal") << kJournal << QByteArray("\"07-Dec-26\",1800\r\n\"06-Dec-26\"");
    QTest::newRow("journal date") << kJournal << QByteArray("\"31-Feb-26\",1800\r\n");
    QTest::newRow("day file after the food") << kDayFile << milk + "\"07-Dec-26\",\"Milk\",\"Skim milk\",\"x\",\"1\"\r\n";
    QTest::newRow("day file cut off") << kDayFile << milk + "\"07-Dec-26\",\"Milk\"";
}

void TestFoodSaves::deletionWritesNothingWhenAFileIsDamaged()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    const QString folder = TestEnvironment::freshFolder();
    const QByteArray milk = dayLine("Milk", "Skim milk", "90", "1.5");
    TestEnvironment::writeFile(folder, kDayFile, milk + milk);
    TestEnvironment::writeFile(folder, kJournal, "\"07-Dec-26\",1800\r\n");
    TestEnvironment::writeFile(folder, file, bytes);
    const QMap<QString, QByteArray> before = files(folder);
    const FoodDeletion::Outcome o = FoodDeletion::remove(folder, kDay, FoodDay::parse(milk, kDayFile).first());
    QVERIFY2(o.refusal.contains(file), qPrintable(o.refusal));
    QVERIFY(!o.removed);
    QCOMPARE(files(folder), before);
}

PULSAR_TEST_MAIN_CORE(TestFoodSaves)
#include "tst_foodsaves.moc"
