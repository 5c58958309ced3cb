#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "support/TestEnvironment.h"
#include "workouts/CalorieFactors.h"
#include "workouts/CustomExercise.h"
#include "workouts/ExerciseLogName.h"
#include "workouts/StandardExercises.h"
#include "workouts/WeightCatalogue.h"

#include <QtTest>

// The weight-training catalogue, the standard and custom exercises that fill
// it, and the calorie factors.
class TestWeightCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shippedDataHoldsEveryStandardExercise();
    void storedSetsGiveOneCount_data();
    void storedSetsGiveOneCount();
    void setsBoxOfTheCreationWindows_data();
    void setsBoxOfTheCreationWindows();
    void standardInstallWritesRecordAndEmptyLog();
    void duplicateFromAnotherGroupIsSkipped();
    void badSetsBoxWritesNothing();
    void existingLogKeepsItsEntries();
    void nameMissingFromExerciseTextGetsNoDescription();
    void damagedCatalogueRefusesTheInstall();
    void customExerciseIsAdded();
    void customRefusals_data();
    void customRefusals();
    void factorLookupTakesTheFirstExactName_data();
    void factorLookupTakesTheFirstExactName();
    void catalogueReadAgainGivesWhatItHoldsNow();

private:
    static QString shipped(const QString &fileName);
    static QMap<QString, QByteArray> snapshot(const QString &folder);
};

QString TestWeightCatalogue::shipped(const QString &fileName)
{
    return RecordFile::path(QStringLiteral(PULSAR_SOURCE_DATA_DIR), fileName);
}

QMap<QString, QByteArray> TestWeightCatalogue::snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(folder).entryList(QDir::Files))
        files.insert(name, TestEnvironment::readFile(folder, name));
    return files;
}

void TestWeightCatalogue::shippedDataHoldsEveryStandardExercise()
{
    const QString data = QStringLiteral(PULSAR_SOURCE_DATA_DIR);
    QCOMPARE(StandardExercises::all().size(), StandardExercises::kCount);
    for (const StandardExercises::Standard &s : StandardExercises::all()) {
        QCOMPARE(s.name, s.name.trimmed());
        QVERIFY2(!StandardExercises::descriptionOf(data, s.name).isEmpty(), qPrintable(s.name));
    }
    QCOMPARE(StandardExercises::all()[8].name, QStringLiteral("Shruggs"));
    QCOMPARE(StandardExercises::all()[10].name, QStringLiteral("Lat PullDown"));
    QCOMPARE(StandardExercises::all()[16].name, QStringLiteral("Forward Dumbbell Lung"));
    QCOMPARE(StandardExercises::all()[16].code(), QStringLiteral("Le"));

    const auto factors = CalorieFactors::read(data);
    QCOMPARE(CalorieFactors::lookup(factors, CalorieFactors::kWeightTraining), 0.05);
    // The shipped catalogue and journal are empty files.
    QCOMPARE(RecordFile::read(shipped(WeightCatalogue::kFileName)), QByteArray());
    QCOMPARE(RecordFile::read(shipped(QStringLiteral("ExerciseCalories.txt"))), QByteArray());
}

void TestWeightCatalogue::storedSetsGiveOneCount_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("count");
    QTest::newRow("text 3") << QByteArray("\"3\"") << 3;
    QTest::newRow("bare 2") << QByteArray("2") << 2;
    QTest::newRow("1") << QByteArray("1") << 1;
    QTest::newRow("4") << QByteArray("4") << 4;
    QTest::newRow("5") << QByteArray("5") << 5;
    QTest::newRow("0 counts as 5") << QByteArray("0") << 5;
    QTest::newRow("7 counts as 5") << QByteArray("\"7\"") << 5;
    QTest::newRow("-1 counts as 5") << QByteArray("-1") << 5;
    QTest::newRow("2.5 rounds to even 2") << QByteArray("2.5") << 2;
    QTest::newRow("3.5 rounds to 4") << QByteArray("\"3.5\"") << 4;
    QTest::newRow("a word counts as 5") << QByteArray("\"three\"") << 5;
}

void TestWeightCatalogue::storedSetsGiveOneCount()
{
    QFETCH(QByteArray, field);
    QFETCH(int, count);
    const QByteArray bytes = "\"Bi\",\"Curl\",\"d\"," + field + "\r\n";
    const auto list = WeightCatalogue::parse(bytes, QStringLiteral("ExerciseDescription.txt"));
    QCOMPARE(list.size(), 1);
    QCOMPARE(int(list[0].setCount()), count);
}

