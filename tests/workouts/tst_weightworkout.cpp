#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "support/TestEnvironment.h"
#include "workouts/CalorieFactors.h"
#include "common/FileBatch.h"
#include "workouts/CalorieJournal.h"
#include "workouts/ExerciseLog.h"
#include "workouts/WeightCatalogue.h"
#include "workouts/WeightWorkout.h"

#include <QtTest>

#include <limits>

// Saving a weight-training workout into the exercise logs and the calorie
// journal, and the journal's insertion rule.
class TestWeightWorkout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void twoSavesGiveTheLogByteForByte();
    void rowsWithoutFirstRepsAreNotSaved();
    void journalInsertion_data();
    void journalInsertion();
    void journalRewritesOthersAsWholeNumbers();
    void journalRewriteMixesCopiedAndConvertedRecords();
    void journalTakesValuesBeyond16Bits();
    void journalDamageAfterTheNewRecordStopsTheInsertion();
    void journalRefusesNewCaloriesItCouldNotWriteBack_data();
    void journalRefusesNewCaloriesItCouldNotWriteBack();
    void unusableBoxLeavesEveryFileAsItWas_data();
    void unusableBoxLeavesEveryFileAsItWas();
    void damagedFileLeavesEveryFileAsItWas_data();
    void damagedFileLeavesEveryFileAsItWas();
    void failedJournalWritePutsTheLogBack();
    void longFilesKeepEveryRecord();
    void calories_data();
    void calories();
    void rowsAreMatchedByGroupAndName();

private:
    struct Case
    {
        QString folder;
        std::unique_ptr<Settings> settings;
    };
    static Case makeCase(const QByteArray &catalogue, const QString &weight = QStringLiteral("160"));
    static QMap<QString, QByteArray> snapshot(const QString &folder);
    static WeightWorkout::Row row(const QString &code, const QString &name, QStringList weights,
                                  QStringList reps);
    static const QByteArray kCatalogue;
};

const QByteArray TestWeightWorkout::kCatalogue = "\"Bi\",\"Barbell Curl\",\"curl\",\"2\"\r\n"
                                                 "\"Bi\",\"Hammer\",\"mine\",3\r\n";

TestWeightWorkout::Case TestWeightWorkout::makeCase(const QByteArray &catalogue, const QString &weight)
{
    Case c;
    c.folder = TestEnvironment::freshFolder();
    c.settings = std::make_unique<Settings>(c.folder + QStringLiteral("/settings.ini"));
    c.settings->set(SettingKeys::PersonalInformation, SettingKeys::Weight, weight);
    TestEnvironment::writeFile(c.folder, WeightCatalogue::kFileName, catalogue);
    TestEnvironment::writeFile(c.folder, CalorieFactors::kFileName, "\"Weight training\",0.05\r\n");
    TestEnvironment::writeFile(c.folder, CalorieJournal::kExerciseFileName, QByteArray());
    TestEnvironment::writeFile(c.folder, QStringLiteral("BiBarbell Curl.txt"), QByteArray());
    TestEnvironment::writeFile(c.folder, QStringLiteral("BiHammer.txt"), QByteArray());
    return c;
}

QMap<QString, QByteArray> TestWeightWorkout::snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(folder).entryList(QDir::Files))
        files.insert(name, TestEnvironment::readFile(folder, name));
    return files;
}

WeightWorkout::Row TestWeightWorkout::row(const QString &code, const QString &name, QStringList weights,
                                          QStringList reps)
{
    return WeightWorkout::Row{code, name, std::move(weights), std::move(reps)};
}

