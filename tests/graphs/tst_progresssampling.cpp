#include "graphs/GraphShapes.h"
#include "graphs/ProgressSampling.h"
#include "support/TestEnvironment.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/WeightCatalogue.h"

#include "common/DateText.h"

#include <QtTest>

using namespace ProgressSampling;

Q_DECLARE_METATYPE(ProgressSampling::DistanceUnit)
Q_DECLARE_METATYPE(ProgressSampling::TimeUnit)

// Which log entries a progress graph shows and what value each has.
class TestProgressSampling : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void weightGroups_data();
    void weightGroups();
    void weightLogReadsUpToItsFirstBrokenEntry_data();
    void weightLogReadsUpToItsFirstBrokenEntry();
    void weightExerciseIsFoundByGroupAndName();
    void storedSetsOutsideOneToFiveReadFivePairs();
    void aerobicValue_data();
    void aerobicValue();
    void aerobicScaleCode_data();
    void aerobicScaleCode();
    void aerobicGraphStopsAfterSevenGroups_data();
    void aerobicGraphStopsAfterSevenGroups();
    void aerobicLogReadsUpToItsFirstBrokenEntry();
    void exerciseBehindADamagedCatalogueRecord_data();
    void exerciseBehindADamagedCatalogueRecord();
    void aerobicCaption_data();
    void aerobicCaption();
    void abdominalGroups_data();
    void abdominalGroups();
    void valueTexts_data();
    void valueTexts();

private:
    static QString dateOf(int n);
    static QByteArray weightLog(int entries, int sets);
};

// Entry n (1 newest) of a test log is dated n days before 1 Mar 2026.
QString TestProgressSampling::dateOf(int n)
{
    return DateText::medium(QDate(2026, 3, 1).addDays(-n));
}

// Entry n lifts 100 + n pounds n times in every set.
QByteArray TestProgressSampling::weightLog(int entries, int sets)
{
    QByteArray out;
    for (int n = 1; n <= entries; ++n) {
        out += '"' + dateOf(n).toLatin1() + '"';
        for (int s = 0; s < sets; ++s)
            out += ',' + QByteArray::number(100 + n) + ',' + QByteArray::number(n % 26);
        out += "\r\n";
    }
    return out;
}

void TestProgressSampling::weightGroups_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("step");
    QTest::addColumn<QList<int>>("shown");
    QTest::newRow("Last 7 Entries of 40") << 40 << 1 << QList<int>{1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("Last 30 Entries of 40") << 40 << 4 << QList<int>{1, 5, 9, 13, 17, 21, 25};
    QTest::newRow("Last 14 Entries of 20") << 20 << 2 << QList<int>{1, 3, 5, 7, 9, 11, 13};
    QTest::newRow("fewer entries than the period") << 5 << 2 << QList<int>{1, 3, 5};
    QTest::newRow("Last 360 Entries of 40") << 40 << 48 << QList<int>{1};
    QTest::newRow("empty log") << 0 << 1 << QList<int>{};
}

void TestProgressSampling::weightGroups()
{
    QFETCH(int, entries);
    QFETCH(int, step);
    QFETCH(QList<int>, shown);
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, WeightCatalogue::kFileName, "\"Bi\",\"Barbell Curl\",\"curl\",\"3\"\r\n");
    TestEnvironment::writeFile(folder, QStringLiteral("BiBarbell Curl.txt"), weightLog(entries, 3));

    const WeightGraph g = weightGraph(folder, QStringLiteral("Bi"), QStringLiteral("Barbell Curl"), step);
    QVERIFY(g.found);
    QVERIFY(g.problem.isEmpty());
    QCOMPARE(g.sets, 3);
    QCOMPARE(g.groups.size(), shown.size());
    for (int i = 0; i < shown.size(); ++i) {
        QCOMPARE(g.groups[i].index, i + 1);
        QCOMPARE(g.groups[i].dateText, dateOf(shown[i]));
        QCOMPARE(g.groups[i].sets.size(), 3);
        QCOMPARE(g.groups[i].sets[2], (SetResult{qint16(100 + shown[i]), qint16(shown[i] % 26)}));
    }
}

