#include "DrawnReport.h"
#include "support/TestEnvironment.h"

#include "common/DateText.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "nutrition/FoodDay.h"
#include "reports/DescriptionReport.h"
#include "reports/FoodsReport.h"
#include "reports/TemplateReport.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/WeightCatalogue.h"

#include <QApplication>
#include <QtTest>

Q_DECLARE_METATYPE(PageWay)

namespace {

const QString kDataDir = QStringLiteral(PULSAR_SOURCE_DATA_DIR);
const QDate kToday(2026, 12, 7);
const QString kRule(7, u'_');

// A choice of `option` with the entries listed and those of `selected` chosen.
ReportInput choice(const QString &folder, int option, const QString &category, const QStringList &entries,
                   const QList<int> &selected)
{
    ReportInput in;
    in.dataFolder = folder;
    in.today = kToday;
    in.choice.options[size_t(option)] = true;
    in.choice.category = category;
    in.choice.entries = entries;
    in.choice.selectedRows = selected;
    in.choice.day = kToday;
    return in;
}

QList<int> upTo(int n)
{
    QList<int> rows;
    for (int i = 0; i < n; ++i)
        rows << i;
    return rows;
}

// "Curl 1" ... "Curl n", with sets 1, 2, 3, 4, 5, 1, 2, ...
QString folderWithCurls(int n, QStringList &names)
{
    QByteArray catalogue;
    for (int i = 1; i <= n; ++i) {
        names << QStringLiteral("Curl %1").arg(i);
        catalogue += "\"Bi\",\"Curl " + QByteArray::number(i) + "\",\"Curl it\",\"" + QByteArray::number((i - 1) % 5 + 1)
                     + "\"\r\n";
    }
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, WeightCatalogue::kFileName, catalogue);
    TestEnvironment::writeFile(folder, AerobicCatalogue::kFileName,
                               "\"In\",\"Rowing\",#TRUE#,#FALSE#,#FALSE#\r\n"
                               "\"Ou\",\"Cycling\",#TRUE#,#TRUE#,#FALSE#\r\n"
                               "\"Ou\",\"Running\",#TRUE#,#TRUE#,#TRUE#\r\n"
                               "\"Aq\",\"Swimming\",#FALSE#,#FALSE#,#FALSE#\r\n");
    return folder;
}

QString setsHeading(const QString &first, int sets)
{
    QString out = first;
    for (int k = 1; k <= sets; ++k)
        out += QStringLiteral(" Weight %1 Set %1").arg(k);
    return out;
}

// A day file of `n` foods of 7 December 2026: food i is "Food i" of
// `calories` a serving, `servings` servings.
QByteArray foods(int n, const QString &calories = QStringLiteral("100"),
                 const QString &servings = QStringLiteral("1"), const QString &date = QStringLiteral("07-Dec-26"))
{
    QByteArray out;
    for (int i = 1; i <= n; ++i)
        out += FoodDay::line(date, QStringLiteral("Milk"), QStringLiteral("Food %1").arg(i), calories, servings);
    return out;
}

QString foodsFolder(const QByteArray &day)
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, FoodDay::fileName(kToday), day);
    return folder;
}

ReportInput foodsOf(const QString &folder)
{
    return choice(folder, 2, QString(), {}, {});
}

// The foods' rows of a page: the lines of a food of the milk group.
QStringList foodRows(const Drawn &d)
{
    QStringList rows;
    for (const QString &line : d.lines) {
        if (line.contains(QLatin1String("Milk ")))
            rows << line;
    }
    return rows;
}

} // namespace

// The workout template, foods-eaten and exercise description reports:
// which exercises or foods each page shows, their columns on the screen and
// on paper, the totals, and what a missing, empty or damaged file gives.
class TestReportFamilies : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Workout template
    void templatePagesFourOn();
    void templateHeadings_data();
    void templateHeadings();
    void templateCellsPerSet_data();
    void templateCellsPerSet();
    void templateFooterAfterTheEighth_data();
    void templateFooterAfterTheEighth();
    void templatePrintedHeading();
    void templateUnknownExercise();

    // Foods eaten
    void foodsOverThePages_data();
    void foodsOverThePages();
    void foodsServingsAndTotals_data();
    void foodsServingsAndTotals();
    void foodsTotalBeyond32Bits();
    void foodsDateGroups();
    void foodsPrintout();
    void foodsWithoutFoods_data();
    void foodsWithoutFoods();
    void foodsDamagedDay();

    // Exercise descriptions
    void descriptionLineBreaks_data();
    void descriptionLineBreaks();
    void descriptionPages();
    void descriptionPrintout();
    void descriptionUnknownExercise();
};

