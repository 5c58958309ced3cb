#include "common/DateText.h"
#include "common/RecordingSurface.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "nutrition/FoodDay.h"
#include "nutrition/mCalories.h"
#include "support/TestEnvironment.h"

#include <QtTest>

using namespace mCalories;
using Call = RecordingSurface::Call;

namespace {

const QString kExercise = QStringLiteral("ExerciseCalories.txt");

Balance made(qint64 intake, qint64 metabolism, double exercise)
{
    Balance b;
    b.intake = intake;
    b.metabolism = metabolism;
    b.exercise = exercise;
    return b;
}

} // namespace

class TestCaloricBalance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void metabolismOfTheSettings_data();
    void metabolismOfTheSettings();
    void numberOfDays_data();
    void numberOfDays();
    void journalsOfThePeriod_data();
    void journalsOfThePeriod();
    void longJournalsAreSearched_data();
    void longJournalsAreSearched();
    void sharesAndWedges_data();
    void sharesAndWedges();
};

void TestCaloricBalance::metabolismOfTheSettings_data()
{
    QTest::addColumn<QString>("weight"); // null: not stored
    QTest::addColumn<QString>("met");
    QTest::addColumn<int>("days");
    QTest::addColumn<qint64>("metabolism");
    QTest::newRow("defaults, a week") << QString() << QString() << 7 << qint64(6650);
    QTest::newRow("95, 0, 7 days") << "95" << "0" << 7 << qint64(6650);
    QTest::newRow("160, -250, 30 days") << "160" << "-250" << 30 << qint64(40500);
    QTest::newRow("1502.5 to the even below") << "150.25" << "0" << 1 << qint64(1502);
    QTest::newRow("1507.5 to the even above") << "150.75" << "0" << 1 << qint64(1508);
    QTest::newRow("a weight that is no number") << "heavy" << "0" << 7 << qint64(6650);
    QTest::newRow("an adjustment that is no number") << "160" << "lots" << 1 << qint64(1600);
    QTest::newRow("the longest period") << "32767" << "32767" << 366 << qint64(131919942);
}

void TestCaloricBalance::metabolismOfTheSettings()
{
    QFETCH(QString, weight);
    QFETCH(QString, met);
    QFETCH(int, days);
    QFETCH(qint64, metabolism);
    Settings settings(TestEnvironment::freshFolder() + QStringLiteral("/s.ini"));
    if (!weight.isNull())
        settings.set(SettingKeys::PersonalInformation, SettingKeys::Weight, weight);
    if (!met.isNull())
        settings.set(SettingKeys::PersonalInformation, SettingKeys::Met, met);
    QCOMPARE(mCalories::metabolism(settings, days), metabolism);
}

void TestCaloricBalance::numberOfDays_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("problem");
    QTest::newRow("one") << "1" << 1 << QString();
    QTest::newRow("an offered number") << "120" << 120 << QString();
    QTest::newRow("typed with blanks") << " 14 " << 14 << QString();
    QTest::newRow("the most") << "366" << 366 << QString();
    QTest::newRow("one too many") << "367" << 0 << kTooGreat;
    QTest::newRow("far too many") << "99999999999" << 0 << kTooGreat;
    QTest::newRow("the design text") << "Select Days To View Up Until" << 0 << kChooseDays;
    QTest::newRow("empty") << "" << 0 << kChooseDays;
    QTest::newRow("none") << "0" << 0 << kChooseDays;
    QTest::newRow("negative") << "-7" << 0 << kChooseDays;
    QTest::newRow("a fraction") << "1.5" << 0 << kChooseDays;
}

void TestCaloricBalance::numberOfDays()
{
    QFETCH(QString, text);
    QFETCH(int, days);
    QFETCH(QString, problem);
    const Days d = daysOf(text);
    QCOMPARE(d.days, days);
    QCOMPARE(d.problem, problem);
}

