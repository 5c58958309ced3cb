#include "common/DateText.h"
#include "common/RecordingSurface.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "profile/WeightGoal.h"
#include "profile/WeightHistory.h"
#include "profile/mBMI.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QtTest>

using Call = RecordingSurface::Call;

namespace {

const QDate kNewest(2026, 12, 7);

// A history line: date text, age, weight, height.
QByteArray record(const QString &date, double weight, double height = 70)
{
    return QStringLiteral("\"%1\",40,%2,%3\r\n").arg(date).arg(weight).arg(height).toLatin1();
}

// `count` records, newest first, one day apart from kNewest backwards; the
// weight of record n (from 1) is 100 + n, so a drawn value names its record.
QByteArray history(int count)
{
    QByteArray bytes;
    for (int n = 1; n <= count; ++n)
        bytes += record(DateText::medium(kNewest.addDays(1 - n)), 100 + n);
    return bytes;
}

QString folderWith(const QByteArray &bytes)
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, WeightHistory::kFileName, bytes);
    return folder;
}

// The front faces of the columns: the filled boxes in the column green.
QList<Call> fronts(const RecordingSurface &s)
{
    QList<Call> out;
    for (const Call &c : s.calls(Call::Box))
        if (c.colour == QColor(25, 255, 25))
            out.append(c);
    return out;
}

// The records drawn, by the value each carries (100 + its number).
QList<int> drawnRecords(const mBMI::Sampling &taken)
{
    QList<int> out;
    for (const mBMI::Point &p : taken.points)
        out.append(int(p.value) - 100);
    return out;
}

// The last text printed as `text` (a value label comes after the scale
// number it may equal).
std::optional<Call> lastText(const RecordingSurface &s, const QString &text)
{
    std::optional<Call> found;
    for (const Call &c : s.calls(Call::Text))
        if (c.text == text)
            found = c;
    return found;
}

QList<int> series(int first, int step, int count)
{
    QList<int> out;
    for (int i = 0; i < count; ++i)
        out.append(first + i * step);
    return out;
}

} // namespace

class TestBMIChart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void periodTakesItsRecords_data();
    void periodTakesItsRecords();
    void sevenColumnsFromTheNewest();
    void labelsOnEveryNthRecord_data();
    void labelsOnEveryNthRecord();
    void emptyPlacesKeepTheirSlot_data();
    void emptyPlacesKeepTheirSlot();
    void valuesAndHeights_data();
    void valuesAndHeights();
    void frameOnlyWithoutRecords_data();
    void frameOnlyWithoutRecords();
    void columnStrokes();
    void lineRibbonJoinsNewerToOlder();
    void everyChartStartsItsOwnLine();
    void paperDiffersFromScreen();
    void secondPrintoutKeepsItsLabelsVisible();
    void unknownPeriodSaysSoOnce();
    void unreadableRecordIsReportedWhenNeeded_data();
    void unreadableRecordIsReportedWhenNeeded();
    void goalLabelWhenAGoalIsStored();

    void goalSentences_data();
    void goalSentences();
    void shownRateKeepsWholeDigits_data();
    void shownRateKeepsWholeDigits();

private:
    std::unique_ptr<Settings> m_settings;
};

void TestBMIChart::init()
{
    m_settings = std::make_unique<Settings>(TestEnvironment::freshFolder() + QStringLiteral("/s.ini"));
}

void TestBMIChart::cleanup()
{
    m_settings.reset();
}