void TestWeightCatalogue::setsBoxOfTheCreationWindows_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("sets"); // 0: refused
    QTest::newRow("1") << "1" << 1;
    QTest::newRow("5") << "5" << 5;
    QTest::newRow("2.7 gives 2") << "2.7" << 2;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("6") << "6" << 0;
    QTest::newRow("7") << "7" << 0;
    QTest::newRow("0.5") << "0.5" << 0;
    QTest::newRow("word") << "three" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("40000") << "40000" << 0;
}

void TestWeightCatalogue::setsBoxOfTheCreationWindows()
{
    QFETCH(QString, text);
    QFETCH(int, sets);
    QCOMPARE(int(WeightCatalogue::setsFromBox(text).value_or(0)), sets);
}

void TestWeightCatalogue::standardInstallWritesRecordAndEmptyLog()
{
    const QString folder = TestEnvironment::freshFolder();
    QFile::copy(shipped(StandardExercises::kTextFileName), RecordFile::path(folder, StandardExercises::kTextFileName));
    TestEnvironment::writeFile(folder, WeightCatalogue::kFileName, QByteArray());

    const auto result = StandardExercises::install(folder, {{0, QStringLiteral("3")}});
    QVERIFY(result.complete());
    QCOMPARE(result.installed, QList<int>{0});
    const QString description = StandardExercises::descriptionOf(folder, QStringLiteral("Barbell Curl"));
    QCOMPARE(TestEnvironment::readFile(folder, WeightCatalogue::kFileName),
             "\"Bi\",\"Barbell Curl\",\"" + description.toLatin1() + "\",\"3\"\r\n");
    QVERIFY(QFileInfo::exists(RecordFile::path(folder, QStringLiteral("BiBarbell Curl.txt"))));
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("BiBarbell Curl.txt")), QByteArray());

    // Nothing ticked: nothing changes, and the install still ends normally.
    const auto before = snapshot(folder);
    QVERIFY(StandardExercises::install(folder, {}).complete());
    QCOMPARE(snapshot(folder), before);
}

void TestWeightCatalogue::duplicateFromAnotherGroupIsSkipped()
{
    const QString folder = TestEnvironment::freshFolder();
    // A custom "Bench Press" under Legs blocks the standard one (Chest); the
    // exercises before and after it are installed.
    const QByteArray custom = "\"Le\",\"Bench Press\",\"mine\",2\r\n";
    TestEnvironment::writeFile(folder, WeightCatalogue::kFileName, custom);
    const auto result = StandardExercises::install(
        folder, {{14, QStringLiteral("1")}, {12, QStringLiteral("2")}, {2, QStringLiteral("4")}});
    QVERIFY(result.complete());
    QCOMPARE(result.installed, (QList<int>{2, 14}));
    QCOMPARE(result.duplicates, QStringList{QStringLiteral("Bench Press")});
    QCOMPARE(TestEnvironment::readFile(folder, WeightCatalogue::kFileName),
             custom + "\"Bi\",\"Staggered-Grip Pull-up\",\"\",\"4\"\r\n"
                      "\"Ch\",\"Dumbbell Fly\",\"\",\"1\"\r\n");
    QVERIFY(!QFileInfo::exists(RecordFile::path(folder, QStringLiteral("ChBench Press.txt"))));
    QCOMPARE(ExerciseLogName::alreadyCreated(QStringLiteral("Bench Press")),
             QStringLiteral("You've already created a database for Bench Press.  Go to Edit->Delete "
                            "Exercise to delete the database and then come back to add the exercise "
                            "if you wish."));
}

void TestWeightCatalogue::badSetsBoxWritesNothing()
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, WeightCatalogue::kFileName, QByteArray());
    const auto before = snapshot(folder);
    // Index 1 is fine, but index 4's box holds 7: not even index 1 is written.
    const auto result =
        StandardExercises::install(folder, {{1, QStringLiteral("2")}, {4, QStringLiteral("7")}});
    QVERIFY(!result.complete());
    QCOMPARE(result.refusal, StandardExercises::badSets(QStringLiteral("Seated Triceps Extension")));
    QVERIFY(result.installed.isEmpty());
    QCOMPARE(snapshot(folder), before);
}

