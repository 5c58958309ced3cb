#include "DrawnReport.h"
#include "support/TestEnvironment.h"

#include "reports/ExerciseLogReport.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/WeightCatalogue.h"

#include <QApplication>
#include <QtTest>

Q_DECLARE_METATYPE(PageWay)

namespace {

const QString kDataDir = QStringLiteral(PULSAR_SOURCE_DATA_DIR);

// "07-Dec-26", "06-Dec-26", ... one day apart, newest first.
QString dateOf(int i)
{
    return QDate(2026, 12, 7).addDays(-i).toString(QStringLiteral("dd-MMM-yy"));
}

// A weight-training log of `entries` entries of `sets` sets: entry i has the
// weight 100 + i and the reps 10 - k in set k.
QByteArray weightLog(int entries, int sets)
{
    QByteArray out;
    for (int i = 0; i < entries; ++i) {
        out += '"' + dateOf(i).toLatin1() + '"';
        for (int k = 0; k < sets; ++k)
            out += ',' + QByteArray::number(100 + i) + ',' + QByteArray::number(10 - k);
        out += "\r\n";
    }
    return out;
}

// The row a weight-training entry shows, blanks folded.
QString weightRow(int i, int sets)
{
    QString row = dateOf(i);
    for (int k = 0; k < sets; ++k)
        row += QStringLiteral(" %1 %2").arg(100 + i).arg(10 - k);
    return row;
}

ReportInput input(const QString &folder, const QString &category, const QString &exercise)
{
    ReportInput in;
    in.dataFolder = folder;
    in.choice.options[0] = true;
    in.choice.category = category;
    in.choice.entries = {QStringLiteral("Other"), exercise};
    in.choice.selectedRows = {1};
    in.choice.currentRow = 0; // not selected: the selected one is reported
    return in;
}

QString folderWith(const QByteArray &weights, const QByteArray &aerobics = QByteArray())
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, WeightCatalogue::kFileName, weights);
    TestEnvironment::writeFile(folder, AerobicCatalogue::kFileName, aerobics);
    return folder;
}

} // namespace

// The exercise-log report: which entries each page shows, how rows look on
// the screen and on paper, and what a missing or odd file gives.
class TestExerciseLogReport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pagesOfThreeSets();
    void oneRowWindowWhicheverWay_data();
    void oneRowWindowWhicheverWay();
    void setCountFromTheCatalogue_data();
    void setCountFromTheCatalogue();
    void aerobicLayouts_data();
    void aerobicLayouts();
    void printedWeightLogBreaksAtTheTwentiethEntry();
    void printedAerobicLog();
    void logoAtItsOwnSize();
    void missingFilesAndUnknownNames();
    void noRecordLimit();
    void damagedLogShowsTheEntriesBeforeIt();
};

void TestExerciseLogReport::pagesOfThreeSets()
{
    const QString folder = folderWith("\"Bi\",\"Barbell Curl\",\"Curl\",\"3\"\r\n");
    TestEnvironment::writeFile(folder, "BiBarbell Curl.txt", weightLog(10, 3));
    const ExerciseLogReport report;
    const ReportInput in = input(folder, "Biceps", "Barbell Curl");

    const QStringList head{"Barbell Curl", "Date Weight 1 Set 1 Weight 2 Set 2 Weight 3 Set 3"};
    QStringList first = head;
    for (int i = 0; i <= 7; ++i)
        first << weightRow(i, 3);
    const ReportPage one = report.page(in, 1, PageWay::Opening);
    QCOMPARE(draw(one.page).lines, first);
    QVERIFY(one.message.isEmpty());
    // The eighth entry of page 1 is again the first of page 2.
    QCOMPARE(draw(report.page(in, 2, PageWay::Next).page).lines,
             (head + QStringList{weightRow(7, 3), weightRow(8, 3), weightRow(9, 3)}));
    QCOMPARE(draw(report.page(in, 3, PageWay::Next).page).lines, head);

    // Title at column 50 in 12 points, bold and underlined; rows in 9 plain.
    const Drawn d = draw(one.page);
    QVERIFY(d.transcript.startsWith(QStringLiteral("Barbell Curl\n\n\nDate Weight 1 Set 1")));
    QVERIFY(d.transcript.contains(QStringLiteral("\n\n\n07-Dec-26  100   10   100   9   100   8 \n\n\n")));
}

