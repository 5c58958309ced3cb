#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "support/TestEnvironment.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/CalorieFactors.h"
#include "workouts/CustomAerobic.h"
#include "workouts/ExerciseLogName.h"
#include "FolderSnapshot.h"

#include <QtTest>

Q_DECLARE_METATYPE(CustomAerobic::Input)

// An aerobic activity of the user's own and the calorie factor derived from
// its sample workout.
class TestCustomAerobic : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void factorFromTheSample_data();
    void factorFromTheSample();
    void addWritesRecordLogAndFactor();
    void addKeepsAnExistingLog();
    void refusalsWriteNothing_data();
    void refusalsWriteNothing();

private:
    // A data folder as a user has it: two activities installed, the shipped
    // factors and a body weight of 150.
    QString preparedFolder(Settings &settings, const QString &weight = QStringLiteral("150"));
};

namespace {

const QByteArray kCatalogue = "\"Ou\",\"Golf\",#TRUE#,#FALSE#,#FALSE#\r\n"
                              "\"In\",\"Squash \",#TRUE#,#FALSE#,#FALSE#\r\n";
const QByteArray kFactors = "\"Weight training\",0.05\r\n\"Golf\",0.0381\r\n\"Squash\",0.0579\r\n";

CustomAerobic::Input hiking()
{
    CustomAerobic::Input in;
    in.name = QStringLiteral("Hiking ");
    in.code = QStringLiteral("Ou");
    in.distanceAndTime = true;
    in.timeOnly = false;
    in.terrain = true;
    in.calories = QStringLiteral("300");
    in.minutes = QStringLiteral("30");
    return in;
}

} // namespace

QString TestCustomAerobic::preparedFolder(Settings &settings, const QString &weight)
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, AerobicCatalogue::kFileName, kCatalogue);
    TestEnvironment::writeFile(folder, CalorieFactors::kFileName, kFactors);
    TestEnvironment::writeFile(folder, QStringLiteral("OuGolf.txt"), QByteArray());
    TestEnvironment::writeFile(folder, QStringLiteral("InSquash .txt"), QByteArray());
    settings.set(SettingKeys::PersonalInformation, SettingKeys::Weight, weight);
    return folder;
}

void TestCustomAerobic::factorFromTheSample_data()
{
    QTest::addColumn<double>("calories");
    QTest::addColumn<double>("minutes");
    QTest::addColumn<double>("weight");
    QTest::addColumn<double>("factor");

    QTest::newRow("300 in 30 at 150") << 300.0 << 30.0 << 150.0 << 0.0667;
    QTest::newRow("1000 in 1 at 95: divided once, stays above 1") << 1000.0 << 1.0 << 95.0 << 1.0526;
    QTest::newRow("exactly 1 is not divided") << 1000.0 << 10.0 << 100.0 << 1.0;
    QTest::newRow("300 in 1 at 100: 3 becomes 0.3") << 300.0 << 1.0 << 100.0 << 0.3;
    QTest::newRow("1 in 120 at 400 rounds to 0") << 1.0 << 120.0 << 400.0 << 0.0;
    QTest::newRow("half rounds to even") << 0.00125 << 1.0 << 1.0 << 0.0012;
}

void TestCustomAerobic::factorFromTheSample()
{
    QFETCH(double, calories);
    QFETCH(double, minutes);
    QFETCH(double, weight);
    QTEST(CustomAerobic::factor(calories, minutes, weight), "factor");
}

void TestCustomAerobic::addWritesRecordLogAndFactor()
{
    Settings settings(TestEnvironment::root() + QStringLiteral("/add.ini"));
    const QString folder = preparedFolder(settings);
    const auto outcome = CustomAerobic::add(folder, settings, hiking());
    QVERIFY2(outcome.added(), qPrintable(outcome.refusal));

    // The name keeps its blank in the record and the log; the pair has none.
    QCOMPARE(TestEnvironment::readFile(folder, AerobicCatalogue::kFileName),
             kCatalogue + "\"Ou\",\"Hiking \",#TRUE#,#TRUE#,#TRUE#\r\n");
    QVERIFY(QFile::exists(QDir(folder).filePath(QStringLiteral("OuHiking .txt"))));
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("OuHiking .txt")), QByteArray());
    QCOMPARE(TestEnvironment::readFile(folder, CalorieFactors::kFileName),
             kFactors + "\"Hiking\",0.0667\r\n");

    // Time only with the terrain ticked through its label: no distance.
    CustomAerobic::Input rowing = hiking();
    rowing.name = QStringLiteral("Rowing machine");
    rowing.code = QStringLiteral("In");
    rowing.distanceAndTime = false;
    rowing.timeOnly = true;
    rowing.calories = QStringLiteral("300");
    rowing.minutes = QStringLiteral("1");
    settings.set(SettingKeys::PersonalInformation, SettingKeys::Weight, QStringLiteral("100"));
    QVERIFY(CustomAerobic::add(folder, settings, rowing).added());
    QVERIFY(TestEnvironment::readFile(folder, AerobicCatalogue::kFileName)
                .endsWith("\"In\",\"Rowing machine\",#TRUE#,#FALSE#,#TRUE#\r\n"));
    QVERIFY(
        TestEnvironment::readFile(folder, CalorieFactors::kFileName).endsWith("\"Rowing machine\",0.3\r\n"));
}