// ---------------------------------------------------------------------------
// Workout template

// Six weight exercises: page 1 shows all six under the category, page 2 the
// fifth and sixth, page 3 nothing.
void TestReportFamilies::templatePagesFourOn()
{
    QStringList names;
    const QString folder = folderWithCurls(6, names);
    const ReportInput in = choice(folder, 1, "Weightlifting", names, upTo(6));
    const TemplateReport report;
    QStringList all{"Weightlifting"};
    for (int i = 0; i < 6; ++i)
        all << setsHeading("Exercise", i % 5 + 1) << names[i];
    const Drawn one = draw(report.page(in, 1, PageWay::Opening).page);
    QCOMPARE(one.lines, all);
    QCOMPARE(one.column("Weightlifting"), 50);
    QCOMPARE(one.column("Curl 1"), 2);
    QCOMPARE(one.colour("Curl 1"), QColor(0, 0, 255));
    QCOMPARE(one.colour("Exercise"), QColor(Qt::black));
    QCOMPARE(one.column("Set 5"), 122);
    QCOMPARE(draw(report.page(in, 2, PageWay::Next).page).lines,
             (QStringList{"Weightlifting", setsHeading("Exercise", 5), "Curl 5", setsHeading("Exercise", 1), "Curl 6"}));
    QCOMPARE(draw(report.page(in, 2, PageWay::Previous).page).lines.size(), 5);
    QCOMPARE(draw(report.page(in, 3, PageWay::Next).page).lines, QStringList());

    // Only selected entries count, in list order.
    const ReportInput some = choice(folder, 1, "Weightlifting", names, {1, 4});
    QCOMPARE(draw(report.page(some, 1, PageWay::Opening).page).lines,
             (QStringList{"Weightlifting", setsHeading("Exercise", 2), "Curl 2", setsHeading("Exercise", 5), "Curl 5"}));
}

void TestReportFamilies::templateHeadings_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("heading");
    QTest::newRow("one set") << "Weightlifting" << "Curl 1" << setsHeading("Exercise", 1);
    QTest::newRow("four sets") << "Weightlifting" << "Curl 4" << setsHeading("Exercise", 4);
    QTest::newRow("time only") << "Cardio" << "Rowing" << "Exercise Time";
    QTest::newRow("time and distance") << "Cardio" << "Cycling" << "Exercise Time Distance";
    QTest::newRow("time, distance, terrain") << "Cardio" << "Running" << "Exercise Time Distance Terrain";
    QTest::newRow("no time") << "Cardio" << "Swimming" << "Exercise Time Distance Terrain";
}

// The heading line of an exercise on the screen and on paper; the category
// title on both for cardio, on the screen alone for weightlifting.
void TestReportFamilies::templateHeadings()
{
    QFETCH(QString, category);
    QFETCH(QString, name);
    QFETCH(QString, heading);
    QStringList names;
    const QString folder = folderWithCurls(5, names);
    const ReportInput in = choice(folder, 1, category, {"Other", name}, {1});
    const Drawn screen = draw(TemplateReport().page(in, 1, PageWay::Opening).page);
    QCOMPARE(screen.lines, (QStringList{category, heading, name}));
    const Drawn paper = draw(TemplateReport().printout(in).pages);
    QVERIFY(paper.lines.contains(heading));
    QCOMPARE(paper.lines.contains(category), category == "Cardio");
    if (category == "Cardio") {
        QCOMPARE(screen.column(name), 3);
        QCOMPARE(paper.column(name), 3);
        QCOMPARE(paper.column("Distance"), heading.contains("Distance") ? 26 : 0);
        QCOMPARE(paper.column("Terrain"), heading.contains("Terrain") ? 38 : 0);
        QVERIFY(!paper.transcript.contains(u'_')); // no cells
    }
}

void TestReportFamilies::templateCellsPerSet_data()
{
    QTest::addColumn<int>("sets");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("1") << 1 << QByteArray("1");
    QTest::newRow("2") << 2 << QByteArray("\"2\"");
    QTest::newRow("3") << 3 << QByteArray("3");
    QTest::newRow("4") << 4 << QByteArray("\"4\"");
    QTest::newRow("5") << 5 << QByteArray("5");
    QTest::newRow("7 counts as 5") << 5 << QByteArray("\"7\"");
}