void TestWeightWorkout::twoSavesGiveTheLogByteForByte()
{
    const Case c = makeCase(kCatalogue);
    const QString bi = QStringLiteral("Bi"), curl = QStringLiteral("Barbell Curl");
    auto first = WeightWorkout::save(c.folder, *c.settings, QDate(2026, 12, 7),
                                     {row(bi, curl, {"100", "105"}, {"10", "8"})});
    QVERIFY2(first.ok(), qPrintable(first.refusal));
    // The second save is dated earlier, and still goes first.
    auto second = WeightWorkout::save(c.folder, *c.settings, QDate(2026, 12, 6),
                                      {row(bi, curl, {"110", "115"}, {"10", "8"})});
    QVERIFY(second.ok());
    QCOMPARE(second.saved, QStringList{curl});
    QCOMPARE(TestEnvironment::readFile(c.folder, QStringLiteral("BiBarbell Curl.txt")),
             QByteArray("\"06-Dec-26\"\r\n110,10\r\n115,8\r\n\"07-Dec-26\",100,10,105,8\r\n"));
    // 2 sets × 0.05 × 160 = 16 each time, the later date first.
    QCOMPARE(TestEnvironment::readFile(c.folder, CalorieJournal::kExerciseFileName),
             QByteArray("\"07-Dec-26\",16\r\n\"06-Dec-26\",16\r\n"));
    QCOMPARE(TestEnvironment::readFile(c.folder, QStringLiteral("BiHammer.txt")), QByteArray());
    // The log reads back with its entries newest-entered first.
    const auto entries = ExerciseLog::parse(TestEnvironment::readFile(c.folder, QStringLiteral("BiBarbell Curl.txt")),
                                            QStringLiteral("BiBarbell Curl.txt"), 2);
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0].sets, (QList<SetResult>{{110, 10}, {115, 8}}));
    QCOMPARE(*entries[1].date(), QDate(2026, 12, 7));
}

void TestWeightWorkout::rowsWithoutFirstRepsAreNotSaved()
{
    const Case c = makeCase(kCatalogue);
    // Set-1 repetitions 0 with set 2 at 8: not saved. Set-1 repetitions 10 and
    // everything else 0: saved with all its sets, zeros included.
    const auto outcome = WeightWorkout::save(
        c.folder, *c.settings, QDate(2026, 12, 7),
        {row("Bi", "Barbell Curl", {"50", "50"}, {"0", "8"}), row("Bi", "Hammer", {"0", "0", "0"}, {"10", "0", "0"})});
    QVERIFY(outcome.ok());
    QCOMPARE(outcome.saved, QStringList{QStringLiteral("Hammer")});
    QCOMPARE(TestEnvironment::readFile(c.folder, QStringLiteral("BiBarbell Curl.txt")), QByteArray());
    QCOMPARE(TestEnvironment::readFile(c.folder, QStringLiteral("BiHammer.txt")),
             QByteArray("\"07-Dec-26\"\r\n0,10\r\n0,0\r\n0,0\r\n"));
    QCOMPARE(TestEnvironment::readFile(c.folder, CalorieJournal::kExerciseFileName),
             QByteArray("\"07-Dec-26\",24\r\n"));

    // No row qualifies: no log changes, a (date, 0) record is still added.
    const auto logs = TestEnvironment::readFile(c.folder, QStringLiteral("BiHammer.txt"));
    QVERIFY(WeightWorkout::save(c.folder, *c.settings, QDate(2026, 12, 8),
                                {row("Bi", "Hammer", {"0", "0", "0"}, {"0", "0", "0"})})
                .ok());
    QCOMPARE(TestEnvironment::readFile(c.folder, QStringLiteral("BiHammer.txt")), logs);
    QCOMPARE(TestEnvironment::readFile(c.folder, CalorieJournal::kExerciseFileName),
             QByteArray("\"08-Dec-26\",0\r\n\"07-Dec-26\",24\r\n"));
}