void TestBMIChart::periodTakesItsRecords_data()
{
    QTest::addColumn<QString>("period");
    QTest::addColumn<int>("records");
    QTest::addColumn<QList<int>>("drawn");
    QTest::addColumn<double>("firstX");
    QTest::addColumn<double>("gapX");

    QTest::newRow("7 of 10") << "Last 7 Entries" << 10 << series(1, 1, 7) << 870.0 << 130.0;
    QTest::newRow("7 of 3") << "Last 7 Entries" << 3 << series(1, 1, 3) << 870.0 << 130.0;
    QTest::newRow("14 of 20") << "Last 14 Entries" << 20 << series(1, 1, 14) << 885.0 << 65.0;
    QTest::newRow("30 takes 28") << "Last 30 Entries" << 40 << series(1, 1, 28) << 897.5 << 32.5;
    QTest::newRow("60: every 2nd of 56") << "Last 60 Entries" << 80 << series(1, 2, 28) << 897.5 << 32.5;
    QTest::newRow("90: every 4th") << "Last 90 Entries" << 200 << series(1, 4, 28) << 897.5 << 32.5;
    QTest::newRow("180: every 8th") << "Last 180 Entries" << 400 << series(1, 8, 28) << 897.5 << 32.5;
    QTest::newRow("360: every 12th") << "Last 360 Entries" << 400 << series(1, 12, 28) << 897.5 << 32.5;
    QTest::newRow("360 of 30") << "Last 360 Entries" << 30 << QList<int>{1, 13, 25} << 897.5 << 32.5;
}

void TestBMIChart::periodTakesItsRecords()
{
    QFETCH(QString, period);
    QFETCH(int, records);
    QFETCH(QList<int>, drawn);
    QFETCH(double, firstX);
    QFETCH(double, gapX);

    const auto p = ViewingPeriod::fromText(period);
    QVERIFY(p);
    const QString folder = folderWith(history(records));
    const mBMI::Sampling taken = mBMI::sample(WeightHistory(folder).read(), *p, mBMI::Kind::Weight);
    QCOMPARE(drawnRecords(taken), drawn);
    QVERIFY(taken.problem.isEmpty());
    // Each record taken stands one place further left.
    for (int i = 0; i < taken.points.size(); ++i) {
        QCOMPARE(taken.points[i].count, i + 1);
        QCOMPARE(mBMI::pointX(taken.points[i].count, p->step), firstX - gapX * i);
    }
}

void TestBMIChart::sevenColumnsFromTheNewest()
{
    RecordingSurface s;
    const QString folder = folderWith(history(8));
    QCOMPARE(mBMI::ShowBMIChart(s, folder, *m_settings, QStringLiteral("Last 7 Entries"),
                                mBMI::kWeightOnly, mBMI::kColumns),
             QString());
    const QList<Call> faces = fronts(s);
    QCOMPARE(faces.size(), 7);
    for (int i = 0; i < 7; ++i) {
        const double x = 870 - 130 * i;
        QCOMPARE(faces[i].from.x(), x + 45);
        QCOMPARE(faces[i].to, QPointF(x + 60, 60));
        // Its date under the floor and its value above it, in white.
        const Call *date = s.text(DateText::dayMonth(kNewest.addDays(-i)));
        QVERIFY(date);
        QCOMPARE(date->from, QPointF(x + 10, 50));
        QCOMPARE(date->colour, QColor(Qt::white));
        QVERIFY(s.text(QStringLiteral(" %1").arg(101 + i)));
    }
    QVERIFY(!s.text(QStringLiteral(" 108")));
    QCOMPARE(s.texts().at(10), QStringLiteral("7-Dec"));
}

void TestBMIChart::labelsOnEveryNthRecord_data()
{
    QTest::addColumn<QString>("period");
    QTest::addColumn<QList<int>>("labelled");
    QTest::newRow("7: every record") << "Last 7 Entries" << series(1, 1, 7);
    QTest::newRow("14: every 2nd") << "Last 14 Entries" << series(1, 2, 7);
    QTest::newRow("30: every 4th") << "Last 30 Entries" << series(1, 4, 7);
    QTest::newRow("60: every 4th taken") << "Last 60 Entries" << series(1, 8, 7);
}

void TestBMIChart::labelsOnEveryNthRecord()
{
    QFETCH(QString, period);
    QFETCH(QList<int>, labelled);
    RecordingSurface s;
    const QString folder = folderWith(history(100));
    mBMI::ShowBMIChart(s, folder, *m_settings, period, mBMI::kWeightOnly, mBMI::kColumns);
    QList<int> values;
    for (const Call &c : s.calls(Call::Text))
        if (c.colour == QColor(Qt::white) && c.text.trimmed().toInt() > 100)
            values.append(c.text.trimmed().toInt() - 100);
    QCOMPARE(values, labelled);
}

