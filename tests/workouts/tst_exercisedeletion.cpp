#include "common/FileBatch.h"
#include "support/StuckFiles.h"
#include "support/TestEnvironment.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/ExerciseDeletion.h"
#include "workouts/WeightCatalogue.h"
#include "FolderSnapshot.h"

#include <QtTest>

// Deleting exercises and activities from their catalogues with their logs.
class TestExerciseDeletion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void listShowsTheCategorysEntries();
    void deletingSquashTakesOnlyItsRecordAndLog();
    void aNameInTwoGroupsGoesOnlyFromTheChosenOne();
    void missingLogIsNoError();
    void nothingChosenChangesNothing();
    void damagedCatalogueStaysByteIdentical_data();
    void damagedCatalogueStaysByteIdentical();
    void nameCannotReachAnotherFile();
    void logThatCannotGoKeepsEverything();
    void aLinkedLogGoesAsALink();
    void logThatCannotGoAfterTheCommitIsTold();

private:
    QString m_folder;
};

using Entry = ExerciseDeletion::Entry;
using Category = ExerciseDeletion::Category;

namespace {

const QByteArray kAerobic = "\"Ou\",\"Running\",#TRUE#,#TRUE#,#TRUE#\r\n"
                            "\"In\",\"Squash \",#TRUE#,#FALSE#,#FALSE#\r\n"
                            "\"In\",\"Squash\",#TRUE#,#FALSE#,#FALSE#\r\n"
                            "\"Xx\",\"Hidden\",#TRUE#,#FALSE#,#FALSE#\r\n"
                            "\"Aq\",\"Swimming\",#TRUE#,#TRUE#,#TRUE#\r\n";
// Sets written both ways: as a text by the standard install, bare by the
// custom exercise.
const QByteArray kWeights = "\"Bi\",\"Barbell Curl\",\"Curl the bar\",\"3\"\r\n"
                            "\"Ch\",\"Curl\",\"Mine\",2\r\n"
                            "\"Le\",\"Curl\",\"Leg curl\",4\r\n"
                            "\"Ba\",\"Seated Row\",\"Row\",\"2\"\r\n";

QString logOf(const QString &folder, const char *name)
{
    return QDir(folder).filePath(QLatin1String(name));
}

} // namespace

void TestExerciseDeletion::init()
{
    m_folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(m_folder, AerobicCatalogue::kFileName, kAerobic);
    TestEnvironment::writeFile(m_folder, WeightCatalogue::kFileName, kWeights);
    for (const char *log : {"OuRunning.txt", "InSquash .txt", "InSquash.txt", "AqSwimming.txt",
                            "BiBarbell Curl.txt", "ChCurl.txt", "LeCurl.txt", "BaSeated Row.txt"})
        TestEnvironment::writeFile(m_folder, QLatin1String(log), "\"07-Dec-26\",30\r\n");
}

void TestExerciseDeletion::listShowsTheCategorysEntries()
{
    QCOMPARE(ExerciseDeletion::entries(m_folder, Category::Cardio),
             (QList<Entry>{{"Ou", "Running"}, {"In", "Squash "}, {"In", "Squash"}, {"Aq", "Swimming"}}));
    QCOMPARE(ExerciseDeletion::entries(m_folder, Category::Weightlifting),
             (QList<Entry>{{"Bi", "Barbell Curl"}, {"Ch", "Curl"}, {"Le", "Curl"}, {"Ba", "Seated Row"}}));
    // The list and the deletion read the same catalogue, chosen or not.
    QCOMPARE(ExerciseDeletion::categoryOf(QStringLiteral("Weightlifting")), Category::Weightlifting);
    QCOMPARE(ExerciseDeletion::categoryOf(QStringLiteral("Cardio")), Category::Cardio);
    QCOMPARE(ExerciseDeletion::categoryOf(QString()), Category::Cardio);

    // A damaged record ends the list; what stands before it is shown.
    TestEnvironment::writeFile(
        m_folder, AerobicCatalogue::kFileName,
        "\"Ou\",\"Running\",#TRUE#,#TRUE#,#TRUE#\r\n\"In\",\"Squash \",#TRUE#,x,#FALSE#\r\n");
    QCOMPARE(ExerciseDeletion::entries(m_folder, Category::Cardio), (QList<Entry>{{"Ou", "Running"}}));
    QFile::remove(QDir(m_folder).filePath(AerobicCatalogue::kFileName));
    QVERIFY(ExerciseDeletion::entries(m_folder, Category::Cardio).isEmpty());
}

