#include "common/RecordingSurface.h"
#include "nutrition/FoodDay.h"
#include "nutrition/mFoodPieChart.h"
#include "support/TestEnvironment.h"

#include <QtTest>

using namespace mFoodPieChart;
using Call = RecordingSurface::Call;

namespace {

const QDate kDay(2026, 12, 7);

QByteArray food(const char *category, const char *calories, const char *servings)
{
    return FoodDay::line(QStringLiteral("07-Dec-26"), QString::fromLatin1(category), QStringLiteral("A food"),
                         QString::fromLatin1(calories), QString::fromLatin1(servings));
}

// Meat, Milk, Grain, Other, Fruit.
using Five = QList<double>;

Five caloriesOf(const Totals &t)
{
    Five out;
    for (int c = 0; c < kCategories; ++c)
        out.append(t.calories(c));
    return out;
}

} // namespace

class TestFoodPieChart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void caloriesOfTheDay_data();
    void caloriesOfTheDay();
    void sharesAndWedges_data();
    void sharesAndWedges();
    void emptyDayShowsTheSentence();
};

void TestFoodPieChart::caloriesOfTheDay_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no file for the day
    QTest::addColumn<Five>("calories");
    QTest::addColumn<bool>("told"); // a message names the file
    QTest::newRow("no file") << QByteArray() << Five{0, 0, 0, 0, 0} << false;
    QTest::newRow("an empty file") << QByteArray("") << Five{0, 0, 0, 0, 0} << false;
    QTest::newRow("milk 90 x 2") << food("Milk", "90", "2") << Five{0, 180, 0, 0, 0} << false;
    // The nearest whole number of the total with its start: 82.5 gives 82.
    QTest::newRow("45 x 1.5 once") << food("Grain", "45", "1.5") << Five{0, 0, 67, 0, 0} << false;
    QTest::newRow("45 x 1.5 twice") << food("Grain", "45", "1.5") + food("Grain", "45", "1.5")
                                    << Five{0, 0, 135, 0, 0} << false;
    QTest::newRow("the stored words alone count")
        << food("Fruit", "60", "1") + food("Veg&Fruits", "70", "1") + food("milk", "80", "1")
               + food(" Milk", "90", "1") + food("Other", "100", "1") + food("Meat", "250", "0.5")
        << Five{125, 0, 0, 100, 60} << false;
    // A record that cannot be read is left out with its line; the rest count.
    QTest::newRow("damaged records")
        << food("Meat", "200", "1") + "\"07-Dec-26\",\"Milk\",\"Cheese\",\"lots\",\"1\"\r\n"
               + "\"07-Dec-26\",\"Milk\",\"Cut off\r\n" + QByteArray("\x00\x81\xff\r\n", 5) + food("Milk", "90", "1")
               + food("Other", "-50", "1")
        << Five{200, 90, 0, 0, 0} << true;
    QTest::newRow("large days") << food("Meat", "30000", "2") + food("Meat", "30000", "2")
                                << Five{120000, 0, 0, 0, 0} << false;
    // A food that would take its group beyond 32 bits is left out.
    QTest::newRow("beyond 32 bits") << food("Meat", "1e300", "1e300") + food("Meat", "2000000000", "1")
                                           + food("Meat", "200000000", "1") + food("Milk", "5", "1")
                                    << Five{2000000000, 5, 0, 0, 0} << true;
}

void TestFoodPieChart::caloriesOfTheDay()
{
    QFETCH(QByteArray, file);
    QFETCH(Five, calories);
    QFETCH(bool, told);
    const QString folder = TestEnvironment::freshFolder();
    if (!file.isNull())
        TestEnvironment::writeFile(folder, FoodDay::fileName(kDay), file);
    const Day day = dayFood(folder, kDay);
    QCOMPARE(day.date, kDay);
    QCOMPARE(caloriesOf(day.totals), calories);
    QCOMPARE(!day.problem.isEmpty(), told);
    if (told)
        QVERIFY2(day.problem.contains(FoodDay::fileName(kDay)), qPrintable(day.problem));
    if (!file.isNull())
        QCOMPARE(TestEnvironment::readFile(folder, FoodDay::fileName(kDay)), file);
}

void TestFoodPieChart::sharesAndWedges_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Five>("shares");
    QTest::addColumn<Five>("wedges");
    QTest::newRow("milk alone") << food("Milk", "90", "2") << Five{0, 1, 0, 0, 0} << Five{15, 195, 15, 15, 15};
    QTest::newRow("three groups") << food("Meat", "300", "1") + food("Fruit", "100", "1") + food("Grain", "100", "1")
                                  << Five{0.6, 0, 0.2, 0, 0.2} << Five{315, 15, 115, 15, 115};
}

void TestFoodPieChart::sharesAndWedges()
{
    QFETCH(QByteArray, file);
    QFETCH(Five, shares);
    QFETCH(Five, wedges);
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, FoodDay::fileName(kDay), file);
    const Day day = dayFood(folder, kDay);
    const auto s = mFoodPieChart::shares(day.totals);
    QCOMPARE(Five(s.begin(), s.end()), shares);
    Five values;
    for (const PieChart::Part &p : pieParts(day.totals))
        values.append(p.value);
    QCOMPARE(values, wedges);

    RecordingSurface surface(QSizeF(329, 265));
    DrawFoodPieChart(surface, day.totals);
    QVERIFY(surface.texts().isEmpty());
    const QList<Call> outlines = [&] {
        QList<Call> out;
        for (const Call &c : surface.calls(Call::Wedge))
            if (c.colour == QColor(Qt::black))
                out.append(c);
        return out;
    }();
    QCOMPARE(outlines.size(), 5);
    // Milk alone: 195 of 255, about 76% of the turn of 6.28.
    if (shares[1] == 1)
        QVERIFY(qAbs((outlines[1].end - outlines[1].start) - 195.0 / 255 * 6.28) < 1e-5);
}

// A day with nothing to show: zeros, the background and the sentence, no
// wedge.
void TestFoodPieChart::emptyDayShowsTheSentence()
{
    for (const QByteArray &file : {QByteArray(), QByteArray(""), food("Veg&Fruits", "70", "1"), food("Milk", "0", "3")}) {
        const QString folder = TestEnvironment::freshFolder();
        if (!file.isNull())
            TestEnvironment::writeFile(folder, FoodDay::fileName(kDay), file);
        const Day day = dayFood(folder, kDay);
        QVERIFY(!hasFood(day.totals));
        const auto s = mFoodPieChart::shares(day.totals);
        QCOMPARE(Five(s.begin(), s.end()), (Five{0, 0, 0, 0, 0}));
        RecordingSurface surface(QSizeF(329, 265));
        DrawFoodPieChart(surface, day.totals);
        QCOMPARE(surface.calls(Call::Line).size(), 501);
        QVERIFY(surface.calls(Call::Wedge).isEmpty());
        const Call *sentence = surface.text(kNoFood);
        QVERIFY(sentence);
        QCOMPARE(sentence->from, QPointF(50, 250));
        QCOMPARE(sentence->colour, QColor(Qt::white));
    }
}

PULSAR_TEST_MAIN_CORE(TestFoodPieChart)
#include "tst_foodpiechart.moc"