void TestBMIChart::emptyPlacesKeepTheirSlot_data()
{
    QTest::addColumn<QByteArray>("third");
    QTest::addColumn<QString>("kind");
    QTest::newRow("placeholder") << QByteArray("\"Initializer\",0,0,0\r\n") << mBMI::kWeightOnly;
    QTest::newRow("weight below one pound") << record("05-Dec-26", 0.9) << mBMI::kWeightOnly;
    QTest::newRow("negative weight") << record("05-Dec-26", -150) << mBMI::kWeightOnly;
    QTest::newRow("height 0 in a BMI chart") << record("05-Dec-26", 150, 0) << mBMI::kBMIKind;
    QTest::newRow("weight past any chart") << record("05-Dec-26", 40000) << mBMI::kWeightOnly;
}

void TestBMIChart::emptyPlacesKeepTheirSlot()
{
    QFETCH(QByteArray, third);
    QFETCH(QString, kind);
    const QByteArray all = record("07-Dec-26", 150) + record("06-Dec-26", 151) + third
                           + record("04-Dec-26", 153) + record("03-Dec-26", 154)
                           + record("02-Dec-26", 155) + record("01-Dec-26", 156);
    RecordingSurface s;
    QCOMPARE(mBMI::ShowBMIChart(s, folderWith(all), *m_settings, QStringLiteral("Last 7 Entries"),
                                kind, mBMI::kColumns),
             QString());
    QList<double> xs;
    for (const Call &c : fronts(s))
        xs.append(c.from.x() - 45);
    // The records behind the empty place are still drawn, in their places.
    QCOMPARE(xs, (QList<double>{870, 740, 480, 350, 220, 90}));
    QVERIFY(!s.text(QStringLiteral("5-Dec")));
}

void TestBMIChart::valuesAndHeights_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<double>("weight");
    QTest::addColumn<double>("height");
    QTest::addColumn<QString>("label");
    QTest::addColumn<double>("y");

    QTest::newRow("180 pounds") << mBMI::kWeightOnly << 180.0 << 70.0 << " 180" << 560.0;
    QTest::newRow("180.9 counts whole pounds") << mBMI::kWeightOnly << 180.9 << 70.0 << " 180" << 560.0;
    QTest::newRow("BMI 154 lb 70 in") << mBMI::kBMIKind << 154.0 << 70.0 << " 22.2" << 495.0;
    QTest::newRow("BMI 163 lb 70 in, 23.5 to even") << mBMI::kBMIKind << 163.0 << 70.0 << " 23.5" << 535.0;
    QTest::newRow("any other kind text is BMI") << "Weight only" << 154.0 << 70.0 << " 22.2" << 495.0;
}

void TestBMIChart::valuesAndHeights()
{
    QFETCH(QString, kind);
    QFETCH(double, weight);
    QFETCH(double, height);
    QFETCH(QString, label);
    QFETCH(double, y);
    RecordingSurface s;
    mBMI::ShowBMIChart(s, folderWith(record("07-Dec-26", weight, height)), *m_settings,
                       QStringLiteral("Last 7 Entries"), kind, mBMI::kColumns);
    const QList<Call> faces = fronts(s);
    QCOMPARE(faces.size(), 1);
    // The front face rises from the floor to y + 5, the value stands at y + 120.
    QCOMPARE(faces[0].from, QPointF(915, y + 5));
    const auto value = lastText(s, label);
    QVERIFY(value);
    QCOMPARE(value->from, QPointF(900, y + 120));
}

void TestBMIChart::frameOnlyWithoutRecords_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("texts");
    const QStringList weightScale = {" 30", " 60", " 90", " 120", " 150", " 180", " 210",
                                     " 240", " 270", " 300"};
    const QStringList bmiScale = {" 5", " 10", " 15", " 20", " 25", " 30", " 35", " 40",
                                  " 45", " 50", "Overweight -> 25", "Obese -> 30"};
    QTest::newRow("no file") << QByteArray() << mBMI::kWeightOnly << weightScale;
    QTest::newRow("placeholder only") << QByteArray("\"Initializer\",0,0,0\r\n")
                                      << mBMI::kWeightOnly << weightScale;
    QTest::newRow("placeholder only, BMI") << QByteArray("\"Initializer\",0,0,0\r\n")
                                           << mBMI::kBMIKind << bmiScale;
}

