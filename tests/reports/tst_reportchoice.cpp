#include "support/TestEnvironment.h"

#include "reports/ReportChoice.h"
#include "reports/ReportLists.h"
#include "reports/ReportPaging.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/WeightCatalogue.h"

#include <QtTest>

#include <sys/stat.h>

using ReportPaging::Change;

Q_DECLARE_METATYPE(ReportType)
Q_DECLARE_METATYPE(Change)

namespace {

// Weight-training exercises of three groups (and one of no group) and
// activities of the three classes, mixed in file order.
const QByteArray kWeights = "\"Bi\",\"Barbell Curl\",\"\",\"3\"\r\n"
                            "\"Ch\",\"Bench Press\",\"\",\"5\"\r\n"
                            "\"Xx\",\"Stray\",\"\",\"1\"\r\n"
                            "\"Bi\",\"Hammer Curl\",\"\",1\r\n";
const QByteArray kAerobics = "\"Ou\",\"Running\",#TRUE#,#TRUE#,#TRUE#\r\n"
                             "\"In\",\"Squash \",#TRUE#,#FALSE#,#FALSE#\r\n"
                             "\"Aq\",\"Swimming\",#TRUE#,#TRUE#,#FALSE#\r\n"
                             "\"Ou\",\"Cycling\",#TRUE#,#TRUE#,#FALSE#\r\n";

ReportChoice chosen(int option, const QString &category)
{
    ReportChoice c;
    if (option >= 0)
        c.options[size_t(option)] = true;
    c.category = category;
    return c;
}

// A fresh data folder with the two catalogues above.
QString bothCatalogues()
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, WeightCatalogue::kFileName, kWeights);
    TestEnvironment::writeFile(folder, AerobicCatalogue::kFileName, kAerobics);
    return folder;
}

} // namespace

// What the report choice lists and makes of its controls, and how the
// report window pages.
class TestReportChoice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exerciseListOfEachReport_data();
    void exerciseListOfEachReport();
    void listOfAnUnsoundCatalogue_data();
    void listOfAnUnsoundCatalogue();
    void reportTypeAndChoiceMade_data();
    void reportTypeAndChoiceMade();
    void reportedEntry_data();
    void reportedEntry();
    void pagingRule_data();
    void pagingRule();
};

void TestReportChoice::exerciseListOfEachReport_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("fromWeights"); // the category's exercises are weight-training ones
    const QStringList everyWeight{"Barbell Curl", "Bench Press", "Hammer Curl"};
    QTest::newRow("log, Biceps") << 0 << "Biceps" << QStringList{"Barbell Curl", "Hammer Curl"} << true;
    QTest::newRow("log, Chest") << 0 << "Chest" << QStringList{"Bench Press"} << true;
    QTest::newRow("log, Legs has none") << 0 << "Legs" << QStringList{} << true;
    QTest::newRow("log, Outdoor Activites") << 0 << "Outdoor Activites" << QStringList{"Running", "Cycling"}
                                            << false;
    QTest::newRow("log, Indoor Activities") << 0 << "Indoor Activities" << QStringList{"Squash "} << false;
    QTest::newRow("template, Weightlifting") << 1 << "Weightlifting" << everyWeight << true;
    QTest::newRow("template, Cardio") << 1 << "Cardio"
                                      << QStringList{"Running", "Squash ", "Swimming", "Cycling"} << false;
    QTest::newRow("descriptions") << 3 << "Weightlifting" << everyWeight << true;
    QTest::newRow("descriptions, Abdomens") << 3 << "Abdomens" << everyWeight << true;
    QTest::newRow("foods") << 2 << "" << everyWeight << true;
    QTest::newRow("no report chosen") << -1 << "Category" << everyWeight << true;
}