void TestCaloricBalance::journalsOfThePeriod_data()
{
    QTest::addColumn<QByteArray>("food");     // null: no file
    QTest::addColumn<QByteArray>("exercise"); // null: no file
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("days");
    QTest::addColumn<qint64>("intake");
    QTest::addColumn<double>("burnt");
    QTest::addColumn<QStringList>("named"); // the files the problems name

    const QDate dec1(2026, 12, 1);
    // Newest first; a record after the period, the period, a record older
    // than it that ends the reading, and records standing out of order.
    QTest::newRow("a logged week")
        << QByteArray("\"08-Dec-26\",500\r\n\"07-Dec-26\",300\r\n\"05-Dec-26\",200\r\n\"09-Dec-26\",900\r\n"
                      "\"01-Dec-26\",100\r\n\"30-Nov-26\",50\r\n\"03-Dec-26\",1000\r\n")
        << QByteArray("\"07-Dec-26\",142.5\r\n\"06-Dec-26\",40\r\n\"09-Dec-26\",7\r\n\"30-Nov-26\",5\r\n"
                      "\"02-Dec-26\",1000\r\n")
        << dec1 << 7 << qint64(600) << 182.0 << QStringList();
    QTest::newRow("an empty week") << QByteArray("") << QByteArray("") << dec1 << 7 << qint64(0) << 0.0
                                   << QStringList();
    QTest::newRow("no journals") << QByteArray() << QByteArray() << dec1 << 7 << qint64(0) << 0.0 << QStringList();
    QTest::newRow("corrections outweigh the food")
        << QByteArray("\"03-Dec-26\",-500\r\n\"03-Dec-26\",200\r\n\"02-Dec-26\",-90\r\n") << QByteArray()
        << dec1 << 7 << qint64(-390) << 0.0 << QStringList();
    QTest::newRow("one day") << QByteArray("\"02-Dec-26\",7\r\n\"01-Dec-26\",11\r\n\"30-Nov-26\",13\r\n")
                             << QByteArray("\"01-Dec-26\",3.5\r\n") << dec1 << 1 << qint64(11) << 4.0
                             << QStringList();
    QTest::newRow("120 days from 1 March")
        << QByteArray("\"29-Jun-26\",1\r\n\"28-Jun-26\",10\r\n\"01-Mar-26\",100\r\n\"28-Feb-26\",1000\r\n")
        << QByteArray() << QDate(2026, 3, 1) << 120 << qint64(110) << 0.0 << QStringList();
    // A record that cannot be read is passed over with its line; the next
    // line is read again.
    QTest::newRow("damaged records")
        << QByteArray("\"07-Dec-26\",300\r\n\"0x-Dec-26\",5\r\n\"05-Dec-26\",abc\r\n\"05-Dec-26\"\r\n"
                      "\"04-Dec-26\",100\r\n")
        << QByteArray("\"06-Dec-26\",40\r\n") + QByteArray("\x00\x81\xff\r\n", 5) + "\"05-Dec-26\",2\r\n" << dec1 << 7 << qint64(400)
        << 42.0 << QStringList{"FoodEnergy.txt", kExercise};
    QTest::newRow("beyond 32 bits")
        << QByteArray("\"07-Dec-26\",3000000000\r\n\"06-Dec-26\",10\r\n") << QByteArray() << dec1 << 7
        << qint64(10) << 0.0 << QStringList{"FoodEnergy.txt"};
}

void TestCaloricBalance::journalsOfThePeriod()
{
    QFETCH(QByteArray, food);
    QFETCH(QByteArray, exercise);
    QFETCH(QDate, start);
    QFETCH(int, days);
    QFETCH(qint64, intake);
    QFETCH(double, burnt);
    QFETCH(QStringList, named);
    const QString folder = TestEnvironment::freshFolder();
    if (!food.isNull())
        TestEnvironment::writeFile(folder, FoodDay::kJournalFileName, food);
    if (!exercise.isNull())
        TestEnvironment::writeFile(folder, kExercise, exercise);
    Settings settings(folder + QStringLiteral("/s.ini"));

    const Balance b = CaloricBalance(folder, settings, start, days);
    QCOMPARE(b.start, start);
    QCOMPARE(b.end, start.addDays(days - 1));
    QCOMPARE(b.days, days);
    QCOMPARE(b.intake, intake);
    QCOMPARE(b.exercise, burnt);
    QCOMPARE(b.metabolism, qint64(950) * days);
    QCOMPARE(b.problems.size(), named.size());
    for (qsizetype i = 0; i < named.size(); ++i)
        QVERIFY2(b.problems[i].contains(named[i]), qPrintable(b.problems[i]));
    if (!food.isNull())
        QCOMPARE(TestEnvironment::readFile(folder, FoodDay::kJournalFileName), food);
}

// A journal of many years is searched for the period instead of read from
// its start: the sums are those of every record of the period, wherever the
// period lies, and damage in it is named with its own line.
void TestCaloricBalance::longJournalsAreSearched_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("damagedLine"); // 0: none

    // 40000 records, three a day back from 31 December 2049 (about 37 years).
    const QDate newest(2049, 12, 31);
    QTest::newRow("the newest week") << newest.addDays(-6) << 7 << 0;
    QTest::newRow("a year in the middle") << newest.addDays(-7000) << 366 << 0;
    QTest::newRow("the oldest days") << newest.addDays(-13333) << 120 << 0;
    QTest::newRow("before the journal") << QDate(1970, 1, 1) << 366 << 0;
    QTest::newRow("the newest day") << newest << 1 << 0;
    QTest::newRow("damage in the period") << newest.addDays(-7000) << 30 << 3 * 6990 + 2;
    QTest::newRow("damage among newer records is not looked for") << newest.addDays(-7000) << 30 << 3000;
}