void TestBMIChart::frameOnlyWithoutRecords()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, kind);
    QFETCH(QStringList, texts);
    const QString folder = bytes.isEmpty() ? TestEnvironment::freshFolder() : folderWith(bytes);
    for (int type : {mBMI::kColumns, mBMI::kLine}) {
        RecordingSurface s;
        QCOMPARE(mBMI::ShowBMIChart(s, folder, *m_settings, QStringLiteral("Last 7 Entries"), kind,
                                    type),
                 QString());
        QCOMPARE(s.texts(), texts);
        QCOMPARE(s.calls(Call::Box).size(), 0);
        QCOMPARE(s.calls().first().kind, Call::Clear);
        QCOMPARE(s.scaleRect(), QRectF(QPointF(0, 1000), QPointF(1000, 0)));
        // Floor, back wall, grid and axes: 8 + 2 x 99 + 2 x 10 + 7 strokes.
        QCOMPARE(s.calls(Call::Line).size(), 8 + 198 + 20 + 7);
        for (const Call &t : s.calls(Call::Text))
            QCOMPARE(t.colour, QColor(0xC0, 0xC0, 0xC0));
    }
}

void TestBMIChart::columnStrokes()
{
    RecordingSurface s;
    mBMI::ShowBMIChart(s, folderWith(record("07-Dec-26", 180) + record("06-Dec-26", 180)),
                       *m_settings, QStringLiteral("Last 7 Entries"), mBMI::kWeightOnly,
                       mBMI::kColumns);
    const QList<Call> &calls = s.calls();
    qsizetype first = -1;
    for (qsizetype i = 0; i < calls.size(); ++i)
        if (calls[i].kind == Call::Box) {
            first = i;
            break;
        }
    QVERIFY(first > 0);
    // x = 870, t = 535: box, 5 top strokes, 3 side strokes, 4 + 3 + 2 edges.
    const double x = 870, t = 535;
    QCOMPARE(calls[first].width, 1); // the frame leaves width 1
    const QList<Call> column = calls.mid(first + 1, 17);
    QCOMPARE(column[0].from, QPointF(x + 50, t + 35));
    QCOMPARE(column[0].to, QPointF(x + 59, t + 65));
    QCOMPARE(column[4].from, QPointF(x + 66, t + 35));
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(column[i].colour, QColor(0, 85, 0));
        QCOMPARE(column[i].width, 2);
    }
    QCOMPARE(column[5].from, QPointF(x + 61, 84));
    QCOMPARE(column[5].to, QPointF(x + 61, t + 34));
    QCOMPARE(column[7].from, QPointF(x + 73, 96));
    for (int i = 5; i < 8; ++i)
        QCOMPARE(column[i].width, 4);
    const QList<QPointF> edges = {{x + 45, t + 30}, {x + 60, t + 30}, {x + 60, 60}, {x + 45, 60},
                                  {x + 45, t + 30}};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(column[8 + i].from, edges[i]);
        QCOMPARE(column[8 + i].to, edges[i + 1]);
    }
    QCOMPARE(column[12].from, QPointF(x + 60, 60));
    QCOMPARE(column[12].to, QPointF(x + 75, 90));
    QCOMPARE(column[14].to, QPointF(x + 60, t + 30));
    QCOMPARE(column[15].from, QPointF(x + 57, t + 65));
    QCOMPARE(column[16].to, QPointF(x + 45, t + 30));
    for (int i = 8; i < 17; ++i) {
        QCOMPARE(column[i].colour, QColor(Qt::black));
        QCOMPARE(column[i].width, 2);
    }
    // The second column's front face keeps the width the first one left.
    QCOMPARE(fronts(s).at(1).width, 2);
}