void TestExerciseDeletion::deletingSquashTakesOnlyItsRecordAndLog()
{
    const QString error = ExerciseDeletion::remove(m_folder, Category::Cardio,
                                                   {Entry{"In", "Squash "}, Entry{"Aq", "Swimming"}});
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(TestEnvironment::readFile(m_folder, AerobicCatalogue::kFileName),
             QByteArray("\"Ou\",\"Running\",#TRUE#,#TRUE#,#TRUE#\r\n"
                        "\"In\",\"Squash\",#TRUE#,#FALSE#,#FALSE#\r\n"
                        "\"Xx\",\"Hidden\",#TRUE#,#FALSE#,#FALSE#\r\n"));
    QVERIFY(!QFile::exists(logOf(m_folder, "InSquash .txt")));
    QVERIFY(!QFile::exists(logOf(m_folder, "AqSwimming.txt")));
    QVERIFY(QFile::exists(logOf(m_folder, "InSquash.txt")));
    QVERIFY(QFile::exists(logOf(m_folder, "OuRunning.txt")));
    QCOMPARE(TestEnvironment::readFile(m_folder, WeightCatalogue::kFileName), kWeights);
}

void TestExerciseDeletion::aNameInTwoGroupsGoesOnlyFromTheChosenOne()
{
    const QString error = ExerciseDeletion::remove(m_folder, Category::Weightlifting, {Entry{"Ch", "Curl"}});
    QVERIFY2(error.isEmpty(), qPrintable(error));
    // The others stay in their order, each with all four fields in quotes.
    QCOMPARE(TestEnvironment::readFile(m_folder, WeightCatalogue::kFileName),
             QByteArray("\"Bi\",\"Barbell Curl\",\"Curl the bar\",\"3\"\r\n"
                        "\"Le\",\"Curl\",\"Leg curl\",\"4\"\r\n"
                        "\"Ba\",\"Seated Row\",\"Row\",\"2\"\r\n"));
    QVERIFY(!QFile::exists(logOf(m_folder, "ChCurl.txt")));
    QVERIFY(QFile::exists(logOf(m_folder, "LeCurl.txt")));
    QCOMPARE(TestEnvironment::readFile(m_folder, AerobicCatalogue::kFileName), kAerobic);
}

void TestExerciseDeletion::missingLogIsNoError()
{
    QFile::remove(logOf(m_folder, "OuRunning.txt"));
    QCOMPARE(ExerciseDeletion::remove(m_folder, Category::Cardio, {Entry{"Ou", "Running"}}), QString());
    QVERIFY(!TestEnvironment::readFile(m_folder, AerobicCatalogue::kFileName).contains("Running"));
}

void TestExerciseDeletion::nothingChosenChangesNothing()
{
    const auto before = folderSnapshot(m_folder);
    QCOMPARE(ExerciseDeletion::remove(m_folder, Category::Cardio, {}), QString());
    // An entry the file no longer holds (deleted meanwhile) changes nothing.
    QCOMPARE(ExerciseDeletion::remove(m_folder, Category::Cardio, {Entry{"Ou", "Biking"}}), QString());
    QCOMPARE(folderSnapshot(m_folder), before);
}

void TestExerciseDeletion::damagedCatalogueStaysByteIdentical_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    QTest::newRow("flag no Boolean")
        << int(Category::Cardio)
        << QByteArray("\"In\",\"Squash \",#TRUE#,#FALSE#,#FALSE#\r\n"
                      "\"Ou\",\"Golf\",#TRUE#,maybe,#FALSE#\r\n")
        << "The file AerobicDescription.txt is damaged: a value has the wrong kind "
           "(line 2) (\"maybe\" is not a Boolean).";
    QTest::newRow("aerobic record cut short")
        << int(Category::Cardio)
        << QByteArray("\"In\",\"Squash \",#TRUE#,#FALSE#,#FALSE#\r\n"
                      "\"Ou\",\"Golf\"\r\n")
        << "The file AerobicDescription.txt is damaged: it ends inside a "
           "record (line 3).";
    QTest::newRow("weight record cut short")
        << int(Category::Weightlifting)
        << QByteArray("\"Bi\",\"Barbell Curl\",\"Curl the bar\",\"3\"\r\n"
                      "\"Ch\",\"Curl\"\r\n")
        << "The file ExerciseDescription.txt is damaged: it ends inside a "
           "record (line 3).";
}

void TestExerciseDeletion::damagedCatalogueStaysByteIdentical()
{
    QFETCH(int, category);
    QFETCH(QByteArray, bytes);
    const auto cat = Category(category);
    TestEnvironment::writeFile(
        m_folder, cat == Category::Cardio ? AerobicCatalogue::kFileName : WeightCatalogue::kFileName, bytes);
    const auto before = folderSnapshot(m_folder);
    const Entry squash = cat == Category::Cardio ? Entry{"In", "Squash "} : Entry{"Bi", "Barbell Curl"};
    QTEST(ExerciseDeletion::remove(m_folder, cat, {squash}), "message");
    QCOMPARE(folderSnapshot(m_folder), before);
}

