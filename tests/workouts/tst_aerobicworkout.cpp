#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "support/TestEnvironment.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/AerobicLog.h"
#include "workouts/AerobicWorkout.h"
#include "workouts/CalorieFactors.h"
#include "workouts/CalorieJournal.h"
#include "FolderSnapshot.h"

#include <QtTest>

Q_DECLARE_METATYPE(AerobicWorkout::Boxes)

// Saving an aerobic workout into the activity's log and the calorie journal.
class TestAerobicWorkout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void recordShapeFollowsTheFlags_data();
    void recordShapeFollowsTheFlags();
    void newRecordGoesBeforeTheFirstOnOrBeforeIt_data();
    void newRecordGoesBeforeTheFirstOnOrBeforeIt();
    void boxesGiveMinutesAndMiles_data();
    void boxesGiveMinutesAndMiles();
    void caloriesGoIntoTheJournal();
    void theWindowsClassDecidesLogAndShape();
    void refusalsAndDamagedFilesWriteNothing_data();
    void refusalsAndDamagedFilesWriteNothing();

private:
    QString m_folder;
    std::unique_ptr<Settings> m_settings;
};

namespace {

const QByteArray kCatalogue = "\"Ou\",\"Golf\",#TRUE#,#FALSE#,#FALSE#\r\n"
                              "\"Ou\",\"Running\",#TRUE#,#TRUE#,#TRUE#\r\n"
                              "\"In\",\"Rowing\",#TRUE#,#TRUE#,#FALSE#\r\n"
                              "\"Ou\",\"Skiing\",#TRUE#,#FALSE#,#TRUE#\r\n"
                              "\"In\",\"Golf\",#TRUE#,#TRUE#,#TRUE#\r\n"
                              "\"In\",\"Squash \",#TRUE#,#FALSE#,#FALSE#\r\n";
const QByteArray kFactors = "\"Weight training\",0.05\r\n\"Golf\",0.0381\r\n\"Running\",0.0667\r\n"
                            "\"Squash\",0.0579\r\n";

AerobicWorkout::Boxes boxes(const char *hours, const char *minutes, const char *distance = "0",
                            const char *terrain = "Select Terrain Type")
{
    AerobicWorkout::Boxes b;
    b.hours = QLatin1String(hours);
    b.minutes = QLatin1String(minutes);
    b.distance = QLatin1String(distance);
    b.terrain = QLatin1String(terrain);
    return b;
}

const QDate kDec7(2026, 12, 7);

} // namespace

void TestAerobicWorkout::init()
{
    m_folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(m_folder, AerobicCatalogue::kFileName, kCatalogue);
    TestEnvironment::writeFile(m_folder, CalorieFactors::kFileName, kFactors);
    TestEnvironment::writeFile(m_folder, CalorieJournal::kExerciseFileName, QByteArray());
    m_settings = std::make_unique<Settings>(m_folder + QStringLiteral(".ini"));
    m_settings->set(SettingKeys::PersonalInformation, SettingKeys::Weight, QStringLiteral("150"));
}

void TestAerobicWorkout::recordShapeFollowsTheFlags_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("time only") << "In" << "Squash " << QByteArray("\"07-Dec-26\",45\r\n");
    QTest::newRow("time and distance") << "In" << "Rowing" << QByteArray("\"07-Dec-26\",45,4\r\n");
    QTest::newRow("time, distance and terrain")
        << "Ou" << "Running" << QByteArray("\"07-Dec-26\",45,4,\"Hilly \"\r\n");
    QTest::newRow("terrain without distance") << "Ou" << "Skiing" << QByteArray("\"07-Dec-26\",45\r\n");
}

void TestAerobicWorkout::recordShapeFollowsTheFlags()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    const auto outcome =
        AerobicWorkout::save(m_folder, *m_settings, code, name, kDec7, boxes("0", "45", "3.5", "Hilly "));
    QVERIFY2(outcome.saved(), qPrintable(outcome.refusal));
    QTEST(TestEnvironment::readFile(m_folder, code + name + QStringLiteral(".txt")), "line");
}

void TestAerobicWorkout::newRecordGoesBeforeTheFirstOnOrBeforeIt_data()
{
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray three = "\"10-Dec-26\",10,1,\"Hilly \"\r\n"
                             "\"08-Dec-26\",20,2,\"Hilly \"\r\n"
                             "\"05-Dec-26\",30,3,\"Hilly \"\r\n";
    const QByteArray added = "\"%1\",60,5,\"Flat - Outdoor\"\r\n";
    auto rec = [&](const char *date) { return QByteArray(added).replace("%1", date); };

    QTest::newRow("same date: before the old one")
        << three << QDate(2026, 12, 8)
        << "\"10-Dec-26\",10,1,\"Hilly \"\r\n" + rec("08-Dec-26")
               + "\"08-Dec-26\",20,2,\"Hilly \"\r\n\"05-Dec-26\",30,3,\"Hilly \"\r\n";
    QTest::newRow("older than all: last") << three << QDate(2026, 12, 1) << three + rec("01-Dec-26");
    QTest::newRow("newer than all: first") << three << QDate(2026, 12, 11) << rec("11-Dec-26") + three;
    QTest::newRow("empty log") << QByteArray() << QDate(2026, 12, 11) << rec("11-Dec-26");
    QTest::newRow("hand-edited, no last line end")
        << QByteArray("\"05-Dec-26\",30,3,\"Hilly \"") << QDate(2026, 12, 6)
        << rec("06-Dec-26") + "\"05-Dec-26\",30,3,\"Hilly \"\r\n";
}