void TestReportChoice::exerciseListOfEachReport()
{
    QFETCH(int, option);
    QFETCH(QString, category);
    QFETCH(QStringList, names);
    QFETCH(bool, fromWeights);
    const QString folder = bothCatalogues();
    const ReportLists::Exercises whole = ReportLists::exercises(folder, chosen(option, category));
    QCOMPARE(whole.names, names);
    QCOMPARE(whole.problem, QString());

    // A damaged catalogue lists what stands before the damage, and says so
    // where the category's exercises come from it.
    const QByteArray cut = kWeights.left(kWeights.indexOf("\"Ch\"")) + "\"Ch\",\"Ben";
    TestEnvironment::writeFile(folder, WeightCatalogue::kFileName, cut);
    TestEnvironment::writeFile(folder, AerobicCatalogue::kFileName, QByteArray());
    const ReportLists::Exercises listed = ReportLists::exercises(folder, chosen(option, category));
    QVERIFY(listed.names.size() <= 1);
    QCOMPARE(listed.names.isEmpty(), !names.contains("Barbell Curl"));
    QCOMPARE(listed.problem.contains(WeightCatalogue::kFileName), fromWeights);
}

void TestReportChoice::listOfAnUnsoundCatalogue_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes"); // empty: a FIFO in the catalogue's place
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("told"); // what the problem says after the file's name; empty: nothing
    const QString weights = WeightCatalogue::kFileName;
    const QString aerobics = AerobicCatalogue::kFileName;
    const QByteArray bom = "\xEF\xBB\xBF";
    const QString none = QStringLiteral("The list shows none of its exercises.");
    const QString before = QStringLiteral("The list shows the exercises before the damage.");
    QTest::newRow("weights: byte-order mark") << weights << bom + kWeights << 0 << "Biceps"
                                              << QStringList{"Barbell Curl", "Hammer Curl"} << QString();
    QTest::newRow("aerobics: byte-order mark") << aerobics << bom + kAerobics << 1 << "Cardio"
                                               << QStringList{"Running", "Squash ", "Swimming", "Cycling"}
                                               << QString();
    QTest::newRow("weights: FIFO") << weights << QByteArray() << 3 << "Weightlifting" << QStringList{} << none;
    QTest::newRow("aerobics: FIFO") << aerobics << QByteArray() << 0 << "Outdoor Activites" << QStringList{}
                                    << none;
    QTest::newRow("aerobics: FIFO, a weight category") << aerobics << QByteArray() << 0 << "Biceps"
                                                       << QStringList{"Barbell Curl", "Hammer Curl"} << QString();
    QTest::newRow("weights: damaged first record") << weights << QByteArray("\"Bi\",\"Barbell Curl\"\r\n") << 1
                                                   << "Weightlifting" << QStringList{} << before;
    QTest::newRow("weights: bytes no writer makes after the records")
        << weights << kWeights + QByteArray("\x00\x81\r\n", 4) << 0 << "Biceps"
        << QStringList{"Barbell Curl", "Hammer Curl"} << before;
}

// A catalogue that cannot be read, or only in part, is named once with what
// the list then shows; one another program saved with a byte-order mark
// reads whole.
void TestReportChoice::listOfAnUnsoundCatalogue()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(int, option);
    QFETCH(QString, category);
    QFETCH(QStringList, names);
    QFETCH(QString, told);
    const QString folder = bothCatalogues();
    if (bytes.isEmpty()) {
        QVERIFY(TestEnvironment::putFifo(folder, file));
    } else {
        TestEnvironment::writeFile(folder, file, bytes);
    }
    QElapsedTimer clock;
    clock.start();
    const ReportLists::Exercises listed = ReportLists::exercises(folder, chosen(option, category));
    QVERIFY(clock.elapsed() < 1000);
    QCOMPARE(listed.names, names);
    if (told.isEmpty()) {
        QCOMPARE(listed.problem, QString());
    } else {
        QVERIFY2(listed.problem.startsWith("The file " + file) && listed.problem.endsWith(told),
                 qPrintable(listed.problem));
    }
    QVERIFY(QFileInfo(folder + u'/' + file).exists());
}