// A hand-edited name with "/" would make its log a path to another file:
// here the calorie journal, through a folder named like the code.
void TestExerciseDeletion::nameCannotReachAnotherFile()
{
    QVERIFY(QDir(m_folder).mkdir(QStringLiteral("Bi")));
    TestEnvironment::writeFile(m_folder, QStringLiteral("ExerciseCalories.txt"), "\"07-Dec-26\",143\r\n");
    TestEnvironment::writeFile(m_folder, WeightCatalogue::kFileName,
                               "\"Bi\",\"Barbell Curl\",\"Curl the bar\",\"3\"\r\n"
                               "\"Bi\",\"/../ExerciseCalories\",\"x\",\"3\"\r\n");
    const auto before = folderSnapshot(m_folder);
    QCOMPARE(ExerciseDeletion::remove(m_folder, Category::Weightlifting, {Entry{"Bi", "/../ExerciseCalories"}}),
             QStringLiteral("The file ExerciseDescription.txt is damaged: a value has the wrong kind (line 2) "
                            "(\"Bi/../ExerciseCalories\" cannot name a log in the data folder)."));
    QCOMPARE(folderSnapshot(m_folder), before);
}

// The catalogue and the logs change in one save: a log that cannot be
// deleted (a folder stands in its place) stops the whole deletion before
// any file changes, and the message says so.
void TestExerciseDeletion::logThatCannotGoKeepsEverything()
{
    QVERIFY(QFile::remove(logOf(m_folder, "AqSwimming.txt")));
    QVERIFY(QDir(m_folder).mkpath(QStringLiteral("AqSwimming.txt/in the way")));
    const auto before = folderSnapshot(m_folder);
    QCOMPARE(ExerciseDeletion::remove(m_folder, Category::Cardio, {Entry{"In", "Squash "}, Entry{"Aq", "Swimming"}}),
             QStringLiteral("The log AqSwimming.txt could not be deleted: it is a folder. Nothing was changed."));
    QCOMPARE(folderSnapshot(m_folder), before);
    QVERIFY(QFileInfo(logOf(m_folder, "AqSwimming.txt")).isDir());
}

// A log kept elsewhere through a symbolic link: the link goes with the
// entry, the file it names stays.
void TestExerciseDeletion::aLinkedLogGoesAsALink()
{
    const QString elsewhere = TestEnvironment::freshFolder(QStringLiteral("elsewhere"));
    TestEnvironment::writeFile(elsewhere, QStringLiteral("Running.txt"), "\"07-Dec-26\",30\r\n");
    QVERIFY(QFile::remove(logOf(m_folder, "OuRunning.txt")));
    QVERIFY(QFile::link(QDir(elsewhere).filePath(QStringLiteral("Running.txt")), logOf(m_folder, "OuRunning.txt")));
    QCOMPARE(ExerciseDeletion::remove(m_folder, Category::Cardio, {Entry{"Ou", "Running"}}), QString());
    QVERIFY(!QFileInfo(logOf(m_folder, "OuRunning.txt")).isSymLink());
    QVERIFY(!QFileInfo::exists(logOf(m_folder, "OuRunning.txt")));
    QCOMPARE(TestEnvironment::readFile(elsewhere, QStringLiteral("Running.txt")), QByteArray("\"07-Dec-26\",30\r\n"));
    QVERIFY(!TestEnvironment::readFile(m_folder, AerobicCatalogue::kFileName).contains("Running"));
}

// A log that cannot be deleted once the catalogue is rewritten (the disk
// fails in the middle): the message says what was done and what was not,
// and the next start finishes the deletion.
void TestExerciseDeletion::logThatCannotGoAfterTheCommitIsTold()
{
    TestEnvironment::writeFile(m_folder, AerobicCatalogue::kFileName,
                               kAerobic + "\"In\",\"Stuck\",#TRUE#,#FALSE#,#FALSE#\r\n");
    TestEnvironment::writeFile(m_folder, QStringLiteral("InStuck.txt"), "\"07-Dec-26\",30\r\n");
    StuckFiles::stuck = true;
    const QString message =
        ExerciseDeletion::remove(m_folder, Category::Cardio, {Entry{"Aq", "Swimming"}, Entry{"In", "Stuck"}});
    StuckFiles::stuck = false;
    QCOMPARE(message, QStringLiteral("The exercises were removed from AerobicDescription.txt, but the log "
                                     "InStuck.txt could not be deleted: %1.")
                          .arg(QString::fromLocal8Bit(std::strerror(EIO))));
    QCOMPARE(TestEnvironment::readFile(m_folder, AerobicCatalogue::kFileName),
             QByteArray("\"Ou\",\"Running\",#TRUE#,#TRUE#,#TRUE#\r\n"
                        "\"In\",\"Squash \",#TRUE#,#FALSE#,#FALSE#\r\n"
                        "\"In\",\"Squash\",#TRUE#,#FALSE#,#FALSE#\r\n"
                        "\"Xx\",\"Hidden\",#TRUE#,#FALSE#,#FALSE#\r\n"));
    QVERIFY(!QFile::exists(logOf(m_folder, "AqSwimming.txt")));
    QVERIFY(QFile::exists(logOf(m_folder, "InStuck.txt")));
    QVERIFY(FileBatch::recover(m_folder));
    QVERIFY(!QFile::exists(logOf(m_folder, "InStuck.txt")));
}

PULSAR_TEST_MAIN_CORE(TestExerciseDeletion)
#include "tst_exercisedeletion.moc"