void TestProgressSampling::weightLogReadsUpToItsFirstBrokenEntry_data()
{
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<int>("groups");
    QTest::addColumn<bool>("told"); // the graph's problem names the log
    const QByteArray two = "\"01-Mar-26\",100,10,105,8\r\n\"28-Feb-26\",100,9,105,7\r\n";
    QTest::newRow("last entry cut off") << two + "\"27-Feb-26\",100,9\r\n" << 2 << true;
    QTest::newRow("last line without its end") << two + "\"27-Feb-26\",100,9,105,7" << 3 << false;
    QTest::newRow("a word for a number") << two + "\"27-Feb-26\",100,x,105,7\r\n\"26-Feb-26\",1,1,1,1\r\n"
                                         << 2 << true;
    QTest::newRow("beyond 16 bits") << QByteArray("\"01-Mar-26\",100,10,105,8\r\n\"28-Feb-26\",70000,9,105,7\r\n")
                                    << 1 << true;
    // Seven whole entries fill the graph: what lies behind them is not shown.
    QTest::newRow("damage behind a full graph") << two + two + two + two + "\"27-Feb-26\",100\r\n" << 7 << false;
    QTest::newRow("blank lines at the end") << two + "\r\n\r\n" << 2 << false;
    QTest::newRow("missing log") << QByteArray() << 0 << false;
}

void TestProgressSampling::weightLogReadsUpToItsFirstBrokenEntry()
{
    QFETCH(QByteArray, log);
    QFETCH(int, groups);
    QFETCH(bool, told);
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, WeightCatalogue::kFileName, "\"Ch\",\"Press\",\"\",2\r\n");
    if (!log.isEmpty())
        TestEnvironment::writeFile(folder, QStringLiteral("ChPress.txt"), log);
    const WeightGraph g = weightGraph(folder, QStringLiteral("Ch"), QStringLiteral("Press"), 1);
    QCOMPARE(g.groups.size(), groups);
    for (const WeightGroup &group : g.groups)
        QCOMPARE(group.sets.size(), 2);
    if (told)
        QVERIFY2(g.problem.contains(QStringLiteral("ChPress.txt")), qPrintable(g.problem));
    else
        QVERIFY2(g.problem.isEmpty(), qPrintable(g.problem));
}

void TestProgressSampling::weightExerciseIsFoundByGroupAndName()
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, WeightCatalogue::kFileName,
                               "\"Bi\",\"Curl\",\"\",\"1\"\r\n\"Sh\",\"Curl\",\"\",\"2\"\r\n");
    TestEnvironment::writeFile(folder, QStringLiteral("BiCurl.txt"), "\"01-Mar-26\",50,5\r\n");
    TestEnvironment::writeFile(folder, QStringLiteral("ShCurl.txt"), "\"02-Mar-26\",60,6,70,7\r\n");

    const WeightGraph shoulders = weightGraph(folder, QStringLiteral("Sh"), QStringLiteral("Curl"), 1);
    QVERIFY(shoulders.found);
    QCOMPARE(shoulders.sets, 2);
    QCOMPARE(shoulders.groups.size(), 1);
    QCOMPARE(shoulders.groups[0].sets, (QList<SetResult>{{60, 6}, {70, 7}}));

    const WeightGraph elsewhere = weightGraph(folder, QStringLiteral("Le"), QStringLiteral("Curl"), 1);
    QVERIFY(!elsewhere.found);
    QVERIFY(elsewhere.groups.isEmpty());
}

void TestProgressSampling::storedSetsOutsideOneToFiveReadFivePairs()
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, WeightCatalogue::kFileName, "\"Le\",\"Squat\",\"\",7\r\n");
    TestEnvironment::writeFile(folder, QStringLiteral("LeSquat.txt"),
                               "\"01-Mar-26\",1,1,2,2,3,3,4,4,5,5\r\n\"28-Feb-26\",1,1,2,2,3,3,4,4,5,5\r\n");
    const WeightGraph g = weightGraph(folder, QStringLiteral("Le"), QStringLiteral("Squat"), 1);
    QCOMPARE(g.sets, 5);
    QCOMPARE(g.groups.size(), 2);
    QCOMPARE(g.groups[1].sets.last(), (SetResult{5, 5}));
}