void TestExerciseLogReport::oneRowWindowWhicheverWay_data()
{
    QTest::addColumn<int>("sets");
    QTest::addColumn<int>("page");
    QTest::addColumn<PageWay>("way");
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<int>("lastRow");
    QTest::newRow("one set, page 1 on opening") << 1 << 1 << PageWay::Opening << 0 << 7;
    QTest::newRow("one set, page 2 by Next") << 1 << 2 << PageWay::Next << 7 << 14;
    QTest::newRow("one set, page 1 by Previous") << 1 << 1 << PageWay::Previous << 0 << 7;
    QTest::newRow("two sets, page 2 by Next") << 2 << 2 << PageWay::Next << 7 << 14;
    QTest::newRow("two sets, page 3 by Previous") << 2 << 3 << PageWay::Previous << 14 << 19;
}

void TestExerciseLogReport::oneRowWindowWhicheverWay()
{
    QFETCH(int, sets);
    QFETCH(int, page);
    QFETCH(PageWay, way);
    QFETCH(int, firstRow);
    QFETCH(int, lastRow);
    const QString folder = folderWith("\"Bi\",\"Curl\",\"\"," + QByteArray::number(sets) + "\r\n");
    TestEnvironment::writeFile(folder, "BiCurl.txt", weightLog(20, sets));
    const QStringList lines = draw(ExerciseLogReport().page(input(folder, "Biceps", "Curl"), page, way).page).lines;
    QStringList rows;
    for (int i = firstRow; i <= lastRow; ++i)
        rows << weightRow(i, sets);
    QCOMPARE(lines.mid(2), rows);
}

void TestExerciseLogReport::setCountFromTheCatalogue_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("pairs");
    QTest::newRow("1") << QByteArray("\"1\"") << 1;
    QTest::newRow("4, bare") << QByteArray("4") << 4;
    QTest::newRow("5") << QByteArray("\"5\"") << 5;
    QTest::newRow("7 counts as 5") << QByteArray("\"7\"") << 5;
    QTest::newRow("0 counts as 5") << QByteArray("0") << 5;
}

void TestExerciseLogReport::setCountFromTheCatalogue()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, pairs);
    const QString folder = folderWith("\"Ch\",\"Press\",\"\"," + stored + "\r\n");
    TestEnvironment::writeFile(folder, "ChPress.txt", weightLog(2, pairs));
    const ReportInput in = input(folder, "Chest", "Press");
    const QStringList lines = draw(ExerciseLogReport().page(in, 1, PageWay::Opening).page).lines;
    QString heading = "Date";
    for (int k = 1; k <= pairs; ++k)
        heading += QStringLiteral(" Weight %1 Set %1").arg(k);
    QCOMPARE(lines, (QStringList{"Press", heading, weightRow(0, pairs), weightRow(1, pairs)}));
    // Paper names the repetitions "Reps k".
    const QStringList paper = draw(ExerciseLogReport().printout(in).pages).lines;
    QVERIFY(paper.contains(QString(heading).replace("Set", "Reps")));
}

void TestExerciseLogReport::aerobicLayouts_data()
{
    QTest::addColumn<QByteArray>("flags");
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("row");
    QTest::newRow("time only") << QByteArray("#TRUE#,#FALSE#,#FALSE#") << QByteArray("45") << "Date Time"
                               << "07-Dec-26 45";
    QTest::newRow("terrain without distance") << QByteArray("#TRUE#,#FALSE#,#TRUE#") << QByteArray("45")
                                              << "Date Time" << "07-Dec-26 45";
    QTest::newRow("time and distance") << QByteArray("#TRUE#,#TRUE#,#FALSE#") << QByteArray("45,3")
                                       << "Date Time Distance" << "07-Dec-26 45 min 3 m";
    QTest::newRow("time, distance and terrain")
        << QByteArray("#TRUE#,#TRUE#,#TRUE#") << QByteArray("45,3,\"Hilly \"") << "Date Time Distance Terrain"
        << "07-Dec-26 45 min 3 m Hilly";
    QTest::newRow("no time") << QByteArray("#FALSE#,#FALSE#,#FALSE#") << QByteArray("45,3,\"Indoor\"")
                             << "Date Time Distance Terrain" << "07-Dec-26 45 min 3 m Indoor";
}

// The same rows, with one unit "m", on every page and on paper.
void TestExerciseLogReport::aerobicLayouts()
{
    QFETCH(QByteArray, flags);
    QFETCH(QByteArray, entry);
    QFETCH(QString, heading);
    QFETCH(QString, row);
    const QString folder = folderWith(QByteArray(), "\"In\",\"Squash \"," + flags + "\r\n");
    QByteArray log;
    for (int i = 0; i < 9; ++i)
        log += "\"07-Dec-26\"," + entry + "\r\n";
    TestEnvironment::writeFile(folder, "InSquash .txt", log);
    const ReportInput in = input(folder, "Indoor Activities", "Squash ");
    const ExerciseLogReport report;
    const QStringList first = draw(report.page(in, 1, PageWay::Opening).page).lines;
    QCOMPARE(first, (QStringList{"Squash", heading} + QStringList(8, row)));
    QCOMPARE(draw(report.page(in, 2, PageWay::Next).page).lines, (QStringList{"Squash", heading, row, row}));
    QCOMPARE(draw(report.page(in, 1, PageWay::Previous).page).lines, first);
    const QStringList paper = draw(report.printout(in).pages).lines;
    QCOMPARE(paper.count(row), 9);
    QCOMPARE(paper.count(QString(120, u'_')), 9);
    // The numbers keep their blanks: " 45 " then "min".
    if (row.contains("min"))
        QVERIFY(draw(report.page(in, 1, PageWay::Opening).page).transcript.contains("07-Dec-26  45  min  3  m"));
}

