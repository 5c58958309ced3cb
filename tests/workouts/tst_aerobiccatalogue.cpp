#include "common/NumberText.h"
#include "common/RecordFile.h"
#include "support/TestEnvironment.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/CalorieFactors.h"
#include "workouts/StandardAerobic.h"
#include "FolderSnapshot.h"

#include <QtTest>

// The aerobic catalogue, the standard activities and their installation,
// and the calorie factors they ship with.
class TestAerobicCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void allStandardActivitiesInstallByteExact();
    void installStopsAtTheFirstNameAlreadyThere_data();
    void installStopsAtTheFirstNameAlreadyThere();
    void installKeepsAnExistingLog();
    void damagedCatalogueIsLeftAlone();
    void catalogueReadsBackWhatItWrote();
    void shippedFactorsFollowTheActivities_data();
    void shippedFactorsFollowTheActivities();
    void shippedCatalogueIsEmpty();
};

namespace {

QList<int> everyIndex()
{
    QList<int> all;
    for (int i = 0; i < StandardAerobic::kCount; ++i)
        all.append(i);
    return all;
}

QString shipped(const QString &name)
{
    return QDir(QStringLiteral(PULSAR_SOURCE_DATA_DIR)).filePath(name);
}

} // namespace

void TestAerobicCatalogue::allStandardActivitiesInstallByteExact()
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, AerobicCatalogue::kFileName, QByteArray());
    const auto result = StandardAerobic::install(folder, everyIndex());
    QVERIFY(result.complete());
    QCOMPARE(result.installed, everyIndex());

    const QByteArray expected =
        "\"Ou\",\"Running\",#TRUE#,#TRUE#,#TRUE#\r\n"
        "\"Ou\",\"Biking\",#TRUE#,#TRUE#,#TRUE#\r\n"
        "\"Ou\",\"Walking\",#TRUE#,#TRUE#,#TRUE#\r\n"
        "\"Ou\",\"Golf\",#TRUE#,#FALSE#,#FALSE#\r\n"
        "\"Ou\",\"Horesback riding\",#TRUE#,#FALSE#,#FALSE#\r\n"
        "\"Ou\",\"Gardening\",#TRUE#,#FALSE#,#FALSE#\r\n"
        "\"Ou\",\"Tennis\",#TRUE#,#FALSE#,#FALSE#\r\n"
        "\"Ou\",\"Football \",#TRUE#,#FALSE#,#FALSE#\r\n"
        "\"Ou\",\"Skiing\",#TRUE#,#FALSE#,#TRUE#\r\n"
        "\"Ou\",\"Cross Country Skiing\",#TRUE#,#TRUE#,#TRUE#\r\n"
        "\"Ou\",\"Jogging\",#TRUE#,#TRUE#,#TRUE#\r\n"
        "\"In\",\"Squash \",#TRUE#,#FALSE#,#FALSE#\r\n"
        "\"In\",\"Handball \",#TRUE#,#FALSE#,#FALSE#\r\n"
        "\"In\",\"Badminton\",#TRUE#,#FALSE#,#FALSE#\r\n"
        "\"In\",\"Bowling\",#TRUE#,#FALSE#,#FALSE#\r\n"
        "\"In\",\"Volleyball \",#TRUE#,#FALSE#,#FALSE#\r\n"
        "\"In\",\"Table Tennis\",#TRUE#,#FALSE#,#FALSE#\r\n"
        "\"In\",\"Ice Skating\",#TRUE#,#FALSE#,#FALSE#\r\n"
        "\"In\",\"Aerobics\",#TRUE#,#FALSE#,#FALSE#\r\n"
        "\"In\",\"Racquetball \",#TRUE#,#FALSE#,#FALSE#\r\n"
        "\"In\",\"Basketball \",#TRUE#,#FALSE#,#FALSE#\r\n"
        "\"In\",\"Rollerskating\",#TRUE#,#TRUE#,#TRUE#\r\n"
        "\"Aq\",\"Swimming\",#TRUE#,#TRUE#,#TRUE#\r\n"
        "\"Aq\",\"Canoeing\",#TRUE#,#TRUE#,#TRUE#\r\n"
        "\"Aq\",\"Scull rowing (race)\",#TRUE#,#TRUE#,#TRUE#\r\n"
        "\"Aq\",\"Water Sking\",#TRUE#,#FALSE#,#TRUE#\r\n";
    QCOMPARE(TestEnvironment::readFile(folder, AerobicCatalogue::kFileName), expected);

    // Each has its empty log, named with the blank its name ends in.
    const auto files = folderSnapshot(folder);
    QCOMPARE(files.size(), 1 + StandardAerobic::kCount);
    for (const char *log : {"OuRunning.txt", "OuFootball .txt", "InSquash .txt", "AqWater Sking.txt",
                            "AqScull rowing (race).txt"}) {
        QVERIFY2(files.contains(QLatin1String(log)), log);
        QCOMPARE(files.value(QLatin1String(log)), QByteArray());
    }
}