// A pair of blank cells per set at their own columns; with one or two sets
// the cells' line is closed by the empty lines, leaving one empty line, with
// three or more by its own line end, leaving two.
void TestReportFamilies::templateCellsPerSet()
{
    QFETCH(int, sets);
    QFETCH(QByteArray, stored);
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, WeightCatalogue::kFileName,
                               "\"Ch\",\"Press\",\"\"," + stored + "\r\n\"Ch\",\"Fly\",\"\",3\r\n");
    const ReportInput in = choice(folder, 1, "Weightlifting", {"Press", "Fly"}, {0, 1});
    const Drawn paper = draw(TemplateReport().printout(in).pages);
    const int weightColumns[] = {20, 50, 77, 106, 135};
    const int repsColumns[] = {34, 62, 90, 120, 147};
    for (int k = 0; k < sets; ++k) {
        QCOMPARE(paper.column(QString(8, u'_'), k), weightColumns[k]);
        QCOMPARE(paper.column(QString(5, u'_'), k), repsColumns[k]);
    }
    QCOMPARE(paper.column(QString(8, u'_'), sets), 20); // the next exercise's first cell
    QCOMPARE(paper.colour("Press"), QColor(0, 0, 255));
    QCOMPARE(paper.column("Press"), 5);
    QCOMPARE(paper.colour(QString(5, u'_')), QColor(0, 0, 255));
    // The name line, the cells, then the empty lines up to the next heading.
    const QString cells = paper.transcript.section("Press\n", 1).section("Exercise", 0, 0);
    QCOMPARE(cells.count(u'\n'), sets <= 2 ? 2 : 3);
    QCOMPARE(cells.count(QString(8, u'_')), sets);
    QVERIFY(paper.lines.contains(setsHeading("Exercise", sets)));
}

void TestReportFamilies::templateFooterAfterTheEighth_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("footers");
    QTest::newRow("seven") << 7 << 0;
    QTest::newRow("eight") << 8 << 1;
    QTest::newRow("twelve") << 12 << 1;
}

void TestReportFamilies::templateFooterAfterTheEighth()
{
    QFETCH(int, selected);
    QFETCH(int, footers);
    QStringList names;
    const QString folder = folderWithCurls(12, names);
    const Drawn paper = draw(TemplateReport().printout(choice(folder, 1, "Weightlifting", names, upTo(selected))).pages);
    QCOMPARE(paper.transcript.count(TemplateReport::kFooter), footers);
    for (int i = 0; i < selected; ++i)
        QVERIFY(paper.lines.contains(names[i]));
    if (footers) {
        // In blue at column 100, right after the eighth exercise's cells
        // (three sets: on a line of its own).
        QCOMPARE(paper.column(TemplateReport::kFooter), 100);
        QCOMPARE(paper.colour(TemplateReport::kFooter), QColor(0, 0, 255));
        const QString afterEighth = paper.transcript.section("Curl 8\n", 1);
        QVERIFY(afterEighth.section(u'\n', 1, 1).startsWith(TemplateReport::kFooter));
    }
}

// The user's first name with " Template" at column 25 in 16 points, today's
// long date at column 95, and the logo; printing asks nothing of the page
// counter.
void TestReportFamilies::templatePrintedHeading()
{
    QStringList names;
    const QString folder = folderWithCurls(2, names);
    ReportInput in = choice(folder, 1, "Weightlifting", names, upTo(2));
    QFile::copy(kDataDir + "/smallglobe.jpg", folder + "/smallglobe.jpg");
    const Settings settings;
    in.settings = &settings;
    const ReportPrintout noName = TemplateReport().printout(in);
    QVERIFY(noName.print);
    QVERIFY(!noName.clickSound);
    QVERIFY(noName.message.isEmpty());
    Drawn paper = draw(noName.pages);
    QCOMPARE(paper.lines.mid(0, 2), (QStringList{"Enter First Name Template", DateText::longDate(kToday)}));
    QCOMPARE(paper.column("Enter First Name Template"), 25);
    QCOMPARE(paper.column(DateText::longDate(kToday)), 95);
    QCOMPARE(paper.colour("Enter First Name Template"), QColor(Qt::black));
    int pictures = 0;
    for (const ColumnPage::Op &op : noName.pages.ops()) {
        pictures += op.kind == ColumnPage::Op::Picture;
        if (op.kind == ColumnPage::Op::FontName)
            QCOMPARE(op.text, ReportFamilies::kPaperFont);
    }
    QCOMPARE(pictures, 1);

    Settings named;
    named.set(SettingKeys::PersonalInformation, SettingKeys::FirstName, "Dana");
    in.settings = &named;
    paper = draw(TemplateReport().printout(in).pages);
    QCOMPARE(paper.lines.first(), QStringLiteral("Dana Template"));
    QCOMPARE(paper.lines.mid(2, 3), (QStringList{setsHeading("Exercise", 1), "Curl 1", QString(8, u'_') + " " + QString(5, u'_')}));
}