void TestProgressSampling::aerobicValue_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("miles");
    QTest::addColumn<bool>("distanceChecked");
    QTest::addColumn<DistanceUnit>("distance");
    QTest::addColumn<TimeUnit>("time");
    QTest::addColumn<float>("value");
    QTest::addColumn<bool>("timeAlone");
    using D = DistanceUnit;
    using T = TimeUnit;
    QTest::newRow("3 miles in half an hour, miles per hour") << 30 << 3 << true << D::Miles << T::Hours << 6.0f
                                                             << false;
    QTest::newRow("20 miles in 30 minutes, miles per minute")
        << 30 << 20 << true << D::Miles << T::Minutes << 20.0f / 30 << false;
    QTest::newRow("kilometres per hour") << 30 << 3 << true << D::Kilometers << T::Hours << 9.6f << false;
    QTest::newRow("yards: 1760 to the mile") << 10 << 1 << true << D::Yards << T::Minutes << 176.0f << false;
    QTest::newRow("meters: 1609.344 to the mile")
        << 30 << 20 << true << D::Meters << T::Minutes << 20 * 1609.344f / 30 << false;
    QTest::newRow("no time unit: the distance") << 45 << 4 << true << D::Miles << T::None << 4.0f << false;
    QTest::newRow("no unit at all: 1") << 45 << 4 << true << D::None << T::None << 1.0f << true;
    QTest::newRow("time only: the minutes") << 45 << 0 << false << D::None << T::Minutes << 45.0f << true;
    QTest::newRow("time only: the hours") << 90 << 0 << false << D::None << T::Hours << 1.5f << true;
    QTest::newRow("frame hidden: no distance") << 45 << 4 << false << D::Miles << T::Minutes << 45.0f << true;
    QTest::newRow("zero minutes per minute") << 0 << 3 << true << D::Miles << T::Minutes << 0.0f << true;
    QTest::newRow("zero minutes per hour") << 0 << 3 << true << D::Miles << T::Hours << 0.0f << true;
    QTest::newRow("zero distance: the time") << 20 << 0 << true << D::Miles << T::Minutes << 20.0f << true;
}

void TestProgressSampling::aerobicValue()
{
    QFETCH(int, minutes);
    QFETCH(int, miles);
    QFETCH(bool, distanceChecked);
    QFETCH(DistanceUnit, distance);
    QFETCH(TimeUnit, time);
    QFETCH(float, value);
    QFETCH(bool, timeAlone);
    AerobicLogEntry e;
    e.minutes = qint16(minutes);
    e.distance = qint16(miles);
    bool alone = !timeAlone;
    const float v = ProgressSampling::aerobicValue(e, {distanceChecked, distance, time}, &alone);
    QCOMPARE(v, value);
    QVERIFY(qIsFinite(v));
    QCOMPARE(alone, timeAlone);
}

void TestProgressSampling::aerobicScaleCode_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("code");
    QTest::newRow("0") << 0.0f << 1;
    QTest::newRow("0.667") << 20.0f / 30 << 1;
    QTest::newRow("exactly 1") << 1.0f << 1;
    QTest::newRow("just above 1") << 1.01f << 2;
    QTest::newRow("6") << 6.0f << 2;
    QTest::newRow("exactly 25") << 25.0f << 2;
    QTest::newRow("25.5") << 25.5f << 3;
    QTest::newRow("exactly 500") << 500.0f << 3;
    QTest::newRow("1072.9") << 1072.9f << 4;
}

void TestProgressSampling::aerobicScaleCode()
{
    QFETCH(float, value);
    QFETCH(int, code);
    QCOMPARE(int(ProgressSampling::aerobicScaleCode(value)), code);
}