void TestWeightWorkout::journalInsertion_data()
{
    QTest::addColumn<QByteArray>("journal");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray three = "\"10-Dec-26\",5\r\n\"08-Dec-26\",6\r\n\"05-Dec-26\",7\r\n";
    QTest::newRow("same date goes before the old record of that date")
        << three << QDate(2026, 12, 8)
        << QByteArray("\"10-Dec-26\",5\r\n\"08-Dec-26\",1.5\r\n\"08-Dec-26\",6\r\n\"05-Dec-26\",7\r\n");
    QTest::newRow("older than every record goes last")
        << three << QDate(2026, 12, 1) << QByteArray(three + "\"01-Dec-26\",1.5\r\n");
    QTest::newRow("newer than every record goes first")
        << three << QDate(2026, 12, 11) << QByteArray("\"11-Dec-26\",1.5\r\n" + three);
    QTest::newRow("between two dates") << three << QDate(2026, 12, 9)
                                       << QByteArray("\"10-Dec-26\",5\r\n\"09-Dec-26\",1.5\r\n\"08-Dec-26\",6\r\n"
                                                     "\"05-Dec-26\",7\r\n");
    QTest::newRow("empty journal") << QByteArray() << QDate(2026, 12, 8) << QByteArray("\"08-Dec-26\",1.5\r\n");
    QTest::newRow("last line without line end")
        << QByteArray("\"10-Dec-26\",5") << QDate(2026, 12, 8) << QByteArray("\"10-Dec-26\",5\r\n\"08-Dec-26\",1.5\r\n");
    // The records after the new one are copied as they stand only where
    // they stand as the writer writes them.
    QTest::newRow("blank lines after the last record")
        << QByteArray(three + "\r\n\r\n  \r\n") << QDate(2026, 12, 11) << QByteArray("\"11-Dec-26\",1.5\r\n" + three);
    QTest::newRow("a record of one day's run written otherwise")
        << QByteArray("\"10-Dec-26\",5\r\n\"10-Dec-26\",6\n\"10-Dec-26\",7.5\r\n") << QDate(2026, 12, 11)
        << QByteArray("\"11-Dec-26\",1.5\r\n\"10-Dec-26\",5\r\n\"10-Dec-26\",6\r\n\"10-Dec-26\",8\r\n");
    QTest::newRow("two-digit years read in 1950-2049")
        << QByteArray("\"03-Jan-50\",5\r\n") << QDate(2049, 12, 31)
        << QByteArray("\"31-Dec-49\",1.5\r\n\"03-Jan-50\",5\r\n");
}

void TestWeightWorkout::journalInsertion()
{
    QFETCH(QByteArray, journal);
    QFETCH(QDate, date);
    QFETCH(QByteArray, expected);
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, QStringLiteral("FoodEnergy.txt"), journal);
    CalorieJournal::insert(RecordFile::path(folder, QStringLiteral("FoodEnergy.txt")), date, 1.5f);
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("FoodEnergy.txt")), expected);
}

void TestWeightWorkout::journalRewritesOthersAsWholeNumbers()
{
    const QString folder = TestEnvironment::freshFolder();
    const QString path = RecordFile::path(folder, CalorieJournal::kExerciseFileName);
    TestEnvironment::writeFile(folder, CalorieJournal::kExerciseFileName,
                               "\"09-Dec-26\",142.5\r\n\"08-Dec-26\",143.5\r\n");
    CalorieJournal::insert(path, QDate(2026, 12, 10), 142.5f);
    QCOMPARE(TestEnvironment::readFile(folder, CalorieJournal::kExerciseFileName),
             QByteArray("\"10-Dec-26\",142.5\r\n\"09-Dec-26\",142\r\n\"08-Dec-26\",144\r\n"));
    CalorieJournal::insert(path, QDate(2026, 12, 11), 0.25f);
    QCOMPARE(TestEnvironment::readFile(folder, CalorieJournal::kExerciseFileName),
             QByteArray("\"11-Dec-26\",0.25\r\n\"10-Dec-26\",142\r\n\"09-Dec-26\",142\r\n\"08-Dec-26\",144\r\n"));
}