// A name the catalogue no longer has shows alone: no heading, no cells,
// never another exercise's sets. A damaged catalogue that may hide it is
// named.
void TestReportFamilies::templateUnknownExercise()
{
    QStringList names;
    const QString folder = folderWithCurls(3, names);
    const ReportInput in = choice(folder, 1, "Weightlifting", {"Curl 1", "Ghost", "Curl 3"}, {1, 2});
    const ReportPage page = TemplateReport().page(in, 1, PageWay::Opening);
    QCOMPARE(draw(page.page).lines, (QStringList{"Weightlifting", "Ghost", setsHeading("Exercise", 3), "Curl 3"}));
    QVERIFY(page.message.isEmpty());
    const Drawn paper = draw(TemplateReport().printout(in).pages);
    QCOMPARE(paper.transcript.count(QString(8, u'_')), 3);
    QCOMPARE(paper.transcript.section("Ghost\n", 1).section("Exercise", 0, 0).count(u'_'), 0);

    // Cut short before "Curl 3": named on the page and the printout.
    TestEnvironment::writeFile(folder, WeightCatalogue::kFileName, "\"Bi\",\"Curl 1\",\"\",1\r\n\"Bi\",\"Curl 3\"");
    const ReportInput cut = choice(folder, 1, "Weightlifting", {"Curl 1", "Curl 3"}, {0, 1});
    const ReportPage damaged = TemplateReport().page(cut, 1, PageWay::Opening);
    QVERIFY2(damaged.message.contains(WeightCatalogue::kFileName), qPrintable(damaged.message));
    QCOMPARE(draw(damaged.page).lines, (QStringList{"Weightlifting", setsHeading("Exercise", 1), "Curl 1", "Curl 3"}));
    QVERIFY(TemplateReport().printout(cut).message.contains(WeightCatalogue::kFileName));
    // Nor on a page past the exercises.
    QVERIFY(TemplateReport().page(cut, 2, PageWay::Next).message.isEmpty());
    // Nor when every exercise stands before the damage.
    QVERIFY(TemplateReport().page(choice(folder, 1, "Weightlifting", {"Curl 1"}, {0}), 1, PageWay::Opening)
                .message.isEmpty());
}

// ---------------------------------------------------------------------------
// Foods eaten

void TestReportFamilies::foodsOverThePages_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("page");
    QTest::addColumn<PageWay>("way");
    QTest::addColumn<int>("firstRow"); // 1 and up; 0: none
    QTest::addColumn<int>("lastRow");
    QTest::addColumn<int>("dateColumn"); // 0: no row carries the date
    QTest::newRow("5, page 1") << 5 << 1 << PageWay::Opening << 1 << 5 << 10;
    QTest::newRow("5, page 2") << 5 << 2 << PageWay::Next << 0 << 0 << 0;
    QTest::newRow("25, page 1") << 25 << 1 << PageWay::Opening << 1 << 19 << 10;
    QTest::newRow("25, page 2") << 25 << 2 << PageWay::Next << 20 << 25 << 0;
    QTest::newRow("25, page 1 by Previous") << 25 << 1 << PageWay::Previous << 1 << 19 << 13;
    QTest::newRow("25, page 3") << 25 << 3 << PageWay::Next << 0 << 0 << 0;
}

// 19 foods a page; the date on the day's first row only; under every page
// the rule and the whole day's total.
void TestReportFamilies::foodsOverThePages()
{
    QFETCH(int, count);
    QFETCH(int, page);
    QFETCH(PageWay, way);
    QFETCH(int, firstRow);
    QFETCH(int, lastRow);
    QFETCH(int, dateColumn);
    const ReportInput in = foodsOf(foodsFolder(foods(count)));
    const ReportPage shown = FoodsReport().page(in, page, way);
    QVERIFY(shown.message.isEmpty());
    const Drawn d = draw(shown.page);
    QStringList rows;
    for (int i = firstRow; firstRow > 0 && i <= lastRow; ++i)
        rows << (i == 1 ? QStringLiteral("07-Dec-26 ") : QString()) + QStringLiteral("Milk Food %1 1 100").arg(i);
    QCOMPARE(foodRows(d), rows);
    QCOMPARE(d.lines.mid(0, 2), (QStringList{"Foods Eaten", "Date Consumed Category Food Servings Calories"}));
    QCOMPARE(d.lines.mid(d.lines.size() - 2),
             (QStringList{kRule, QStringLiteral("Total %1").arg(100 * count)}));
    QCOMPARE(d.column("07-Dec-26"), dateColumn);
    QCOMPARE(d.column("Foods Eaten"), 50);
    QCOMPARE(d.column("Calories"), 105);
    QCOMPARE(d.column(kRule), 105);
    QCOMPARE(d.column("Total"), 95);
    if (firstRow > 0) {
        QCOMPARE(d.column("Milk"), 38);
        QCOMPARE(d.column(QStringLiteral("Food %1").arg(firstRow)), 60);
        QCOMPARE(d.column(" 100 "), 130);
    }
    // Two empty lines between the heading and the day's first row only.
    QCOMPARE(d.transcript.contains("Calories\n\n\n"), firstRow == 1);
}