void TestAerobicCatalogue::installStopsAtTheFirstNameAlreadyThere_data()
{
    QTest::addColumn<QByteArray>("catalogue");
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<QList<int>>("installed");
    QTest::addColumn<QString>("duplicate");

    QTest::newRow("running there: nothing goes in")
        << QByteArray("\"Ou\",\"Running\",#TRUE#,#TRUE#,#TRUE#\r\n") << QList<int>{0, 1} << QList<int>{}
        << "Running";
    QTest::newRow("biking there: running goes in first")
        << QByteArray("\"Ou\",\"Biking\",#TRUE#,#TRUE#,#TRUE#\r\n") << QList<int>{1, 0} << QList<int>{0}
        << "Biking";
    QTest::newRow("an indoor Golf blocks the outdoor one")
        << QByteArray("\"In\",\"Golf\",#TRUE#,#FALSE#,#FALSE#\r\n") << QList<int>{3, 11} << QList<int>{}
        << "Golf";
    QTest::newRow("Squash without its blank blocks nothing")
        << QByteArray("\"In\",\"Squash\",#TRUE#,#FALSE#,#FALSE#\r\n") << QList<int>{11, 22}
        << QList<int>{11, 22} << "";
    QTest::newRow("empty catalogue") << QByteArray() << QList<int>{25, 8} << QList<int>{8, 25} << "";
}

void TestAerobicCatalogue::installStopsAtTheFirstNameAlreadyThere()
{
    QFETCH(QByteArray, catalogue);
    QFETCH(QList<int>, ticked);
    QFETCH(QList<int>, installed);
    QFETCH(QString, duplicate);

    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, AerobicCatalogue::kFileName, catalogue);
    const auto result = StandardAerobic::install(folder, ticked);
    QCOMPARE(result.installed, installed);
    QCOMPARE(result.duplicateName, duplicate);
    QVERIFY(result.error.isEmpty());

    QByteArray expected = catalogue;
    for (int i : installed) {
        const AerobicActivity &a = StandardAerobic::activities().at(i);
        expected += AerobicCatalogue::line(a);
        QVERIFY(QFile::exists(QDir(folder).filePath(a.code + a.name + QStringLiteral(".txt"))));
    }
    QCOMPARE(TestEnvironment::readFile(folder, AerobicCatalogue::kFileName), expected);
    QCOMPARE(folderSnapshot(folder).size(), 1 + installed.size());
}

void TestAerobicCatalogue::installKeepsAnExistingLog()
{
    // The catalogue record alone was removed by hand: the log is still there.
    const QString folder = TestEnvironment::freshFolder();
    const QByteArray log = "\"08-Dec-26\",45,5,\"Hilly \"\r\n\"07-Dec-26\",30,3,\"Hilly \"\r\n";
    TestEnvironment::writeFile(folder, QStringLiteral("OuRunning.txt"), log);
    const auto result = StandardAerobic::install(folder, {0});
    QVERIFY(result.complete());
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("OuRunning.txt")), log);
    QCOMPARE(TestEnvironment::readFile(folder, AerobicCatalogue::kFileName),
             QByteArray("\"Ou\",\"Running\",#TRUE#,#TRUE#,#TRUE#\r\n"));
}