void TestCaloricBalance::longJournalsAreSearched()
{
    QFETCH(QDate, start);
    QFETCH(int, days);
    QFETCH(int, damagedLine);
    const QDate newest(2049, 12, 31);
    const QDate end = start.addDays(days - 1);
    QByteArray journal;
    qint64 expected = 0;
    for (int i = 0; i < 40000; ++i) {
        const QDate date = newest.addDays(-i / 3);
        const int calories = 100 + (i * 37) % 900;
        if (i + 1 == damagedLine) {
            journal += "\"" + DateText::medium(date).toLatin1() + "\",12x\r\n";
            continue;
        }
        journal += "\"" + DateText::medium(date).toLatin1() + "\"," + QByteArray::number(calories) + "\r\n";
        if (date >= start && date <= end)
            expected += calories;
    }
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, FoodDay::kJournalFileName, journal);
    Settings settings(folder + QStringLiteral("/s.ini"));
    const Balance b = CaloricBalance(folder, settings, start, days);
    QCOMPARE(b.intake, expected);
    const QDate damagedDate = newest.addDays(-(damagedLine - 1) / 3);
    if (damagedLine > 0 && damagedDate >= start && damagedDate <= end) {
        QCOMPARE(b.problems.size(), 1);
        QVERIFY2(b.problems[0].contains(QStringLiteral("(line %1)").arg(damagedLine)), qPrintable(b.problems[0]));
    } else {
        QCOMPARE(b.problems, QStringList());
    }
}

void TestCaloricBalance::sharesAndWedges_data()
{
    QTest::addColumn<qint64>("intake");
    QTest::addColumn<qint64>("metabolism");
    QTest::addColumn<double>("exercise");
    QTest::addColumn<QList<double>>("shares");  // intake, metabolism, exercise
    QTest::addColumn<QList<double>>("wedges");  // intake, exercise, metabolism; empty: no pie
    QTest::newRow("an empty week") << qint64(0) << qint64(6650) << 0.0 << QList<double>{0, 1, 0}
                                   << QList<double>{15, 15, 6650};
    QTest::newRow("a logged week") << qint64(600) << qint64(6650) << 182.0
                                   << QList<double>{600 / 7432.0, 6650 / 7432.0, 182 / 7432.0}
                                   << QList<double>{600, 182, 6650};
    QTest::newRow("a negative intake") << qint64(-300) << qint64(1600) << 100.0
                                       << QList<double>{0, 1600 / 1700.0, 100 / 1700.0}
                                       << QList<double>{15, 100, 1600};
    QTest::newRow("nothing above 0") << qint64(-300) << qint64(0) << 0.0 << QList<double>{0, 0, 0}
                                     << QList<double>{};
    QTest::newRow("metabolism below 0") << qint64(0) << qint64(-100) << 0.0 << QList<double>{0, 0, 0}
                                        << QList<double>{};
}

// The shares are of the values shown; the pie keeps a visible wedge for
// an intake or exercise of 0 and never draws a negative one.
void TestCaloricBalance::sharesAndWedges()
{
    QFETCH(qint64, intake);
    QFETCH(qint64, metabolism);
    QFETCH(double, exercise);
    QFETCH(QList<double>, shares);
    QFETCH(QList<double>, wedges);
    const Balance b = made(intake, metabolism, exercise);
    const Shares s = mCalories::shares(b);
    QCOMPARE(QList<double>({s.intake, s.metabolism, s.exercise}), shares);

    RecordingSurface surface(QSizeF(329, 265));
    DrawCaloricBalance(surface, b);
    QCOMPARE(surface.calls(Call::Line).size(), 501);
    const QList<Call> drawn = surface.calls(Call::Wedge);
    if (wedges.isEmpty()) {
        QVERIFY(drawn.isEmpty());
        return;
    }
    QList<double> values;
    for (const PieChart::Part &p : pieParts(b))
        values.append(p.value);
    QCOMPARE(values, wedges);
    // Every wedge runs counter-clockwise from where the one before ended.
    const QList<PieChart::Angles> a = PieChart::angles(values, PieChart::total(pieParts(b)));
    for (const PieChart::Angles &w : a)
        QVERIFY(w.end <= w.start);
    QCOMPARE(drawn.last().colour, QColor(Qt::black));
}

PULSAR_TEST_MAIN_CORE(TestCaloricBalance)
#include "tst_caloricbalance.moc"