void TestReportFamilies::foodsServingsAndTotals_data()
{
    QTest::addColumn<QString>("calories");
    QTest::addColumn<QString>("servings");
    QTest::addColumn<QString>("row");  // the row's calories: calories x servings
    QTest::addColumn<int>("eaten");    // the total's share of one food
    QTest::newRow("1.5 servings of 100") << "100" << "1.5" << "150" << 150;
    QTest::newRow("2.5 servings of 100") << "100" << "2.5" << "250" << 250;
    QTest::newRow("1.5 servings of 33: 49.5 to even") << "33" << "1.5" << "49.5" << 50;
    QTest::newRow("2.5 servings of 13: 32.5 to even") << "13" << "2.5" << "32.5" << 32;
    QTest::newRow("1.1 servings of 33") << "33" << "1.1" << "36.3" << 36;
    QTest::newRow("0.5 servings of 90") << "90" << ".5" << "45" << 45;
}

// The row shows calories x servings; the total adds each food's calories as
// the journal and the pie chart count them, the nearest whole number with
// halves to even.
void TestReportFamilies::foodsServingsAndTotals()
{
    QFETCH(QString, calories);
    QFETCH(QString, servings);
    QFETCH(QString, row);
    QFETCH(int, eaten);
    const ReportInput in = foodsOf(foodsFolder(foods(3, calories, servings)));
    const Drawn screen = draw(FoodsReport().page(in, 1, PageWay::Opening).page);
    QCOMPARE(foodRows(screen).last(), QStringLiteral("Milk Food 3 %1 %2").arg(servings, row));
    QCOMPARE(screen.lines.last(), QStringLiteral("Total %1").arg(3 * eaten));
    const Drawn paper = draw(FoodsReport().printout(in).pages);
    QCOMPARE(paper.lines.last(), QStringLiteral("Total %1").arg(3 * eaten));
    QCOMPARE(foodRows(paper).last(), QStringLiteral("Milk Food 3 %1 %2").arg(servings, row));
    QCOMPARE(FoodsReport::read(in.dataFolder, kToday).total, 3.0 * eaten);
}

// Totals are kept in 32 bits: 40 foods of 1000 make 40000; a food that
// would take the day past 2147483647 is left out, and the file named.
void TestReportFamilies::foodsTotalBeyond32Bits()
{
    ReportInput in = foodsOf(foodsFolder(foods(40, "1000")));
    QCOMPARE(draw(FoodsReport().page(in, 3, PageWay::Next).page).lines.last(), QStringLiteral("Total 40000"));
    QVERIFY(FoodsReport().page(in, 3, PageWay::Next).message.isEmpty());

    in = foodsOf(foodsFolder(foods(2, "2000000000") + foods(1, "7")));
    const ReportPage page = FoodsReport().page(in, 1, PageWay::Opening);
    QCOMPARE(draw(page.page).lines.last(), QStringLiteral("Total 2000000007"));
    QCOMPARE(foodRows(draw(page.page)).size(), 2);
    QVERIFY2(page.message.contains(FoodDay::fileName(kToday)) && page.message.contains("line 2"),
             qPrintable(page.message));
    const ReportPrintout printout = FoodsReport().printout(in);
    QVERIFY(printout.print);
    QCOMPARE(printout.message, page.message);
}