void TestReportChoice::reportTypeAndChoiceMade_data()
{
    QTest::addColumn<QList<int>>("options");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<ReportType>("type");
    QTest::addColumn<bool>("made");
    QTest::newRow("nothing") << QList<int>{} << QList<int>{} << ReportType::Descriptions << false;
    QTest::newRow("log without an exercise") << QList<int>{0} << QList<int>{} << ReportType::ExerciseLog << false;
    QTest::newRow("log with one") << QList<int>{0} << QList<int>{1} << ReportType::ExerciseLog << true;
    QTest::newRow("template") << QList<int>{1} << QList<int>{0, 2} << ReportType::Template << true;
    QTest::newRow("foods without an exercise") << QList<int>{2} << QList<int>{} << ReportType::Foods << true;
    QTest::newRow("foods with exercises left selected") << QList<int>{2} << QList<int>{0} << ReportType::Foods << true;
    QTest::newRow("descriptions") << QList<int>{3} << QList<int>{2} << ReportType::Descriptions << true;
    QTest::newRow("an exercise without a report") << QList<int>{} << QList<int>{0} << ReportType::Descriptions
                                                  << true;
    QTest::newRow("log before foods") << QList<int>{0, 2} << QList<int>{} << ReportType::ExerciseLog << true;
}

void TestReportChoice::reportTypeAndChoiceMade()
{
    QFETCH(QList<int>, options);
    QFETCH(QList<int>, selected);
    QFETCH(ReportType, type);
    QFETCH(bool, made);
    ReportChoice c;
    for (int o : options)
        c.options[size_t(o)] = true;
    c.entries = {"a", "b", "c"};
    c.selectedRows = selected;
    QCOMPARE(c.type(), type);
    QCOMPARE(c.isMade(), made);
}

void TestReportChoice::reportedEntry_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("entry");
    QTest::newRow("the current entry, selected") << QList<int>{0, 2} << 2 << "c";
    QTest::newRow("the current entry not selected: the first selected") << QList<int>{1, 2} << 0 << "b";
    QTest::newRow("no current entry") << QList<int>{2} << -1 << "c";
    QTest::newRow("none selected") << QList<int>{} << 1 << "";
}

void TestReportChoice::reportedEntry()
{
    QFETCH(QList<int>, selected);
    QFETCH(int, current);
    QFETCH(QString, entry);
    ReportChoice c;
    c.entries = {"a", "b", "c"};
    c.selectedRows = selected;
    c.currentRow = current;
    QCOMPARE(c.reportedEntry(), entry);
}

void TestReportChoice::pagingRule_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("by");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<Change>("previous");
    QTest::addColumn<Change>("next");
    QTest::newRow("next from page 1") << 1 << 1 << 45 << 2 << Change::Enable << Change::Enable;
    QTest::newRow("next to the page before the limit") << 43 << 1 << 45 << 44 << Change::Enable << Change::Enable;
    QTest::newRow("next to the limit") << 44 << 1 << 45 << 45 << Change::Keep << Change::Disable;
    QTest::newRow("next to the template's limit") << 9 << 1 << 10 << 10 << Change::Keep << Change::Disable;
    QTest::newRow("previous to page 1 keeps it enabled") << 2 << -1 << 45 << 1 << Change::Enable << Change::Enable;
    QTest::newRow("previous on page 1 disables it") << 1 << -1 << 45 << 1 << Change::Disable << Change::Keep;
    QTest::newRow("previous from the limit") << 35 << -1 << 35 << 34 << Change::Enable << Change::Enable;
    QTest::newRow("previous at the limit") << 11 << -1 << 10 << 10 << Change::Keep << Change::Disable;
}

void TestReportChoice::pagingRule()
{
    QFETCH(int, page);
    QFETCH(int, by);
    QFETCH(int, limit);
    QFETCH(int, drawn);
    QFETCH(Change, previous);
    QFETCH(Change, next);
    const ReportPaging::Step step =
        by > 0 ? ReportPaging::next(qint16(page), limit) : ReportPaging::previous(qint16(page), limit);
    QCOMPARE(int(step.page), drawn);
    QCOMPARE(step.previous, previous);
    QCOMPARE(step.next, next);
}

PULSAR_TEST_MAIN_CORE(TestReportChoice)
#include "tst_reportchoice.moc"