// Each entry takes three lines (italic date, values, a rule of 120
// underscores); the twentieth begins a page of its own, and later ones
// follow without a forced break.
void TestExerciseLogReport::printedWeightLogBreaksAtTheTwentiethEntry()
{
    const QString folder = folderWith("\"Bi\",\"Barbell Curl\",\"Curl\",\"2\"\r\n");
    TestEnvironment::writeFile(folder, "BiBarbell Curl.txt", weightLog(45, 2));
    const ReportPrintout printout = ExerciseLogReport().printout(input(folder, "Biceps", "Barbell Curl"));
    QVERIFY(printout.print);
    QVERIFY(printout.clickSound);
    QVERIFY(printout.message.isEmpty());

    const Drawn d = draw(printout.pages);
    QCOMPARE(d.pages, 2);
    const QStringList pages = d.transcript.split(u'\f');
    QVERIFY(pages[0].contains(dateOf(18)) && !pages[0].contains(dateOf(19)));
    QVERIFY2(pages[1].startsWith(dateOf(19) + "\n"), qPrintable(pages[1].left(40)));
    QVERIFY(pages[1].contains(dateOf(44)));
    QCOMPARE(d.lines.mid(0, 2), (QStringList{"Barbell Curl", "Date Weight 1 Reps 1 Weight 2 Reps 2"}));
    QCOMPARE(d.lines.mid(2, 3), (QStringList{dateOf(0), "100 10 100 9", QString(120, u'_')}));

    // The date line is italic, the rest not.
    const QList<ColumnPage::Op> &ops = printout.pages.ops();
    for (qsizetype i = 0; i < ops.size(); ++i) {
        if (ops[i].kind == ColumnPage::Op::Text && ops[i].text == dateOf(3)) {
            QCOMPARE(ops[i - 1].kind, ColumnPage::Op::Italic);
            QVERIFY(ops[i - 1].on);
            QCOMPARE(ops[i].column, 2);
        }
    }
}

void TestExerciseLogReport::printedAerobicLog()
{
    const QString folder = folderWith(QByteArray(), "\"Ou\",\"Running\",#TRUE#,#TRUE#,#TRUE#\r\n");
    QByteArray log;
    for (int i = 0; i < 30; ++i)
        log += "\"" + dateOf(i).toLatin1() + "\",30,3,\"Flat - Outdoor\"\r\n";
    TestEnvironment::writeFile(folder, "OuRunning.txt", log);
    const ReportPrintout printout = ExerciseLogReport().printout(input(folder, "Outdoor Activites", "Running"));
    const Drawn d = draw(printout.pages);
    QCOMPARE(d.pages, 1); // no forced break
    QCOMPARE(d.lines.mid(0, 4), (QStringList{"Running", "Date Time Distance Terrain",
                                             dateOf(0) + " 30 min 3 m Flat - Outdoor", QString(120, u'_')}));
    // The heading is bold, not underlined.
    bool bold = false, underline = false;
    for (const ColumnPage::Op &op : printout.pages.ops()) {
        if (op.kind == ColumnPage::Op::Text && op.text == "Date")
            break;
        if (op.kind == ColumnPage::Op::Bold)
            bold = op.on;
        if (op.kind == ColumnPage::Op::Underline)
            underline = op.on;
    }
    QVERIFY(bold);
    QVERIFY(!underline);
}

// The shipped globe prints at its own size, under an inch, 10 twips from
// the corner; without it the printout goes on without a picture.
void TestExerciseLogReport::logoAtItsOwnSize()
{
    const QString folder = folderWith("\"Bi\",\"Curl\",\"\",1\r\n");
    const ReportInput in = input(folder, "Biceps", "Curl");
    const auto pictures = [&] {
        QList<QRectF> out;
        for (const ColumnPage::Op &op : ExerciseLogReport().printout(in).pages.ops())
            if (op.kind == ColumnPage::Op::Picture)
                out << op.box;
        return out;
    };
    QCOMPARE(pictures(), QList<QRectF>());
    QFile::copy(kDataDir + "/smallglobe.jpg", folder + "/smallglobe.jpg");
    const QList<QRectF> boxes = pictures();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().topLeft(), QPointF(10, 10));
    QVERIFY(boxes.first().width() > 720 && boxes.first().width() <= 1440);   // half an inch to an inch
    QVERIFY(boxes.first().height() > 720 && boxes.first().height() <= 1440);
    // A file that is no picture prints nothing in its place.
    TestEnvironment::writeFile(folder, "smallglobe.jpg", "not a picture");
    QCOMPARE(pictures(), QList<QRectF>());
}