void TestAerobicCatalogue::damagedCatalogueIsLeftAlone()
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, AerobicCatalogue::kFileName,
                               "\"Ou\",\"Golf\",#TRUE#,maybe,#FALSE#\r\n");
    const auto before = folderSnapshot(folder);
    const auto result = StandardAerobic::install(folder, {0, 1});
    QVERIFY(result.installed.isEmpty());
    QVERIFY(result.error.contains(AerobicCatalogue::kFileName));
    QCOMPARE(folderSnapshot(folder), before);
}

void TestAerobicCatalogue::catalogueReadsBackWhatItWrote()
{
    // A hand-edited file: a record split over lines, no final line end.
    const QByteArray bytes =
        "\"In\",\"Squash \",#TRUE#\r\n#FALSE#,#FALSE#\r\n\"Aq\",\"Swimming\",#TRUE#,#TRUE#,#TRUE#";
    const auto list = AerobicCatalogue::parse(bytes, QStringLiteral("AerobicDescription.txt"));
    QCOMPARE(list.size(), 2);
    QCOMPARE(list[0], (AerobicActivity{QStringLiteral("In"), QStringLiteral("Squash "), true, false, false}));
    QCOMPARE(list[1], (AerobicActivity{QStringLiteral("Aq"), QStringLiteral("Swimming"), true, true, true}));
    QCOMPARE(AerobicCatalogue::namesOf(list, QStringLiteral("In")), QStringList{QStringLiteral("Squash ")});

    bool complete = true;
    const auto partial = AerobicCatalogue::parse(bytes.left(bytes.size() - 7), QString(), &complete);
    QVERIFY(!complete);
    QCOMPARE(partial.size(), 1);
}

void TestAerobicCatalogue::shippedFactorsFollowTheActivities_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("met");
    const double mets[StandardAerobic::kCount] = {8.3, 7.5, 3.5, 4.8, 5.5, 3.8, 7.3, 8.0, 7.0,
                                                  9.0, 7.0, 7.3, 12.0, 5.5, 3.8, 4.0, 4.0, 7.0,
                                                  7.3, 7.0, 6.5, 7.0, 5.8, 3.5, 12.0, 6.0};
    for (int i = 0; i < StandardAerobic::kCount; ++i)
        QTest::newRow(qPrintable(StandardAerobic::activities().at(i).name)) << i << mets[i];
}

void TestAerobicCatalogue::shippedFactorsFollowTheActivities()
{
    QFETCH(int, index);
    QFETCH(double, met);
    const QByteArray bytes = RecordFile::read(shipped(CalorieFactors::kFileName));
    QVERIFY(!bytes.contains("\n\n") && bytes.count('\n') == bytes.count("\r\n"));
    const auto pairs = CalorieFactors::parse(bytes, CalorieFactors::kFileName);
    QCOMPARE(pairs.first().name, CalorieFactors::kWeightTraining);

    // Calories per pound per minute: MET × 3.5 ml/kg/min × 0.4536 kg/lb / 200.
    const QString name = StandardAerobic::activities().at(index).name.trimmed();
    const double expected = NumberText::roundHalfEven(met * 0.0079379, 4);
    int found = 0;
    for (const auto &p : pairs) {
        if (p.name == name) {
            ++found;
            QCOMPARE(p.factor, expected);
        }
    }
    QCOMPARE(found, 1);
}

void TestAerobicCatalogue::shippedCatalogueIsEmpty()
{
    QVERIFY(QFile::exists(shipped(AerobicCatalogue::kFileName)));
    QCOMPARE(RecordFile::read(shipped(AerobicCatalogue::kFileName)), QByteArray());
}

PULSAR_TEST_MAIN_CORE(TestAerobicCatalogue)
#include "tst_aerobiccatalogue.moc"