// Records already standing as the writer writes them are copied, the others
// converted, in one rewrite: the result is the same as converting them all.
void TestWeightWorkout::journalRewriteMixesCopiedAndConvertedRecords()
{
    const QString folder = TestEnvironment::freshFolder();
    const QString path = RecordFile::path(folder, CalorieJournal::kExerciseFileName);
    TestEnvironment::writeFile(folder, CalorieJournal::kExerciseFileName,
                               "\"09-Dec-26\",142\r\n\"09-Dec-26\",7\r\n\"08-Dec-26\", 143\r\n"
                               "\"07-Dec-26\",007\n\"06-Dec-26\",12\r\n\"05-Dec-26\",13\r\n"
                               "\"04-Dec-26\",14.5\r\n\"03-Dec-26\",15");
    CalorieJournal::insert(path, QDate(2026, 12, 6), 1.5f);
    QCOMPARE(TestEnvironment::readFile(folder, CalorieJournal::kExerciseFileName),
             QByteArray("\"09-Dec-26\",142\r\n\"09-Dec-26\",7\r\n\"08-Dec-26\",143\r\n"
                        "\"07-Dec-26\",7\r\n\"06-Dec-26\",1.5\r\n\"06-Dec-26\",12\r\n\"05-Dec-26\",13\r\n"
                        "\"04-Dec-26\",14\r\n\"03-Dec-26\",15\r\n"));
}

void TestWeightWorkout::journalTakesValuesBeyond16Bits()
{
    const QString folder = TestEnvironment::freshFolder();
    const QString path = RecordFile::path(folder, CalorieJournal::kExerciseFileName);
    TestEnvironment::writeFile(folder, CalorieJournal::kExerciseFileName, "\"09-Dec-26\",40000\r\n");
    CalorieJournal::insert(path, QDate(2026, 12, 10), 1);
    QCOMPARE(TestEnvironment::readFile(folder, CalorieJournal::kExerciseFileName),
             QByteArray("\"10-Dec-26\",1\r\n\"09-Dec-26\",40000\r\n"));
    // Beyond 32 bits the journal is left as it was.
    const QByteArray huge = "\"09-Dec-26\",3000000000\r\n";
    TestEnvironment::writeFile(folder, CalorieJournal::kExerciseFileName, huge);
    QVERIFY_THROWS_EXCEPTION(RecordFileError, CalorieJournal::insert(path, QDate(2026, 12, 10), 1));
    QCOMPARE(TestEnvironment::readFile(folder, CalorieJournal::kExerciseFileName), huge);
}

// Every record is checked, those after the new one too: damage there stops
// the save, names its line and leaves no new journal behind.
void TestWeightWorkout::journalDamageAfterTheNewRecordStopsTheInsertion()
{
    const QString folder = TestEnvironment::freshFolder();
    const QString path = RecordFile::path(folder, CalorieJournal::kExerciseFileName);
    const QByteArray damaged = "\"10-Dec-26\",5\r\n\"08-Dec-26\",6\r\n\r\n\"05-Dec-26\",7\r\n";
    TestEnvironment::writeFile(folder, CalorieJournal::kExerciseFileName, damaged);
    QString whole;
    try {
        CalorieJournal::inserted(damaged, path, QDate(2026, 12, 11), 1);
    } catch (const RecordFileError &e) {
        whole = e.message();
    }
    QVERIFY(whole.contains(QStringLiteral("line 4")));
    QString saved;
    try {
        CalorieJournal::insert(path, QDate(2026, 12, 11), 1);
    } catch (const RecordFileError &e) {
        saved = e.message();
    }
    QCOMPARE(saved, whole);
    QCOMPARE(TestEnvironment::readFile(folder, CalorieJournal::kExerciseFileName), damaged);
    // No new journal is left beside it.
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
             QStringList({FileBatch::kLockFileName, CalorieJournal::kExerciseFileName}));
}