void TestProgressSampling::aerobicGraphStopsAfterSevenGroups_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QList<int>>("shown");
    QTest::newRow("Last 7 Entries") << 1 << QList<int>{1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("Last 14 Entries") << 2 << QList<int>{1, 3, 5, 7, 9, 11, 13};
    QTest::newRow("Last 360 Entries") << 48 << QList<int>{1, 49, 97, 145, 193, 241, 289};
}

void TestProgressSampling::aerobicGraphStopsAfterSevenGroups()
{
    QFETCH(int, step);
    QFETCH(QList<int>, shown);
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, AerobicCatalogue::kFileName,
                               "\"Ou\",\"Running\",#TRUE#,#TRUE#,#TRUE#\r\n");
    // Entry n: n miles in 60 minutes, terrain by its parity.
    QByteArray log;
    for (int n = 1; n <= 366; ++n)
        log += '"' + dateOf(n).toLatin1() + "\",60," + QByteArray::number(n % 300) + ','
               + (n % 2 ? "\"Hilly \"" : "\"Flat - Outdoor\"") + "\r\n";
    TestEnvironment::writeFile(folder, QStringLiteral("OuRunning.txt"), log);

    const AerobicGraph g = aerobicGraph(folder, QStringLiteral("Ou"), QStringLiteral("Running"), step,
                                        {true, DistanceUnit::Miles, TimeUnit::Hours});
    QVERIFY(g.found);
    QCOMPARE(g.points.size(), shown.size());
    for (int i = 0; i < shown.size(); ++i) {
        QCOMPARE(g.points[i].index, i + 1);
        QCOMPARE(g.points[i].dateText, dateOf(shown[i]));
        QCOMPARE(g.points[i].value, float(shown[i] % 300));
        QCOMPARE(g.points[i].terrain, shown[i] % 2 ? QStringLiteral("Hilly ") : QStringLiteral("Flat - Outdoor"));
    }
    // The scale follows the first value: 1 mile per hour.
    QCOMPARE(int(g.scaleCode), 1);
}

void TestProgressSampling::aerobicLogReadsUpToItsFirstBrokenEntry()
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, AerobicCatalogue::kFileName,
                               "\"In\",\"Rowing\",#TRUE#,#TRUE#,#FALSE#\r\n"
                               "\"Ou\",\"Rowing\",#TRUE#,#FALSE#,#FALSE#\r\n");
    TestEnvironment::writeFile(folder, QStringLiteral("InRowing.txt"),
                               "\"03-Mar-26\",30,10\r\n\"02-Mar-26\",30,5\r\n\"\",30,5\r\n\"01-Mar-26\",30,5\r\n");
    TestEnvironment::writeFile(folder, QStringLiteral("OuRowing.txt"),
                               "\"03-Mar-26\",40\r\n\"02-Mar-26\",50\r\n\"01-Mar-26\"");

    // An empty date ends the reading; the graph, short of seven entries,
    // names the log that stopped it.
    const AerobicUnits units{true, DistanceUnit::Miles, TimeUnit::Hours};
    const AerobicGraph indoor = aerobicGraph(folder, QStringLiteral("In"), QStringLiteral("Rowing"), 1, units);
    QCOMPARE(indoor.points.size(), 2);
    QCOMPARE(indoor.points[0].value, 20.0f);
    QCOMPARE(int(indoor.scaleCode), 2);
    QVERIFY2(indoor.problem.contains(QStringLiteral("InRowing.txt")), qPrintable(indoor.problem));

    // A last entry without its minutes is left out; the outdoor activity of
    // the same name has a log of its own shape.
    const AerobicGraph outdoor = aerobicGraph(folder, QStringLiteral("Ou"), QStringLiteral("Rowing"), 1,
                                              {false, DistanceUnit::None, TimeUnit::Minutes});
    QCOMPARE(outdoor.points.size(), 2);
    QCOMPARE(outdoor.points[1].value, 50.0f);
    QCOMPARE(int(outdoor.scaleCode), 3);
    QVERIFY2(outdoor.problem.contains(QStringLiteral("OuRowing.txt")), qPrintable(outdoor.problem));

    // No catalogue record of that class: nothing to show.
    const AerobicGraph aquatic = aerobicGraph(folder, QStringLiteral("Aq"), QStringLiteral("Rowing"), 1, units);
    QVERIFY(!aquatic.found);
    QVERIFY(aquatic.points.isEmpty());
    QVERIFY(aquatic.problem.isEmpty());
}