void TestExerciseLogReport::missingFilesAndUnknownNames()
{
    const QString folder = folderWith("\"Bi\",\"Curl\",\"\",\"2\"\r\n\"Tr\",\"Dip\",\"\",\"3\"\r\n");
    const ExerciseLogReport report;
    // A missing log reads as empty: the title and the heading.
    const ReportPage missing = report.page(input(folder, "Biceps", "Curl"), 1, PageWay::Opening);
    QCOMPARE(draw(missing.page).lines, (QStringList{"Curl", "Date Weight 1 Set 1 Weight 2 Set 2"}));
    QVERIFY(missing.message.isEmpty());
    // A name of no catalogue record shows itself alone, whatever log has its name.
    TestEnvironment::writeFile(folder, "BiGhost.txt", weightLog(3, 3));
    const ReportPage unknown = report.page(input(folder, "Biceps", "Ghost"), 1, PageWay::Opening);
    QCOMPARE(draw(unknown.page).lines, QStringList{"Ghost"});
    QVERIFY(unknown.message.isEmpty());
    QCOMPARE(draw(report.printout(input(folder, "Biceps", "Ghost")).pages).lines, QStringList{"Ghost"});
    // The name is looked up whatever its group: Dip's three sets under Biceps.
    TestEnvironment::writeFile(folder, "BiDip.txt", weightLog(1, 3));
    QCOMPARE(draw(report.page(input(folder, "Biceps", "Dip"), 1, PageWay::Opening).page).lines.last(),
             weightRow(0, 3));
    // A missing catalogue: nothing found, nothing said.
    QFile::remove(folder + "/" + WeightCatalogue::kFileName);
    QCOMPARE(draw(report.page(input(folder, "Biceps", "Curl"), 1, PageWay::Opening).page).lines,
             QStringList{"Curl"});
}

// Every entry is printed, and the screen reaches position 315 on its last page.
void TestExerciseLogReport::noRecordLimit()
{
    const QString folder = folderWith("\"Le\",\"Squat\",\"\",1\r\n");
    TestEnvironment::writeFile(folder, "LeSquat.txt", weightLog(400, 1));
    const ReportInput in = input(folder, "Legs", "Squat");
    const Drawn paper = draw(ExerciseLogReport().printout(in).pages);
    QCOMPARE(paper.lines.count(QString(120, u'_')), 400);
    QVERIFY(paper.lines.contains(dateOf(399)));
    const QStringList last = draw(ExerciseLogReport().page(in, 45, PageWay::Next).page).lines;
    QCOMPARE(last.mid(2), (QStringList{weightRow(308, 1), weightRow(309, 1), weightRow(310, 1), weightRow(311, 1),
                                       weightRow(312, 1), weightRow(313, 1), weightRow(314, 1), weightRow(315, 1)}));
}

void TestExerciseLogReport::damagedLogShowsTheEntriesBeforeIt()
{
    const QString folder = folderWith("\"Bi\",\"Curl\",\"\",\"2\"\r\n");
    // Ten whole entries, then one cut short.
    TestEnvironment::writeFile(folder, "BiCurl.txt", weightLog(10, 2) + "\"01-Nov-26\",100");
    const ReportInput in = input(folder, "Biceps", "Curl");
    const ExerciseLogReport report;
    // Page 1 is whole: nothing to say.
    QVERIFY(report.page(in, 1, PageWay::Opening).message.isEmpty());
    const ReportPage cut = report.page(in, 2, PageWay::Next);
    QCOMPARE(draw(cut.page).lines.mid(2), (QStringList{weightRow(7, 2), weightRow(8, 2), weightRow(9, 2)}));
    QVERIFY2(cut.message.contains("BiCurl.txt"), qPrintable(cut.message));
    const ReportPrintout printout = report.printout(in);
    QVERIFY(printout.print);
    QVERIFY(printout.message.contains("BiCurl.txt"));
    QCOMPARE(draw(printout.pages).lines.count(QString(120, u'_')), 10);
}

PULSAR_TEST_MAIN(TestExerciseLogReport)
#include "tst_exerciselogreport.moc"