void TestAerobicWorkout::newRecordGoesBeforeTheFirstOnOrBeforeIt()
{
    QFETCH(QByteArray, log);
    QFETCH(QDate, date);
    TestEnvironment::writeFile(m_folder, QStringLiteral("OuRunning.txt"), log);
    const auto outcome = AerobicWorkout::save(m_folder, *m_settings, QStringLiteral("Ou"),
                                              QStringLiteral("Running"), date,
                                              boxes("1", "0", "5", "Flat - Outdoor"));
    QVERIFY2(outcome.saved(), qPrintable(outcome.refusal));
    QTEST(TestEnvironment::readFile(m_folder, QStringLiteral("OuRunning.txt")), "expected");
}

void TestAerobicWorkout::boxesGiveMinutesAndMiles_data()
{
    QTest::addColumn<AerobicWorkout::Boxes>("input");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("distance");
    QTest::addColumn<QString>("refusal");

    QTest::newRow("1 hour and 90 minutes") << boxes("1", "90") << 150 << 0 << "";
    QTest::newRow("2.5 miles give 2") << boxes("0", "20", "2.5") << 20 << 2 << "";
    QTest::newRow("3.5 miles give 4") << boxes("0", "20", "3.5") << 20 << 4 << "";
    QTest::newRow("minutes keep their whole part") << boxes("0", "30.9") << 30 << 0 << "";
    QTest::newRow("largest time") << boxes("546", "7") << 32767 << 0 << "";
    QTest::newRow("no time") << boxes("0", "0") << 0 << 0 << AerobicWorkout::kPickOne;
    QTest::newRow("less than a minute") << boxes("0", "0.5") << 0 << 0 << AerobicWorkout::kPickOne;
    QTest::newRow("half an hour") << boxes("0.5", "0") << 0 << 0
                                  << "The hours must be a whole number of 0 or more.";
    QTest::newRow("hours a word") << boxes("one", "5") << 0 << 0
                                  << "The hours must be a whole number of 0 or more.";
    QTest::newRow("hours empty") << boxes("", "5") << 0 << 0
                                 << "The hours must be a whole number of 0 or more.";
    QTest::newRow("negative minutes") << boxes("1", "-5") << 0 << 0
                                      << "The minutes must be a number of 0 or more.";
    QTest::newRow("too long") << boxes("546", "8") << 0 << 0
                              << "A workout can be at most 32767 minutes long.";
    QTest::newRow("negative distance") << boxes("0", "5", "-1") << 0 << 0
                                       << "The distance must be a number from 0 to 32767 miles.";
    QTest::newRow("distance a word") << boxes("0", "5", "far") << 0 << 0
                                     << "The distance must be a number from 0 to 32767 miles.";
    QTest::newRow("distance too large") << boxes("0", "5", "40000") << 0 << 0
                                        << "The distance must be a number from 0 to 32767 miles.";
}

void TestAerobicWorkout::boxesGiveMinutesAndMiles()
{
    QFETCH(AerobicWorkout::Boxes, input);
    QFETCH(QString, refusal);
    const auto result = AerobicWorkout::entryOf(input, AerobicLog::Layout::DateMinutesDistance);
    if (refusal.isEmpty()) {
        QVERIFY(std::holds_alternative<AerobicLogEntry>(result));
        QTEST(int(std::get<AerobicLogEntry>(result).minutes), "minutes");
        QTEST(int(std::get<AerobicLogEntry>(result).distance), "distance");
    } else {
        QVERIFY(std::holds_alternative<QString>(result));
        QCOMPARE(std::get<QString>(result), refusal);
    }
    // A log without distance does not look at the distance box.
    if (input.distance == QLatin1String("far"))
        QVERIFY(std::holds_alternative<AerobicLogEntry>(
            AerobicWorkout::entryOf(input, AerobicLog::Layout::DateMinutes)));
}