// Foods of two date texts (a hand-edited file): the group before each
// change gets its own total, all of it, also when it began on an earlier
// page; the last group gets none.
void TestReportFamilies::foodsDateGroups()
{
    const ReportInput small = foodsOf(foodsFolder(foods(2, "100", "1.5", "06-Dec-26") + foods(1, "50", "1")));
    Drawn d = draw(FoodsReport().page(small, 1, PageWay::Opening).page);
    QCOMPARE(d.lines.mid(2), (QStringList{"06-Dec-26 Milk Food 1 1.5 150", "Milk Food 2 1.5 150",
                                          "Total for 06-Dec-26 300", "07-Dec-26 Milk Food 1 1 50", kRule,
                                          "Total 350"}));
    QCOMPARE(d.column("Total for 06-Dec-26"), 100);
    QCOMPARE(d.column(" 300 "), 130);
    QVERIFY(d.transcript.contains(" 300 \n\n\n07-Dec-26"));

    const ReportInput large = foodsOf(foodsFolder(foods(21, "10", "1", "06-Dec-26") + foods(1, "5", "1")));
    d = draw(FoodsReport().page(large, 2, PageWay::Next).page);
    QCOMPARE(d.lines.mid(2), (QStringList{"Milk Food 20 1 10", "Milk Food 21 1 10", "Total for 06-Dec-26 210",
                                          "07-Dec-26 Milk Food 1 1 5", kRule, "Total 215"}));
    QCOMPARE(d.column("07-Dec-26"), 13);

    // A group's line adds what its rows show; the day's total counts each
    // food to the nearest whole number, as the journal does.
    const ReportInput halves = foodsOf(foodsFolder(foods(2, "33", "1.5", "06-Dec-26") + foods(1, "50", "1")));
    d = draw(FoodsReport().page(halves, 1, PageWay::Opening).page);
    QCOMPARE(d.lines.mid(2), (QStringList{"06-Dec-26 Milk Food 1 1.5 49.5", "Milk Food 2 1.5 49.5",
                                          "Total for 06-Dec-26 99", "07-Dec-26 Milk Food 1 1 50", kRule,
                                          "Total 150"}));
}

// Every food in file order under the day's long date, no date column, no
// logo, the rule and the total in bold.
void TestReportFamilies::foodsPrintout()
{
    const ReportInput in = foodsOf(foodsFolder(foods(30, "90", "2")));
    const ReportPrintout printout = FoodsReport().printout(in);
    QVERIFY(printout.print);
    QVERIFY(printout.message.isEmpty());
    QVERIFY(!printout.clickSound);
    const Drawn d = draw(printout.pages);
    QStringList rows;
    for (int i = 1; i <= 30; ++i)
        rows << QStringLiteral("Milk Food %1 2 180").arg(i);
    QCOMPARE(foodRows(d), rows);
    QCOMPARE(d.lines.mid(0, 2), (QStringList{"Foods Eaten on " + DateText::longDate(kToday), "Category Food Servings Calories"}));
    QCOMPARE(d.lines.mid(d.lines.size() - 2), (QStringList{kRule, "Total 5400"}));
    QVERIFY(!d.transcript.contains("07-Dec-26"));
    QCOMPARE(d.column("Foods Eaten on " + DateText::longDate(kToday)), 25);
    QCOMPARE(d.column("Milk"), 7);
    QCOMPARE(d.column("Food 1"), 25);
    QCOMPARE(d.column("2"), 75);
    QCOMPARE(d.column(" 180 "), 95);
    QCOMPARE(d.column(kRule), 86);
    QCOMPARE(d.column("Total"), 68);
    QCOMPARE(d.column(" 5400 "), 86);
    bool bold = false;
    for (const ColumnPage::Op &op : printout.pages.ops()) {
        QVERIFY(op.kind != ColumnPage::Op::Picture);
        if (op.kind == ColumnPage::Op::Bold)
            bold = op.on;
        if (op.kind == ColumnPage::Op::Text && op.text == "Food 1")
            QVERIFY(!bold);
        if (op.kind == ColumnPage::Op::Text && op.text == "Total")
            QVERIFY(bold);
    }
}

void TestReportFamilies::foodsWithoutFoods_data()
{
    QTest::addColumn<bool>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("no day file") << false << QByteArray();
    QTest::newRow("empty day file (its last food deleted)") << true << QByteArray();
    QTest::newRow("blank lines") << true << QByteArray("\r\n\r\n");
}

// A day without foods: the title and heading, and the sentence of the page;
// the printout sends nothing to the printer.
void TestReportFamilies::foodsWithoutFoods()
{
    QFETCH(bool, file);
    QFETCH(QByteArray, bytes);
    const QString folder = file ? foodsFolder(bytes) : TestEnvironment::freshFolder();
    const ReportInput in = foodsOf(folder);
    const ReportPage first = FoodsReport().page(in, 1, PageWay::Opening);
    QCOMPARE(first.message, QStringLiteral("No foods have been entered in for this day."));
    QCOMPARE(draw(first.page).lines, (QStringList{"Foods Eaten", "Date Consumed Category Food Servings Calories"}));
    const ReportPage next = FoodsReport().page(in, 2, PageWay::Next);
    QCOMPARE(next.message, QStringLiteral("No foods have been entered in this month."));
    QCOMPARE(FoodsReport().page(in, 1, PageWay::Previous).message, next.message);
    const ReportPrintout printout = FoodsReport().printout(in);
    QVERIFY(!printout.print);
    QVERIFY(printout.pages.isEmpty());
    QCOMPARE(printout.message, next.message);
}