void TestWeightWorkout::journalRefusesNewCaloriesItCouldNotWriteBack_data()
{
    QTest::addColumn<float>("calories");
    QTest::addColumn<bool>("fits");
    QTest::newRow("a billion") << 1e9f << true;
    QTest::newRow("below the 32-bit limit as written") << 2147483000.0f << true;
    // Written with seven digits as 2147484000, beyond the limit.
    QTest::newRow("the largest single below 2^31") << 2147483520.0f << false;
    QTest::newRow("three hundred billion") << 3e11f << false;
    QTest::newRow("far below zero") << -3e11f << false;
    QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << false;
    QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << false;
}

// A new record must read back as every rewrite demands (a whole number of
// 32 bits), or the save after it would find the journal damaged: such a
// record refuses the save, and the journal takes the next one.
void TestWeightWorkout::journalRefusesNewCaloriesItCouldNotWriteBack()
{
    QFETCH(float, calories);
    QFETCH(bool, fits);
    const QString folder = TestEnvironment::freshFolder();
    const QString path = RecordFile::path(folder, CalorieJournal::kExerciseFileName);
    const QByteArray old = "\"09-Dec-26\",40\r\n";
    TestEnvironment::writeFile(folder, CalorieJournal::kExerciseFileName, old);
    QCOMPARE(CalorieJournal::fits(calories), fits);
    QString message;
    try {
        CalorieJournal::insert(path, QDate(2026, 12, 10), calories);
    } catch (const RecordFileError &e) {
        message = e.message();
    }
    if (fits) {
        QVERIFY2(message.isEmpty(), qPrintable(message));
    } else {
        QVERIFY2(message.startsWith("The file ExerciseCalories.txt could not be saved: the calories ")
                     && message.endsWith(" are too large to record. Nothing was changed."),
                 qPrintable(message));
        QCOMPARE(TestEnvironment::readFile(folder, CalorieJournal::kExerciseFileName), old);
    }
    CalorieJournal::insert(path, QDate(2026, 12, 11), 5);
    QVERIFY(TestEnvironment::readFile(folder, CalorieJournal::kExerciseFileName).startsWith("\"11-Dec-26\",5\r\n"));
    QCOMPARE(CalorieJournal::read(path).size(), fits ? 3 : 2);
}

void TestWeightWorkout::unusableBoxLeavesEveryFileAsItWas_data()
{
    QTest::addColumn<QStringList>("weights");
    QTest::addColumn<QStringList>("reps");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("letter in a weight")
        << QStringList{"100", "1o5"} << QStringList{"10", "8"}
        << WeightWorkout::badBox(QStringLiteral("weight"), 2, QStringLiteral("Barbell Curl"));
    QTest::newRow("empty repetitions")
        << QStringList{"100", "105"} << QStringList{"10", ""}
        << WeightWorkout::badBox(QStringLiteral("repetitions"), 2, QStringLiteral("Barbell Curl"));
    QTest::newRow("letter in set-1 repetitions")
        << QStringList{"100", "105"} << QStringList{"x", "8"}
        << WeightWorkout::badBox(QStringLiteral("repetitions"), 1, QStringLiteral("Barbell Curl"));
    QTest::newRow("negative weight")
        << QStringList{"-5", "105"} << QStringList{"10", "8"}
        << WeightWorkout::badBox(QStringLiteral("weight"), 1, QStringLiteral("Barbell Curl"));
    QTest::newRow("beyond 16 bits")
        << QStringList{"40000", "105"} << QStringList{"10", "8"}
        << WeightWorkout::badBox(QStringLiteral("weight"), 1, QStringLiteral("Barbell Curl"));
}