void TestBMIChart::lineRibbonJoinsNewerToOlder()
{
    RecordingSurface one;
    mBMI::ShowBMIChart(one, folderWith(record("07-Dec-26", 180)), *m_settings,
                       QStringLiteral("Last 7 Entries"), mBMI::kWeightOnly, mBMI::kLine);
    // One point: the ribbon has no length, the short black diagonal marks it.
    QList<Call> lines = one.calls(Call::Line).mid(233);
    QCOMPARE(lines.size(), 21);
    QCOMPARE(lines[0].from, QPointF(921, 566));
    QCOMPARE(lines[0].to, QPointF(921, 566));
    QCOMPARE(lines[20].from, QPointF(920, 565));
    QCOMPARE(lines[20].to, QPointF(940, 585));
    QCOMPARE(lines[20].colour, QColor(Qt::black));

    RecordingSurface two;
    mBMI::ShowBMIChart(two, folderWith(record("07-Dec-26", 180) + record("06-Dec-26", 150)),
                       *m_settings, QStringLiteral("Last 7 Entries"), mBMI::kWeightOnly, mBMI::kLine);
    lines = two.calls(Call::Line).mid(233 + 21);
    QCOMPARE(lines.size(), 21);
    for (int i = 1; i <= 20; ++i) {
        QCOMPARE(lines[i - 1].from, QPointF(920 + i, 565 + i));
        QCOMPARE(lines[i - 1].to, QPointF(790 + i, 475 + i));
        QCOMPARE(lines[i - 1].colour, QColor(0, 250 - 5 * i, 0));
        QCOMPARE(lines[i - 1].width, 1);
    }
    QCOMPARE(lines[20].from, QPointF(920, 565));
    // Labels stay white after a line point.
    QCOMPARE(lastText(two, QStringLiteral(" 150"))->colour, QColor(Qt::white));
}

void TestBMIChart::everyChartStartsItsOwnLine()
{
    // Whatever the setting holds, a chart's newest point starts with the
    // short diagonal, and the setting is left "0".
    m_settings->set(SettingKeys::BMIChart, mBMI::kPreXOneKey, QStringLiteral("500"));
    const QString folder = folderWith(record("07-Dec-26", 180) + record("06-Dec-26", 150));
    for (int round = 0; round < 2; ++round) {
        RecordingSurface s;
        mBMI::ShowBMIChart(s, folder, *m_settings, QStringLiteral("Last 7 Entries"),
                           mBMI::kWeightOnly, mBMI::kLine);
        const Call first = s.calls(Call::Line).at(233);
        QCOMPARE(first.from, first.to);
        QCOMPARE(m_settings->get(SettingKeys::BMIChart, mBMI::kPreXOneKey, QString()),
                 QStringLiteral("0"));
    }
}

void TestBMIChart::paperDiffersFromScreen()
{
    RecordingSurface s;
    const QString folder = folderWith(record("07-Dec-26", 154));
    QCOMPARE(mBMI::PrintBMIChart(s, folder, *m_settings, QStringLiteral("Last 7 Entries"),
                                 mBMI::kBMIKind, mBMI::kColumns),
             QString());
    QCOMPARE(s.scaleRect(), QRectF(QPointF(0, 1500), QPointF(1500, 0)));
    QCOMPARE(s.calls(Call::Clear).size(), 0);
    for (const Call &c : s.calls(Call::Line))
        QVERIFY2(c.width != 3, "a back-wall stroke on paper");
    QVERIFY(s.text(QStringLiteral("Overweight 25")));
    QVERIFY(s.text(QStringLiteral("Obese 30")));
    QVERIFY(!s.text(QStringLiteral("Overweight -> 25")));
    for (const Call &t : s.calls(Call::Text))
        QCOMPARE(t.colour, QColor(Qt::black));
    QCOMPARE(s.text(QStringLiteral(" 22.2"))->from, QPointF(900, 615));
}