// A food that cannot be read is passed over with its line, the others are
// shown and counted, and the file is named on every page and on paper; a
// file that cannot be read at all prints nothing.
void TestReportFamilies::foodsDamagedDay()
{
    const QByteArray bad = "\"07-Dec-26\",\"Milk\",\"Cheese\",\"lots\",\"1\"\r\n";
    const ReportInput in = foodsOf(foodsFolder(foods(2) + bad + foods(1, "50")));
    const QString name = FoodDay::fileName(kToday);
    for (const PageWay way : {PageWay::Opening, PageWay::Next}) {
        const ReportPage page = FoodsReport().page(in, way == PageWay::Opening ? 1 : 2, way);
        QVERIFY2(page.message.contains(name) && page.message.contains("line 3"), qPrintable(page.message));
        QCOMPARE(draw(page.page).lines.last(), QStringLiteral("Total 250"));
    }
    QCOMPARE(foodRows(draw(FoodsReport().page(in, 1, PageWay::Opening).page)).size(), 3);
    const ReportPrintout printout = FoodsReport().printout(in);
    QVERIFY(printout.print);
    QVERIFY(printout.message.contains(name));

    // A directory in the file's place: named, nothing printed.
    const QString folder = TestEnvironment::freshFolder();
    QVERIFY(QDir(folder).mkdir(name));
    const ReportPrintout none = FoodsReport().printout(foodsOf(folder));
    QVERIFY(!none.print);
    QVERIFY2(none.message.contains(name), qPrintable(none.message));
    QVERIFY(FoodsReport().page(foodsOf(folder), 1, PageWay::Opening).message.contains(name));
}

// ---------------------------------------------------------------------------
// Exercise descriptions

void TestReportFamilies::descriptionLineBreaks_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("at");
    QTest::addColumn<QStringList>("lines");
    const QString a104 = QString(104, u'a');
    QTest::newRow("104 characters") << a104 << 105 << QStringList{a104};
    const QString blankAt105 = a104 + " end";
    QTest::newRow("a blank exactly at 105") << blankAt105 << 105 << QStringList{a104 + " ", "end"};
    const QString blankAt104 = QString(103, u'a') + " bbb ccc";
    QTest::newRow("a blank at 104 is not enough") << blankAt104 << 105
                                                  << QStringList{QString(103, u'a') + " bbb ", "ccc"};
    const QString noBlankAfter = "a b " + QString(200, u'c');
    QTest::newRow("no blank at or after 105") << noBlankAfter << 105 << QStringList{noBlankAfter};
    QTest::newRow("empty") << QString() << 105 << QStringList{};
    // 300 characters: words of nine letters and a blank.
    QString words;
    while (words.size() < 300)
        words += "abcdefghi ";
    words.chop(1); // ends in a letter
    QTest::newRow("300 on the screen") << words << 105 << QStringList{words.left(110), words.mid(110, 110), words.mid(220)};
    QTest::newRow("300 on paper") << words << 95 << QStringList{words.left(100), words.mid(100, 100), words.mid(200)};
    QTest::newRow("typed line breaks") << "Stand.\r\nLift.\r\n\r\nRest.\r\n" << 105
                                       << QStringList{"Stand.", "Lift.", "", "Rest."};
}

void TestReportFamilies::descriptionLineBreaks()
{
    QFETCH(QString, description);
    QFETCH(int, at);
    QFETCH(QStringList, lines);
    QCOMPARE(DescriptionReport::lines(description, at), lines);
}