void TestWeightWorkout::unusableBoxLeavesEveryFileAsItWas()
{
    QFETCH(QStringList, weights);
    QFETCH(QStringList, reps);
    QFETCH(QString, refusal);
    const Case c = makeCase(kCatalogue);
    TestEnvironment::writeFile(c.folder, QStringLiteral("BiBarbell Curl.txt"), "\"01-Dec-26\",90,10,95,8\r\n");
    TestEnvironment::writeFile(c.folder, QStringLiteral("BiHammer.txt"), "\"01-Dec-26\",20,10,20,10,20,10\r\n");
    TestEnvironment::writeFile(c.folder, CalorieJournal::kExerciseFileName, "\"01-Dec-26\",24\r\n");
    const auto before = snapshot(c.folder);
    // The row in error comes after one that is fine: that one is not written either.
    const auto outcome = WeightWorkout::save(
        c.folder, *c.settings, QDate(2026, 12, 7),
        {row("Bi", "Hammer", {"30", "30", "30"}, {"10", "10", "10"}), row("Bi", "Barbell Curl", weights, reps)});
    QCOMPARE(outcome.refusal, refusal);
    QCOMPARE(snapshot(c.folder), before);
}

void TestWeightWorkout::damagedFileLeavesEveryFileAsItWas_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("log cut short") << "BiBarbell Curl.txt" << QByteArray("\"01-Dec-26\",90,10,95\r\n");
    QTest::newRow("journal date no date") << "ExerciseCalories.txt" << QByteArray("\"Someday\",5\r\n");
    QTest::newRow("factor no number") << "BurnnedCalories.txt" << QByteArray("\"Weight training\",lots\r\n");
    // Calories the journal could not take back: every later save would fail.
    QTest::newRow("factor too large for the journal")
        << "BurnnedCalories.txt" << QByteArray("\"Weight training\",99999999999999999999\r\n");
    QTest::newRow("catalogue cut short") << "ExerciseDescription.txt" << QByteArray("\"Bi\",\"Barbell Curl\"\r\n");
}

void TestWeightWorkout::damagedFileLeavesEveryFileAsItWas()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    const Case c = makeCase(kCatalogue);
    TestEnvironment::writeFile(c.folder, file, bytes);
    const auto before = snapshot(c.folder);
    const auto outcome = WeightWorkout::save(c.folder, *c.settings, QDate(2026, 12, 7),
                                             {row("Bi", "Hammer", {"30", "30", "30"}, {"10", "10", "10"}),
                                              row("Bi", "Barbell Curl", {"1", "1"}, {"1", "1"})});
    QVERIFY(outcome.refusal.contains(file));
    QCOMPARE(snapshot(c.folder), before);
}

void TestWeightWorkout::failedJournalWritePutsTheLogBack()
{
    const Case c = makeCase(kCatalogue);
    const QByteArray log = "\"01-Dec-26\",90,10,95,8\r\n";
    TestEnvironment::writeFile(c.folder, QStringLiteral("BiBarbell Curl.txt"), log);
    // A folder where the journal should be: reading finds no journal, writing fails.
    QFile::remove(RecordFile::path(c.folder, CalorieJournal::kExerciseFileName));
    QVERIFY(QDir(c.folder).mkdir(CalorieJournal::kExerciseFileName));
    const auto outcome = WeightWorkout::save(c.folder, *c.settings, QDate(2026, 12, 7),
                                             {row("Bi", "Barbell Curl", {"100", "105"}, {"10", "8"})});
    QVERIFY(!outcome.ok());
    QVERIFY(outcome.refusal.contains(CalorieJournal::kExerciseFileName));
    QCOMPARE(TestEnvironment::readFile(c.folder, QStringLiteral("BiBarbell Curl.txt")), log);
}

void TestWeightWorkout::longFilesKeepEveryRecord()
{
    const Case c = makeCase(kCatalogue);
    QByteArray log, journal;
    for (int i = 0; i < 400; ++i)
        log += "\"01-Dec-26\"," + QByteArray::number(i) + ",10,5,5\r\n";
    const QDate first(2026, 12, 1);
    for (int i = 0; i < 10100; ++i)
        journal += '"' + first.addDays(-i).toString(QStringLiteral("dd-MMM-yy")).toLatin1() + "\",1\r\n";
    TestEnvironment::writeFile(c.folder, QStringLiteral("BiBarbell Curl.txt"), log);
    TestEnvironment::writeFile(c.folder, CalorieJournal::kExerciseFileName, journal);
    QVERIFY(WeightWorkout::save(c.folder, *c.settings, QDate(2026, 12, 7),
                                {row("Bi", "Barbell Curl", {"100", "105"}, {"10", "8"})})
                .ok());
    QCOMPARE(TestEnvironment::readFile(c.folder, QStringLiteral("BiBarbell Curl.txt")),
             "\"07-Dec-26\"\r\n100,10\r\n105,8\r\n" + log);
    QCOMPARE(TestEnvironment::readFile(c.folder, CalorieJournal::kExerciseFileName),
             "\"07-Dec-26\",16\r\n" + journal);
}