void TestProgressSampling::exerciseBehindADamagedCatalogueRecord_data()
{
    QTest::addColumn<bool>("aerobic");
    QTest::addColumn<QByteArray>("catalogue");
    QTest::addColumn<bool>("found");
    QTest::addColumn<bool>("told"); // the graph's problem names the catalogue
    const QByteArray weight = "\"Bi\",\"Curl\",\"\",\"1\"\r\n";
    const QByteArray cutWeight = "\"Tr\",\"Dip\",\"\"\r\n";
    const QByteArray aerobic = "\"Ou\",\"Running\",#TRUE#,#FALSE#,#FALSE#\r\n";
    const QByteArray cutAerobic = "\"In\",\"Rowing\",#TRUE#,yes,#FALSE#\r\n";
    QTest::newRow("weight training, behind the damage") << false << cutWeight + weight << false << true;
    QTest::newRow("weight training, before the damage") << false << weight + cutWeight << true << false;
    QTest::newRow("aerobic, behind the damage") << true << cutAerobic + aerobic << false << true;
    QTest::newRow("aerobic, before the damage") << true << aerobic + cutAerobic << true << false;
}

// A graph whose exercise is not among the catalogue records before a
// damaged one says why it shows nothing; once found, damage further on
// does not matter.
void TestProgressSampling::exerciseBehindADamagedCatalogueRecord()
{
    QFETCH(bool, aerobic);
    QFETCH(QByteArray, catalogue);
    QFETCH(bool, found);
    QFETCH(bool, told);
    const QString folder = TestEnvironment::freshFolder();
    const QString file = aerobic ? AerobicCatalogue::kFileName : WeightCatalogue::kFileName;
    TestEnvironment::writeFile(folder, file, catalogue);
    TestEnvironment::writeFile(folder, QStringLiteral("BiCurl.txt"), "\"01-Mar-26\",50,5\r\n");
    TestEnvironment::writeFile(folder, QStringLiteral("OuRunning.txt"), "\"01-Mar-26\",45\r\n");
    bool wasFound = false;
    QString problem;
    qsizetype shown = 0;
    if (aerobic) {
        const AerobicGraph g = aerobicGraph(folder, QStringLiteral("Ou"), QStringLiteral("Running"), 1,
                                            {false, DistanceUnit::None, TimeUnit::Minutes});
        wasFound = g.found;
        problem = g.problem;
        shown = g.points.size();
    } else {
        const WeightGraph g = weightGraph(folder, QStringLiteral("Bi"), QStringLiteral("Curl"), 1);
        wasFound = g.found;
        problem = g.problem;
        shown = g.groups.size();
    }
    QCOMPARE(wasFound, found);
    QCOMPARE(shown, found ? 1 : 0);
    QCOMPARE(problem.contains(file), told);
    QCOMPARE(problem.isEmpty(), !told);
}

void TestProgressSampling::aerobicCaption_data()
{
    QTest::addColumn<bool>("distanceChecked");
    QTest::addColumn<DistanceUnit>("distance");
    QTest::addColumn<TimeUnit>("time");
    QTest::addColumn<bool>("someTimeAlone");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<bool>>("shown");
    using D = DistanceUnit;
    using T = TimeUnit;
    QTest::newRow("miles per hour") << true << D::Miles << T::Hours << false
                                    << QStringList{"Miles", "Per", "Hour"} << QList<bool>{true, true, true};
    QTest::newRow("a zero value keeps a chosen unit")
        << true << D::Yards << T::Minutes << true << QStringList{"Yards", "Per", "Minute"}
        << QList<bool>{true, true, true};
    QTest::newRow("no time unit") << true << D::Kilometers << T::None << false
                                  << QStringList{"Kilometers", "", ""} << QList<bool>{true, true, true};
    QTest::newRow("time only") << false << D::None << T::Minutes << true << QStringList{"Reps", "Per", "Minute"}
                               << QList<bool>{false, false, false};
}