void TestBMIChart::secondPrintoutKeepsItsLabelsVisible()
{
    // One page after another on the same printer: a line printout leaves the
    // fore colour white, the next printout's scale and labels are black still.
    RecordingSurface s;
    const QString folder = folderWith(record("07-Dec-26", 180) + record("06-Dec-26", 150));
    for (int round = 0; round < 2; ++round) {
        s.reset();
        mBMI::PrintBMIChart(s, folder, *m_settings, QStringLiteral("Last 7 Entries"),
                            mBMI::kWeightOnly, mBMI::kLine);
        QCOMPARE(s.texts().first(), QStringLiteral(" 30"));
        for (const Call &t : s.calls(Call::Text))
            QCOMPARE(t.colour, QColor(Qt::black));
        QVERIFY(s.text(QStringLiteral("7-Dec")));
        // And its line starts afresh with the newest point's diagonal.
        const QList<Call> lines = s.calls(Call::Line);
        const qsizetype firstRibbon = lines.size() - 42;
        QCOMPARE(lines[firstRibbon].from, lines[firstRibbon].to);
    }
    QCOMPARE(s.foreColour(), QColor(Qt::white));
}

void TestBMIChart::unknownPeriodSaysSoOnce()
{
    RecordingSurface s;
    const QString message = mBMI::ShowBMIChart(s, folderWith(history(10)), *m_settings,
                                               QStringLiteral("Last 8 Entries"), mBMI::kWeightOnly,
                                               mBMI::kColumns);
    QCOMPARE(message, mBMI::kProperDateMessage);
    QCOMPARE(fronts(s).size(), 0);
    QCOMPARE(s.texts().size(), 10); // the scale stays
}

void TestBMIChart::unreadableRecordIsReportedWhenNeeded_data()
{
    QTest::addColumn<int>("goodRecords");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<bool>("reported");
    QTest::newRow("needed: 4 read of 7") << 4 << 4 << true;
    QTest::newRow("not needed: 7 read of 7") << 7 << 7 << false;
}

void TestBMIChart::unreadableRecordIsReportedWhenNeeded()
{
    QFETCH(int, goodRecords);
    QFETCH(int, drawn);
    QFETCH(bool, reported);
    const QString folder = folderWith(history(goodRecords) + "\"01-Nov-26\",40,heavy,70\r\n"
                                      + history(3));
    RecordingSurface s;
    const QString message = mBMI::ShowBMIChart(s, folder, *m_settings,
                                               QStringLiteral("Last 7 Entries"), mBMI::kWeightOnly,
                                               mBMI::kColumns);
    QCOMPARE(fronts(s).size(), drawn);
    QCOMPARE(!message.isEmpty(), reported);
    if (reported)
        QVERIFY2(message.contains(WeightHistory::kFileName), qPrintable(message));
}

void TestBMIChart::goalLabelWhenAGoalIsStored()
{
    const QString folder = folderWith(record("07-Dec-26", 180));
    const QString label = QStringLiteral("Desirable Weight -\u00BB 170");
    {
        RecordingSurface s;
        mBMI::ShowBMIChart(s, folder, *m_settings, QStringLiteral("Last 7 Entries"),
                           mBMI::kWeightOnly, mBMI::kColumns);
        QVERIFY(!s.text(label));
    }
    m_settings->set(SettingKeys::Goals, WeightGoal::kGoalWeightKey, QStringLiteral("170"));
    RecordingSurface s;
    mBMI::ShowBMIChart(s, folder, *m_settings, QStringLiteral("Last 7 Entries"), mBMI::kWeightOnly,
                       mBMI::kColumns);
    const Call *goal = s.text(label);
    QVERIFY(goal);
    // At (700, 945), moved left as far as the chart's right edge needs.
    QCOMPARE(goal->from.y(), 945.0);
    QVERIFY(goal->from.x() <= 700);
    QCOMPARE(goal->from.x() + s.textWidth(label), qMin(990.0, 700 + s.textWidth(label)));
    QCOMPARE(goal->colour, QColor(25, 250, 150));
}