// One exercise a page in list order: its group and name, then its
// description from column 10; past the last selected, the title alone.
void TestReportFamilies::descriptionPages()
{
    const QString folder = TestEnvironment::freshFolder();
    const QString long_ = QString(100, u'x') + " and then some more words";
    TestEnvironment::writeFile(folder, WeightCatalogue::kFileName,
                               "\"Bi\",\"Curl\",\"Curl the bar.\",3\r\n\"Le\",\"Squat\",\"" + long_.toLatin1()
                                   + "\",2\r\n\"Ch\",\"Press\",\"\",1\r\n\"Sh\",\"Shrug\",\"Up.\",1\r\n");
    const ReportInput in = choice(folder, 3, QString(), {"Curl", "Squat", "Shrug", "Press"}, {0, 1, 3});
    const DescriptionReport report;
    const QString title = QStringLiteral("Exercise Description");
    Drawn d = draw(report.page(in, 1, PageWay::Opening).page);
    QCOMPARE(d.lines, (QStringList{title, "Biceps Curl", "Curl the bar."}));
    QCOMPARE(d.column(title), 40);
    QCOMPARE(d.column("Biceps"), 3);
    QCOMPARE(d.column("Curl"), 20);
    QCOMPARE(d.column("Curl the bar."), 10);
    QVERIFY(d.transcript.contains("Curl\n\n\nCurl the bar.\n\n\n"));
    d = draw(report.page(in, 2, PageWay::Next).page);
    // The blank at 101 is too early; the one at 105 ends the line.
    QCOMPARE(d.lines, (QStringList{title, "Legs Squat", QString(100, u'x') + " and", "then some more words"}));
    // An empty description: the name and the empty lines alone.
    d = draw(report.page(in, 3, PageWay::Next).page);
    QCOMPARE(d.lines, (QStringList{title, "Chest Press"}));
    QVERIFY(d.transcript.endsWith("Press\n\n\n\n\n"));
    QCOMPARE(draw(report.page(in, 4, PageWay::Next).page).lines, QStringList{title});
    QCOMPARE(draw(report.page(in, 2, PageWay::Previous).page).lines.at(1), QStringLiteral("Legs Squat"));
    QVERIFY(report.page(in, 1, PageWay::Opening).message.isEmpty());
}

// Every selected exercise one after the other under the logo and the title,
// descriptions broken at 95.
void TestReportFamilies::descriptionPrintout()
{
    const QString folder = TestEnvironment::freshFolder();
    QFile::copy(kDataDir + "/smallglobe.jpg", folder + "/smallglobe.jpg");
    const QString long_ = QString(94, u'x') + " and then some";
    TestEnvironment::writeFile(folder, WeightCatalogue::kFileName,
                               "\"Tr\",\"Dip\",\"" + long_.toLatin1() + "\",3\r\n\"Ba\",\"Row\",\"Pull.\",2\r\n");
    const ReportInput in = choice(folder, 3, "Weightlifting", {"Dip", "Row"}, {0, 1});
    const ReportPrintout printout = DescriptionReport().printout(in);
    QVERIFY(printout.print);
    QVERIFY(printout.message.isEmpty());
    const Drawn d = draw(printout.pages);
    QCOMPARE(d.lines, (QStringList{"Exercise Description", "Triceps Dip", QString(94, u'x'), "and then some",
                                   "Back Row", "Pull."}));
    QCOMPARE(d.column("Exercise Description"), 35);
    QCOMPARE(d.column("Back"), 3);
    QCOMPARE(d.column("Row"), 20);
    QCOMPARE(d.column("Pull."), 10);
    int pictures = 0;
    for (const ColumnPage::Op &op : printout.pages.ops())
        pictures += op.kind == ColumnPage::Op::Picture;
    QCOMPARE(pictures, 1);
}

// A name the catalogue no longer has shows alone, never another exercise's
// group or description; a damaged catalogue that may hide it is named; a
// code of no group shows as stored.
void TestReportFamilies::descriptionUnknownExercise()
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, WeightCatalogue::kFileName,
                               "\"Bi\",\"Curl\",\"Curl the bar.\",3\r\n\"Ab\",\"Crunch\",\"Crunch.\",1\r\n");
    const ReportInput in = choice(folder, 3, QString(), {"Ghost", "Crunch"}, {0, 1});
    ReportPage page = DescriptionReport().page(in, 1, PageWay::Opening);
    QCOMPARE(draw(page.page).lines, (QStringList{"Exercise Description", "Ghost"}));
    QVERIFY(page.message.isEmpty());
    QCOMPARE(draw(DescriptionReport().page(in, 2, PageWay::Next).page).lines,
             (QStringList{"Exercise Description", "Ab Crunch", "Crunch."}));
    QCOMPARE(draw(DescriptionReport().printout(in).pages).lines,
             (QStringList{"Exercise Description", "Ghost", "Ab Crunch", "Crunch."}));

    TestEnvironment::writeFile(folder, WeightCatalogue::kFileName, "\"Bi\",\"Curl\",\"Curl the bar.\"");
    page = DescriptionReport().page(in, 1, PageWay::Opening);
    QVERIFY2(page.message.contains(WeightCatalogue::kFileName), qPrintable(page.message));
    QVERIFY(DescriptionReport().printout(in).message.contains(WeightCatalogue::kFileName));
}

PULSAR_TEST_MAIN(TestReportFamilies)
#include "tst_reportfamilies.moc"