void TestCustomAerobic::addKeepsAnExistingLog()
{
    Settings settings(TestEnvironment::root() + QStringLiteral("/keep.ini"));
    const QString folder = preparedFolder(settings);
    const QByteArray log = "\"07-Dec-26\",60,4,\"Hilly \"\r\n";
    TestEnvironment::writeFile(folder, QStringLiteral("OuHiking .txt"), log);
    QVERIFY(CustomAerobic::add(folder, settings, hiking()).added());
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("OuHiking .txt")), log);
}

void TestCustomAerobic::refusalsWriteNothing_data()
{
    QTest::addColumn<CustomAerobic::Input>("input");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("message");

    const QString incomplete = CustomAerobic::kIncomplete;
    auto with = [](auto change) {
        CustomAerobic::Input in = hiking();
        change(in);
        return in;
    };
    QTest::newRow("name unchanged") << with([](auto &in) { in.name = CustomAerobic::kNamePrompt; })
                                    << "150" << incomplete;
    QTest::newRow("name empty") << with([](auto &in) { in.name.clear(); }) << "150" << incomplete;
    QTest::newRow("name of blanks") << with([](auto &in) { in.name = QStringLiteral("   "); }) << "150"
                                    << incomplete;
    QTest::newRow("no class") << with([](auto &in) { in.code.clear(); }) << "150" << incomplete;
    QTest::newRow("no measure") << with([](auto &in) { in.distanceAndTime = in.timeOnly = false; })
                                << "150" << incomplete;
    QTest::newRow("calories no number") << with([](auto &in) { in.calories = QStringLiteral("lots"); })
                                        << "150" << incomplete;
    QTest::newRow("calories empty") << with([](auto &in) { in.calories.clear(); }) << "150" << incomplete;
    QTest::newRow("zero minutes") << with([](auto &in) { in.minutes = QStringLiteral("0"); }) << "150"
                                  << incomplete;
    QTest::newRow("negative minutes") << with([](auto &in) { in.minutes = QStringLiteral("-30"); }) << "150"
                                      << incomplete;
    QTest::newRow("factor beyond storage") << with([](auto &in) {
        in.calories = QStringLiteral("1E+300");
    }) << "150" << incomplete;
    // The sample stays within its spinners' ranges, so no workout of the
    // activity has calories the journal cannot hold.
    QTest::newRow("calories beyond 1000") << with([](auto &in) { in.calories = QStringLiteral("99999999999"); })
                                          << "150" << incomplete;
    QTest::newRow("calories below 1") << with([](auto &in) { in.calories = QStringLiteral("0.5"); }) << "150"
                                      << incomplete;
    QTest::newRow("minutes beyond 120") << with([](auto &in) { in.minutes = QStringLiteral("121"); }) << "150"
                                        << incomplete;
    QTest::newRow("name too long for its log") << with([](auto &in) { in.name = QString(250, u'x'); }) << "150"
                                               << ExerciseLogName::kTooLong;

    const QString badName = CustomAerobic::kBadName;
    QTest::newRow("slash") << with([](auto &in) { in.name = QStringLiteral("../PersonalInformation"); })
                           << "150" << badName;
    QTest::newRow("quote") << with([](auto &in) { in.name = QStringLiteral("Big \"Hike\""); }) << "150"
                           << badName;
    QTest::newRow("backslash") << with([](auto &in) { in.name = QStringLiteral("Up\\Down"); }) << "150"
                               << badName;
    QTest::newRow("tab") << with([](auto &in) { in.name = QStringLiteral("Hik\ting"); }) << "150" << badName;

    QTest::newRow("zero body weight") << hiking() << "0"
                                      << "Your body weight is 0. Please enter it under File > Setup before "
                                         "you make an activity of your own.";
    QTest::newRow("name in another class") << with([](auto &in) { in.name = QStringLiteral("Squash "); })
                                           << "150"
                                           << "You've already created a database for Squash .  Go to "
                                              "Edit->Delete Exercise to delete the database and then come "
                                              "back to add the exercise if you wish.";
    QTest::newRow("name whose factor is there") << with([](auto &in) { in.name = QStringLiteral(" Squash"); })
                                                << "150"
                                                << "Squash has a calorie factor already, which would be used "
                                                   "in place of yours. Please choose another name.";
}

void TestCustomAerobic::refusalsWriteNothing()
{
    QFETCH(CustomAerobic::Input, input);
    QFETCH(QString, weight);
    Settings settings(TestEnvironment::root() +
                      QStringLiteral("/refuse-%1.ini").arg(QTest::currentDataTag()));
    const QString folder = preparedFolder(settings, weight);
    const auto before = folderSnapshot(folder);
    const auto outcome = CustomAerobic::add(folder, settings, input);
    QTEST(outcome.refusal, "message");
    QCOMPARE(folderSnapshot(folder), before);
}

PULSAR_TEST_MAIN_CORE(TestCustomAerobic)
#include "tst_customaerobic.moc"