void TestWeightWorkout::calories_data()
{
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QList<WeightWorkout::Row>>("rows");
    QTest::addColumn<QByteArray>("record");
    const WeightWorkout::Row curl = row("Bi", "Barbell Curl", {"100", "105"}, {"10", "8"});
    const WeightWorkout::Row hammer = row("Bi", "Hammer", {"30", "30", "30"}, {"10", "10", "10"});
    const WeightWorkout::Row single = row("Bi", "One", {"30"}, {"10"});
    QTest::newRow("3 + 2 sets at 160 lb") << "160" << QList<WeightWorkout::Row>{hammer, curl} << QByteArray("40");
    QTest::newRow("3 sets at 95 lb") << "95" << QList<WeightWorkout::Row>{hammer} << QByteArray("14.25");
    QTest::newRow("1 set at 95 lb") << "95" << QList<WeightWorkout::Row>{single} << QByteArray("4.75");
    QTest::newRow("no weight stored: 95 lb") << "" << QList<WeightWorkout::Row>{hammer} << QByteArray("14.25");
    QTest::newRow("no saved row") << "160" << QList<WeightWorkout::Row>{} << QByteArray("0");
}

void TestWeightWorkout::calories()
{
    QFETCH(QString, weight);
    QFETCH(QList<WeightWorkout::Row>, rows);
    QFETCH(QByteArray, record);
    const Case c = makeCase(kCatalogue + "\"Bi\",\"One\",\"\",1\r\n", weight);
    if (weight.isEmpty())
        c.settings->remove(SettingKeys::PersonalInformation, SettingKeys::Weight);
    QVERIFY(WeightWorkout::save(c.folder, *c.settings, QDate(2026, 12, 7), rows).ok());
    QCOMPARE(TestEnvironment::readFile(c.folder, CalorieJournal::kExerciseFileName),
             "\"07-Dec-26\"," + record + "\r\n");
}

void TestWeightWorkout::rowsAreMatchedByGroupAndName()
{
    // The same name under Legs (a catalogue written before names were kept
    // unique) does not lend its set count or its log to the Biceps row.
    const Case c = makeCase("\"Le\",\"Curl\",\"\",1\r\n\"Bi\",\"Curl\",\"\",2\r\n");
    QVERIFY(WeightWorkout::save(c.folder, *c.settings, QDate(2026, 12, 7),
                                {row("Bi", "Curl", {"10", "20"}, {"5", "6"})})
                .ok());
    QCOMPARE(TestEnvironment::readFile(c.folder, QStringLiteral("BiCurl.txt")),
             QByteArray("\"07-Dec-26\"\r\n10,5\r\n20,6\r\n"));
    QVERIFY(!QFileInfo::exists(RecordFile::path(c.folder, QStringLiteral("LeCurl.txt"))));
    // A row whose exercise has left the catalogue is refused.
    const auto before = snapshot(c.folder);
    QVERIFY(!WeightWorkout::save(c.folder, *c.settings, QDate(2026, 12, 7),
                                 {row("Ch", "Curl", {"10"}, {"5"})})
                 .ok());
    QCOMPARE(snapshot(c.folder), before);
}

PULSAR_TEST_MAIN_CORE(TestWeightWorkout)
#include "tst_weightworkout.moc"