void TestAerobicWorkout::caloriesGoIntoTheJournal()
{
    TestEnvironment::writeFile(m_folder, CalorieJournal::kExerciseFileName,
                               "\"10-Dec-26\",142.5\r\n\"05-Dec-26\",143.5\r\n");
    // 30 minutes × 150 pounds × 0.0667 per pound and minute.
    auto outcome = AerobicWorkout::save(m_folder, *m_settings, QStringLiteral("Ou"),
                                        QStringLiteral("Running"), kDec7, boxes("0", "30", "3"));
    QVERIFY(outcome.saved());
    QCOMPARE(TestEnvironment::readFile(m_folder, CalorieJournal::kExerciseFileName),
             QByteArray("\"10-Dec-26\",142\r\n\"07-Dec-26\",300.15\r\n\"05-Dec-26\",144\r\n"));

    // The factor is looked up without the name's blank; a factor of 0 still
    // adds its record.
    outcome = AerobicWorkout::save(m_folder, *m_settings, QStringLiteral("In"), QStringLiteral("Squash "),
                                   kDec7, boxes("1", "0"));
    QVERIFY(outcome.saved());
    QCOMPARE(outcome.calories, float(60 * (150 * 0.0579)));
    m_settings->set(SettingKeys::PersonalInformation, SettingKeys::Weight, QStringLiteral("0"));
    outcome = AerobicWorkout::save(m_folder, *m_settings, QStringLiteral("In"), QStringLiteral("Squash "),
                                   kDec7, boxes("1", "0"));
    QVERIFY(outcome.saved());
    QCOMPARE(TestEnvironment::readFile(m_folder, CalorieJournal::kExerciseFileName),
             QByteArray("\"10-Dec-26\",142\r\n\"07-Dec-26\",0\r\n\"07-Dec-26\",521\r\n\"07-Dec-26\",300\r\n"
                        "\"05-Dec-26\",144\r\n"));
}

void TestAerobicWorkout::theWindowsClassDecidesLogAndShape()
{
    // Golf stands as an outdoor time-only activity and, later, as an indoor
    // one with distance and terrain; each class keeps its own log.
    const QByteArray outdoor = "\"01-Dec-26\",90\r\n";
    TestEnvironment::writeFile(m_folder, QStringLiteral("OuGolf.txt"), outdoor);
    TestEnvironment::writeFile(m_folder, QStringLiteral("InGolf.txt"), "\"02-Dec-26\",40,2,\"Indoor\"\r\n");
    const auto outcome = AerobicWorkout::save(m_folder, *m_settings, QStringLiteral("In"),
                                              QStringLiteral("Golf"), kDec7, boxes("0", "50", "3", "Hilly "));
    QVERIFY2(outcome.saved(), qPrintable(outcome.refusal));
    QCOMPARE(TestEnvironment::readFile(m_folder, QStringLiteral("InGolf.txt")),
             QByteArray("\"07-Dec-26\",50,3,\"Hilly \"\r\n\"02-Dec-26\",40,2,\"Indoor\"\r\n"));
    QCOMPARE(TestEnvironment::readFile(m_folder, QStringLiteral("OuGolf.txt")), outdoor);
}

void TestAerobicWorkout::refusalsAndDamagedFilesWriteNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<AerobicWorkout::Boxes>("input");
    QTest::addColumn<QString>("refusal");

    const AerobicWorkout::Boxes good = boxes("0", "30", "3");
    QTest::newRow("no activity chosen") << "" << "" << QByteArray() << good << AerobicWorkout::kPickOne;
    QTest::newRow("activity gone from the catalogue") << "Biking" << "" << QByteArray() << good
                                                      << AerobicWorkout::kPickOne;
    QTest::newRow("fractional hours") << "Running" << "" << QByteArray() << boxes("0.5", "0", "3")
                                      << "The hours must be a whole number of 0 or more.";
    QTest::newRow("damaged log") << "Running"
                                 << "OuRunning.txt" << QByteArray("\"07-Dec-26\",30,x,\"Hilly \"\r\n") << good
                                 << "The file OuRunning.txt is damaged: a value has the wrong kind (line 1) "
                                    "(\"x\" is not a whole number).";
    QTest::newRow("log date no date")
        << "Running"
        << "OuRunning.txt" << QByteArray("\"someday\",30,3,\"Hilly \"\r\n") << good
        << "The file OuRunning.txt is damaged: a value has the wrong kind (line 1) "
           "(\"someday\" is not a date).";
    QTest::newRow("log minutes beyond 16 bits") << "Running" << "OuRunning.txt"
                                                << QByteArray("\"07-Dec-26\",40000,3,\"Hilly \"\r\n") << good
                                                << "The file OuRunning.txt is damaged: a number is too large "
                                                   "(line 1) (40000 does not fit).";
    QTest::newRow("damaged journal") << "Running" << "ExerciseCalories.txt" << QByteArray("\"07-Dec-26\"\r\n")
                                     << good << "The file ExerciseCalories.txt is damaged: it ends inside a "
                                                "record (line 2).";
    QTest::newRow("damaged catalogue")
        << "Running"
        << "AerobicDescription.txt" << QByteArray("\"Ou\",\"Running\",#TRUE#\r\n") << good
        << "The file AerobicDescription.txt is damaged: it ends inside a record "
           "(line 2).";
}

void TestAerobicWorkout::refusalsAndDamagedFilesWriteNothing()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(AerobicWorkout::Boxes, input);
    if (!file.isEmpty())
        TestEnvironment::writeFile(m_folder, file, bytes);
    const auto before = folderSnapshot(m_folder);
    const auto outcome =
        AerobicWorkout::save(m_folder, *m_settings, QStringLiteral("Ou"), name, kDec7, input);
    QTEST(outcome.refusal, "refusal");
    QCOMPARE(folderSnapshot(m_folder), before);
}

PULSAR_TEST_MAIN_CORE(TestAerobicWorkout)
#include "tst_aerobicworkout.moc"