void TestProgressSampling::aerobicCaption()
{
    QFETCH(bool, distanceChecked);
    QFETCH(DistanceUnit, distance);
    QFETCH(TimeUnit, time);
    QFETCH(bool, someTimeAlone);
    QFETCH(QStringList, texts);
    QFETCH(QList<bool>, shown);
    const AxisCaption c = ProgressSampling::aerobicCaption({distanceChecked, distance, time}, someTimeAlone);
    QCOMPARE((QStringList{c.distance, c.per, c.time}), texts);
    QCOMPARE((QList<bool>{c.distanceShown, c.perShown, c.timeShown}), shown);
}

void TestProgressSampling::abdominalGroups_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("step");
    QTest::addColumn<QList<int>>("shown");
    QTest::addColumn<bool>("told"); // the cut-off last record is named
    QTest::newRow("three records, Last 14 Entries") << 3 << 2 << QList<int>{1, 3} << true;
    QTest::newRow("twenty records, Last 7 Entries") << 20 << 1 << QList<int>{1, 2, 3, 4, 5, 6, 7} << false;
    QTest::newRow("empty file") << 0 << 1 << QList<int>{} << true;
    QTest::newRow("missing file") << -1 << 1 << QList<int>{} << false;
}

void TestProgressSampling::abdominalGroups()
{
    QFETCH(int, records);
    QFETCH(int, step);
    QFETCH(QList<int>, shown);
    QFETCH(bool, told);
    const QString folder = TestEnvironment::freshFolder();
    QByteArray file;
    for (int n = 1; n <= records; ++n)
        file += '"' + dateOf(n).toLatin1() + "\"," + QByteArray::number(n) + ",2,3\r\n";
    if (records >= 0)
        TestEnvironment::writeFile(folder, kAbdominalFile, file + "\"01-Jan-26\",4,5\r\n");
    const AbdominalGraph g = abdominalGraph(folder, step);
    QCOMPARE(g.problem.contains(kAbdominalFile), told);
    QCOMPARE(g.problem.isEmpty(), !told);
    QCOMPARE(g.groups.size(), shown.size());
    for (int i = 0; i < shown.size(); ++i) {
        QCOMPARE(g.groups[i].index, i + 1);
        QCOMPARE(g.groups[i].entry, (AbdominalEntry{dateOf(shown[i]), qint16(shown[i]), 2, 3}));
    }
}

void TestProgressSampling::valueTexts_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("line");
    QTest::newRow("12.3456") << 12.3456f << " 12.34" << "12.35";
    QTest::newRow("1234.567") << 1234.567f << " 1234" << "1234.57";
    QTest::newRow("1234.56") << 1234.56f << " 1234" << "1234.56";
    QTest::newRow("109289.6 keeps its whole digits") << 109289.6f << " 109289" << "109289.6";
    QTest::newRow("5") << 5.0f << " 5" << "5.";
    QTest::newRow("0.5") << 0.5f << " 0.5" << ".5";
    QTest::newRow("2/3") << 2.0f / 3 << " 0.666" << ".67";
    QTest::newRow("0") << 0.0f << " 0" << ".";
}

void TestProgressSampling::valueTexts()
{
    QFETCH(float, value);
    QFETCH(QString, bar);
    QFETCH(QString, line);
    QCOMPARE(GraphShapes::barValueText(value), bar);
    QCOMPARE(GraphShapes::lineValueText(value), line);
}

PULSAR_TEST_MAIN_CORE(TestProgressSampling)
#include "tst_progresssampling.moc"