void TestWeightCatalogue::existingLogKeepsItsEntries()
{
    const QString folder = TestEnvironment::freshFolder();
    const QByteArray log = "\"07-Dec-26\",100,10\r\n";
    // Standard: a log left behind by a removed catalogue record.
    TestEnvironment::writeFile(folder, QStringLiteral("BiBarbell Curl.txt"), log);
    QVERIFY(StandardExercises::install(folder, {{0, QStringLiteral("1")}}).complete());
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("BiBarbell Curl.txt")), log);
    // Custom: likewise.
    TestEnvironment::writeFile(folder, QStringLiteral("ChCurl.txt"), log);
    QVERIFY(CustomExercise::add(folder, {QStringLiteral("Chest"), QStringLiteral("Curl"), QString(),
                                         QStringLiteral("1")})
                .added());
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("ChCurl.txt")), log);
}

void TestWeightCatalogue::nameMissingFromExerciseTextGetsNoDescription()
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, StandardExercises::kTextFileName,
                               "\"Barbell Curl\",\"curl it\"\r\n\"Leg Squats\",\"squat\"\r\n");
    QVERIFY(StandardExercises::install(folder, {{0, QStringLiteral("1")}, {1, QStringLiteral("1")}})
                .complete());
    QCOMPARE(TestEnvironment::readFile(folder, WeightCatalogue::kFileName),
             QByteArray("\"Bi\",\"Barbell Curl\",\"curl it\",\"1\"\r\n"
                        "\"Bi\",\"Dumbbell Biceps Curl\",\"\",\"1\"\r\n"));
}

void TestWeightCatalogue::damagedCatalogueRefusesTheInstall()
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, WeightCatalogue::kFileName, "\"Bi\",\"Curl\",\"cut short\"\r\n");
    const auto before = snapshot(folder);
    const auto result = StandardExercises::install(folder, {{0, QStringLiteral("1")}});
    QVERIFY(result.refusal.contains(WeightCatalogue::kFileName));
    QCOMPARE(snapshot(folder), before);
    QVERIFY(!CustomExercise::add(folder, {QStringLiteral("Biceps"), QStringLiteral("Mine"), QString(),
                                          QStringLiteral("1")})
                 .added());
    QCOMPARE(snapshot(folder), before);
}

void TestWeightCatalogue::customExerciseIsAdded()
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, CalorieFactors::kFileName, "\"Weight training\",0.05"); // no line end
    const auto outcome = CustomExercise::add(
        folder, {QStringLiteral("Chest"), QStringLiteral("  Curl  "), QStringLiteral("two\r\nlines"),
                 QStringLiteral("3")});
    QVERIFY2(outcome.added(), qPrintable(outcome.refusal));
    QCOMPARE(TestEnvironment::readFile(folder, WeightCatalogue::kFileName),
             QByteArray("\"Ch\",\"Curl\",\"two\r\nlines\",3\r\n"));
    QVERIFY(QFileInfo::exists(RecordFile::path(folder, QStringLiteral("ChCurl.txt"))));
    QCOMPARE(TestEnvironment::readFile(folder, CalorieFactors::kFileName),
             QByteArray("\"Weight training\",0.05\r\n\"Curl\",0.05\r\n"));
    // The multi-line description reads back as written.
    const auto list = WeightCatalogue::read(folder);
    QCOMPARE(list.size(), 1);
    QCOMPARE(list[0].description, QStringLiteral("two\r\nlines"));
    QCOMPARE(list[0].setCount(), qint16(3));

    // The same name again, in any group, is refused.
    const auto again = CustomExercise::add(
        folder, {QStringLiteral("Legs"), QStringLiteral("Curl"), QString(), QStringLiteral("1")});
    QCOMPARE(again.refusal, ExerciseLogName::alreadyCreated(QStringLiteral("Curl")));
}