void TestBMIChart::goalSentences_data()
{
    QTest::addColumn<QString>("weight"); // empty: not stored
    QTest::addColumn<QString>("goal");
    QTest::addColumn<int>("days");       // goal date from today; 9999: not stored
    QTest::addColumn<QString>("goalText");
    QTest::addColumn<QString>("rateText");
    QTest::addColumn<bool>("rateShown");

    const QString lose = QStringLiteral(
        "According to your goal setting objectives, you have %1 days to lose %2 pounds.");
    const QString congratulations = QStringLiteral(
        "CONGRATULATIONS  Ann!   You've  reached  your  weight  goal.");
    QTest::newRow("10 in 35 days") << "180" << "170" << 35 << lose.arg(35).arg(10)
                                   << "That's 2 pounds per week." << true;
    QTest::newRow("10 in 30 days") << "180" << "170" << 30 << lose.arg(30).arg(10)
                                   << "That's 2.33 pounds per week." << true;
    QTest::newRow("15 in 8 days") << "165" << "150" << 8 << lose.arg(8).arg(15)
                                  << "That's 13.1 pounds per week." << true;
    QTest::newRow("6 in 60 days") << "156" << "150" << 60 << lose.arg(60).arg(6)
                                  << "That's 0.7 pounds per week." << true;
    QTest::newRow("150.5 to 150 is reached") << "150.5" << "150" << 30 << congratulations << ""
                                             << false;
    QTest::newRow("at the goal") << "150" << "150" << 30 << congratulations << "" << false;
    QTest::newRow("below the goal") << "140" << "150" << 30 << congratulations << "" << false;
    QTest::newRow("goal date today") << "180" << "170" << 0 << "" << "" << true;
    QTest::newRow("goal date past") << "180" << "170" << -3 << "" << "" << true;
    QTest::newRow("weight no number") << "heavy" << "170" << 30 << "" << "" << true;
    QTest::newRow("goal no number") << "180" << "slim" << 30 << "" << "" << true;
    QTest::newRow("nothing stored, light") << "" << "" << 9999 << congratulations << "" << false;
}

void TestBMIChart::goalSentences()
{
    QFETCH(QString, weight);
    QFETCH(QString, goal);
    QFETCH(int, days);
    QFETCH(QString, goalText);
    QFETCH(QString, rateText);
    QFETCH(bool, rateShown);
    const QDate today(2026, 12, 7);
    m_settings->set(SettingKeys::PersonalInformation, SettingKeys::FirstName, QStringLiteral("Ann"));
    if (!weight.isEmpty())
        m_settings->set(SettingKeys::PersonalInformation, SettingKeys::Weight, weight);
    else // the default weight 95 against the default goal 95
        QVERIFY(!m_settings->contains(SettingKeys::PersonalInformation, SettingKeys::Weight));
    if (!goal.isEmpty())
        m_settings->set(SettingKeys::Goals, WeightGoal::kGoalWeightKey, goal);
    if (days != 9999)
        m_settings->set(SettingKeys::Goals, WeightGoal::kGoalDateKey,
                        DateText::shortDate(today.addDays(days)));
    const mBMI::GoalProgress p = mBMI::goalProgress(*m_settings, today);
    QCOMPARE(p.goal, goalText);
    QCOMPARE(p.rate, rateText);
    QCOMPARE(p.rateShown, rateShown);
}

void TestBMIChart::shownRateKeepsWholeDigits_data()
{
    QTest::addColumn<float>("rate");
    QTest::addColumn<float>("shown");
    QTest::newRow("2.333333") << float(10 / (30 / 7.0)) << 2.33f;
    QTest::newRow("13.125") << 13.125f << 13.1f;
    QTest::newRow("0.7") << 0.7f << 0.7f;
    QTest::newRow("123.45") << 123.45f << 123.0f;
    QTest::newRow("12345.6") << 12345.6f << 12345.0f;
    QTest::newRow("0.0035") << 0.0035f << 0.0f;
}

void TestBMIChart::shownRateKeepsWholeDigits()
{
    QFETCH(float, rate);
    QFETCH(float, shown);
    QCOMPARE(mBMI::shownRate(rate), shown);
}

PULSAR_TEST_MAIN(TestBMIChart)
#include "tst_bmichart.moc"