void TestWeightCatalogue::customRefusals_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("sets");
    QTest::addColumn<QString>("refusal");
    const QString ok = QStringLiteral("fine");
    QTest::newRow("prompt left") << "Biceps" << CustomExercise::kNamePrompt << ok << "1" << CustomExercise::kNoName;
    QTest::newRow("empty name") << "Biceps" << "" << ok << "1" << CustomExercise::kNoName;
    QTest::newRow("blanks only") << "Biceps" << "   " << ok << "1" << CustomExercise::kNoName;
    QTest::newRow("double quote") << "Biceps" << "Big \"C\"" << ok << "1" << CustomExercise::kBadName;
    QTest::newRow("slash") << "Biceps" << "Up/Down" << ok << "1" << CustomExercise::kBadName;
    QTest::newRow("backslash") << "Biceps" << "Up\\Down" << ok << "1" << CustomExercise::kBadName;
    QTest::newRow("tab") << "Biceps" << "Up\tDown" << ok << "1" << CustomExercise::kBadName;
    QTest::newRow("not in the code page") << "Biceps" << QString::fromUtf8("Curl \u4e00") << ok << "1"
                                          << CustomExercise::kBadName;
    QTest::newRow("quote in description") << "Biceps" << "Curl" << "say \"hi\"" << "1"
                                          << CustomExercise::kBadText;
    QTest::newRow("sets 0") << "Biceps" << "Curl" << ok << "0" << CustomExercise::kBadSets;
    QTest::newRow("sets 6") << "Biceps" << "Curl" << ok << "6" << CustomExercise::kBadSets;
    QTest::newRow("sets word") << "Biceps" << "Curl" << ok << "x" << CustomExercise::kBadSets;
    // "Bi" + the name + ".txt" must fit the file system's 255 bytes; a
    // letter beyond ASCII takes two of them.
    QTest::newRow("name of 250 letters") << "Biceps" << QString(250, u'x') << ok << "1" << ExerciseLogName::kTooLong;
    QTest::newRow("name of 125 accented letters") << "Biceps" << QString(125, QChar(0xE9)) << ok << "1"
                                                  << ExerciseLogName::kTooLong;
    // A typed group could name any file: "Pe" + "rsonalInformation".
    QTest::newRow("typed group") << "Personal" << "rsonalInformation" << ok << "1" << CustomExercise::kBadGroup;
}

void TestWeightCatalogue::customRefusals()
{
    QFETCH(QString, group);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(QString, sets);
    QFETCH(QString, refusal);
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, QStringLiteral("PersonalInformation.txt"), "\"07-Dec-26\",30,150,70\r\n");
    const auto before = snapshot(folder);
    QCOMPARE(CustomExercise::add(folder, {group, name, description, sets}).refusal, refusal);
    QCOMPARE(snapshot(folder), before);
}

void TestWeightCatalogue::factorLookupTakesTheFirstExactName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("factor");
    QTest::newRow("first of two") << "Squash" << 0.07;
    QTest::newRow("case counts") << "squash" << 0.0;
    QTest::newRow("blanks count") << "Squash " << 0.0;
    QTest::newRow("not there gives 0, not the last pair's") << "Golf" << 0.0;
    QTest::newRow("weight training") << "Weight training" << 0.05;
}

void TestWeightCatalogue::factorLookupTakesTheFirstExactName()
{
    QFETCH(QString, name);
    QFETCH(double, factor);
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, CalorieFactors::kFileName,
                               "\"Weight training\",.05\r\n\"Squash\",0.07\r\n\"Squash\",0.09\r\n\"Last\",0.3\r\n");
    QCOMPARE(CalorieFactors::lookup(CalorieFactors::read(folder), name), factor);
    // A missing file holds no pairs.
    QCOMPARE(CalorieFactors::lookup(CalorieFactors::read(TestEnvironment::freshFolder()), name), 0.0);
}

void TestWeightCatalogue::catalogueReadAgainGivesWhatItHoldsNow()
{
    // Read again and again, as every save reads it: each read gives what
    // the bytes hold then, a damaged catalogue is refused every time, and
    // reading as far as it can says so.
    const QString name = WeightCatalogue::kFileName;
    const QByteArray curl = "\"Bi\",\"Curl\",\"\",3\r\n";
    const QByteArray press = "\"Sh\",\"Pres\",\"\",3\r\n"; // as long
    const QByteArray damaged = "\"Bi\",\"Cu/l\",\"\",3\r\n";
    for (int round = 0; round < 2; ++round) {
        QCOMPARE(WeightCatalogue::parse(curl, name).first().name, QStringLiteral("Curl"));
        QCOMPARE(WeightCatalogue::parse(press, name).first().name, QStringLiteral("Pres"));
        QVERIFY_THROWS_EXCEPTION(RecordFileError, WeightCatalogue::parse(damaged, name));
        bool complete = true;
        QVERIFY(WeightCatalogue::parse(curl + damaged, name, &complete).size() == 1 && !complete);
        QVERIFY(WeightCatalogue::parse(curl, name, &complete).size() == 1 && complete);
        QCOMPARE(CalorieFactors::parse("\"Running\",0.1\r\n", name).first().factor, 0.1);
        QCOMPARE(CalorieFactors::parse("\"Running\",0.2\r\n", name).first().factor, 0.2);
    }
}

PULSAR_TEST_MAIN_CORE(TestWeightCatalogue)
#include "tst_weightcatalogue.moc"
