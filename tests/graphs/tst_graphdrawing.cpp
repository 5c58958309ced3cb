#include "common/PrintColumns.h"
#include "common/RecordingSurface.h"
#include "graphs/AbdominalGraphs.h"
#include "graphs/AerobicGraphs.h"
#include "graphs/GraphShapes.h"
#include "graphs/GraphState.h"
#include "graphs/ProgressPlot.h"
#include "graphs/WeightGraphs.h"
#include "graphs/mInitialGraph.h"
#include "support/TestEnvironment.h"

#include "common/DateText.h"

#include <QApplication>
#include <QtTest>

using Call = RecordingSurface::Call;
using namespace ProgressSampling;

// What the progress graphs draw, on the recording surface.
class TestGraphDrawing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void yLabels_data();
    void yLabels();
    void printedFrameHeading();
    void barOfOneSet();
    void weightShownOnlyWhenChosen();
    void lineBandsOfTwoSets();
    void printedBarPosition_data();
    void printedBarPosition();
    void printedBarFaces();
    void terrainColours_data();
    void terrainColours();
    void aerobicBarsOfSevenGroups();
    void aerobicLineOnEveryScale_data();
    void aerobicLineOnEveryScale();
    void abdominalBars();
    void emptyLogs();

private:
    static QList<Call> lines(const RecordingSurface &s, const QColor &colour);
    static const Call *box(const RecordingSurface &s, int index = 0);
    static WeightGraph weightOf(QList<QList<SetResult>> entries);
};

QList<Call> TestGraphDrawing::lines(const RecordingSurface &s, const QColor &colour)
{
    QList<Call> out;
    for (const Call &c : s.calls(Call::Line))
        if (c.colour == colour)
            out.append(c);
    return out;
}

const Call *TestGraphDrawing::box(const RecordingSurface &s, int index)
{
    int n = 0;
    for (const Call &c : s.calls())
        if (c.kind == Call::Box && n++ == index)
            return &c;
    return nullptr;
}

// Entries dated 1, 2, 3 ... March 2026, newest first.
WeightGraph TestGraphDrawing::weightOf(QList<QList<SetResult>> entries)
{
    WeightGraph g;
    g.found = true;
    g.sets = qint16(entries.value(0).size());
    for (int i = 0; i < entries.size(); ++i)
        g.groups.append({i + 1, QStringLiteral("%1-Mar-26").arg(i + 1, 2, 10, QChar(u'0')), entries[i]});
    return g;
}

void TestGraphDrawing::yLabels_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("paper");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QPointF>("firstAt");
    QTest::addColumn<QPointF>("lastAt");
    const QStringList ones{" 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8", " 9", " 10"};
    QTest::newRow("1") << 1 << false << ones << QPointF(10, 190) << QPointF(10, 910);
    QTest::newRow("0 counts as 1") << 0 << false << ones << QPointF(10, 190) << QPointF(10, 910);
    QTest::newRow("6 counts as 1") << 6 << false << ones << QPointF(10, 190) << QPointF(10, 910);
    QTest::newRow("-1 counts as 1") << -1 << false << ones << QPointF(10, 190) << QPointF(10, 910);
    QTest::newRow("2") << 2 << false
                       << QStringList{" 2", " 4", " 6", " 8", " 10", " 12", " 14", " 16", " 18", " 20"}
                       << QPointF(20, 170) << QPointF(20, 890);
    QTest::newRow("3: 20 to 220") << 3 << false
                                  << QStringList{" 20", " 40", " 60", " 80", " 100", " 120", " 140", " 160",
                                                 " 180", " 200", " 220"}
                                  << QPointF(10, 152) << QPointF(10, 952);
    QTest::newRow("4") << 4 << false
                       << QStringList{" 2700", " 5400", " 8100", " 10800", " 13500", " 16200", " 18900",
                                      " 21600", " 24300", " 27000"}
                       << QPointF(0, 70 + 108040.0 / 1300) << QPointF(0, 70 + 1080040.0 / 1300);
    QTest::newRow("5 on the screen") << 5 << false
                                     << QStringList{" 30", " 60", " 90", " 120", " 150", " 180", " 210", " 240",
                                                    " 270", " 300"}
                                     << QPointF(0, 160) << QPointF(0, 970);
    QTest::newRow("5 on paper") << 5 << true
                                << QStringList{" 30", " 60", " 90", " 120", " 150", " 180", " 210", " 240",
                                               " 270", " 300"}
                                << QPointF(0, 140) << QPointF(0, 950);
}

void TestGraphDrawing::yLabels()
{
    QFETCH(int, code);
    QFETCH(bool, paper);
    QFETCH(QStringList, labels);
    QFETCH(QPointF, firstAt);
    QFETCH(QPointF, lastAt);
    RecordingSurface s;
    if (paper)
        mInitialGraph::PrintInitialGraph(s, code, {QStringLiteral("Curl"), QDate(2026, 3, 1), true});
    else
        mInitialGraph::DrawInitialGraph(s, code);

    QList<Call> texts;
    for (const Call &c : s.calls(Call::Text))
        if (labels.contains(c.text))
            texts.append(c);
    QCOMPARE(texts.size(), labels.size());
    QStringList printed;
    for (const Call &c : texts)
        printed.append(c.text);
    QCOMPARE(printed, labels);
    QCOMPARE(texts.first().from.x(), firstAt.x());
    QCOMPARE(texts.first().from.y(), firstAt.y());
    QCOMPARE(texts.last().from.x(), lastAt.x());
    QCOMPARE(texts.last().from.y(), lastAt.y());
    // One tick and one gridline per label, then the frame's seven edges.
    QCOMPARE(lines(s, QColor(0xC0, 0xC0, 0xC0)).size(), 2 * labels.size());
    QCOMPARE(lines(s, QColor(0xE0, 0xE0, 0xE0)).size(), 7);
}

void TestGraphDrawing::printedFrameHeading()
{
    RecordingSurface s;
    mInitialGraph::PrintInitialGraph(s, 2, {QStringLiteral("Barbell Curl"), QDate(2026, 3, 1), false});
    const QStringList texts = s.texts();
    QCOMPARE(texts.mid(0, 7), (QStringList{"This is the Results of your Barbell Curl Exercise",
                                           DateText::longDate(QDate(2026, 3, 1)), "Set 1", "Set 2", "Set 3",
                                           "Set 4", "Set 5"}));
    // Heading on top, in the page's 1500 units; the legend lines follow each
    // other downwards.
    const Call *heading = s.text(texts[0]);
    QVERIFY(heading->from.y() < 1500 && heading->from.y() > 1300);
    QVERIFY(s.text("Set 2")->from.y() < s.text("Set 1")->from.y());
    QCOMPARE(s.text("Set 1")->from.x(), s.text("Set 5")->from.x());
    // The title at column 25 of its 14-point font, the date at 55 and the
    // legend at 10 of the 10-point one: the columns of the printed reports.
    RecordingSurface page;
    page.scale(0, 1500, 1500, 0);
    const auto column = [&](int points, int n) {
        QFont f = page.font();
        f.setPointSize(points);
        page.setFont(f);
        return (n - 1) * ColumnPainter::columnWidth(page);
    };
    QCOMPARE(heading->from.x(), column(14, 25));
    QCOMPARE(s.text(texts[1])->from.x(), column(10, 55));
    QCOMPARE(s.text("Set 1")->from.x(), column(10, 10));
    // In black and white the legend's colours are greys, the band black.
    for (const Call &c : s.calls())
        QCOMPARE(c.colour.red(), c.colour.blue());
    QCOMPARE(lines(s, Qt::black).size(), 8);
}

void TestGraphDrawing::barOfOneSet()
{
    RecordingSurface s;
    GraphState state;
    state.groupIndex = 1;
    state.dateText = QStringLiteral("07-Dec-26");
    WeightGraphs::DrawGraph(s, state, 10, 100, 1);

    // x = 910 - 130 + 25 = 805, h = 440.
    const QColor main(0, 255, 0), shade(0, 85, 0);
    const QList<Call> calls = s.calls();
    QCOMPARE(calls[0].kind, Call::Text);
    QCOMPARE(calls[0].text, QStringLiteral("7-Dec"));
    QCOMPARE(calls[0].from, QPointF(845, 40));
    QCOMPARE(calls[0].colour, QColor(Qt::white));
    QCOMPARE(calls[1].kind, Call::Box);
    QCOMPARE(calls[1].from, QPointF(850, 470));
    QCOMPARE(calls[1].to, QPointF(865, 60));
    QCOMPARE(calls[1].colour, main);
    const QList<Call> hatching = lines(s, shade);
    QCOMPARE(hatching.size(), 6);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(hatching[i].from, QPointF(855 + 4 * i, 475));
        QCOMPARE(hatching[i].to, QPointF(864 + 4 * i, 505));
        QCOMPARE(hatching[i].width, 2);
    }
    QCOMPARE(hatching[5].from, QPointF(873, 96));
    QCOMPARE(hatching[5].to, QPointF(873, 481));
    QCOMPARE(hatching[5].width, 10);
    const QList<Call> edges = lines(s, Qt::black);
    const QList<QPair<QPointF, QPointF>> expected{
        {{850, 470}, {865, 470}}, {{865, 470}, {865, 60}}, {{865, 60}, {850, 60}}, {{850, 60}, {850, 470}},
        {{865, 60}, {880, 90}},   {{880, 90}, {880, 505}}, {{880, 505}, {865, 470}}, {{862, 505}, {880, 505}},
        {{862, 500}, {850, 470}}};
    QCOMPARE(edges.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(edges[i].from, expected[i].first);
        QCOMPARE(edges[i].to, expected[i].second);
        QCOMPARE(edges[i].width, 2);
    }
    QVERIFY(state.dateShown);
    QVERIFY(state.legend.isShown(1));
    QCOMPARE(state.legend.entries[1].colour, main);
    QVERIFY(!state.legend.isShown(2));

    // Zero repetitions: the front face spans 60 to 70, the set's own colour.
    RecordingSurface zero;
    WeightGraphs::DrawGraph(zero, state, 0, 0, 4);
    QCOMPARE(box(zero)->from, QPointF(910 - 130 + 100 + 45, 70));
    QCOMPARE(box(zero)->colour, QColor(255, 0, 255));
    QVERIFY(zero.calls(Call::Text).isEmpty()); // the group's date is shown already
}

void TestGraphDrawing::weightShownOnlyWhenChosen()
{
    for (const bool view : {true, false}) {
        RecordingSurface s;
        GraphState state;
        state.viewValues = view;
        state.dateShown = true;
        state.groupIndex = 2;
        state.step = 24;
        WeightGraphs::DrawGraph(s, state, 5, 135, 2);
        // x = 817 - 260 + 50 = 607, h = 240.
        QCOMPARE(box(s)->from, QPointF(652, 270));
        if (view) {
            QCOMPARE(s.texts(), QStringList{" 135"});
            QCOMPARE(s.text(" 135")->from, QPointF(652, 340));
            QCOMPARE(s.text(" 135")->colour, QColor(Qt::white));
        } else {
            QVERIFY(s.texts().isEmpty());
        }
    }
}

void TestGraphDrawing::lineBandsOfTwoSets()
{
    RecordingSurface s;
    GraphState state;
    // Two entries of two sets: 10 and 8 reps, then 12 and 6.
    const WeightGraph g = weightOf({{{100, 10}, {105, 8}}, {{100, 12}, {105, 6}}});
    ProgressPlot::drawWeight(s, state, g, ChartType::Line);

    // Set 1 in 12 strokes of green, set 2 in 11 of blue, each fading.
    auto strokes = [&](int red, int green, int blue) {
        QList<Call> out;
        for (const Call &c : s.calls(Call::Line))
            if ((red < 0 || c.colour.red() == red) && (green < 0 || c.colour.green() == green)
                && (blue < 0 || c.colour.blue() == blue) && c.colour != Qt::black && c.width == 2
                && c.from.x() > 600)
                out.append(c);
        return out;
    };
    const QList<Call> set1 = strokes(0, -1, 0);
    const QList<Call> set2 = strokes(0, 0, -1);
    QCOMPARE(set1.size(), 2 * 12);
    QCOMPARE(set2.size(), 2 * 11);
    // The first point of a series joins to itself: (875, 490) for set 1.
    QCOMPARE(set1[0].from, QPointF(876, 491));
    QCOMPARE(set1[0].to, QPointF(876, 491));
    QCOMPARE(set1[0].colour, QColor(0, 255, 0));
    QCOMPARE(set1[1].colour, QColor(0, 240, 0));
    QCOMPARE(set1[11].from, QPointF(887, 502));
    QCOMPARE(set1[11].colour, QColor(0, 140, 0));
    // The second entry's band runs from the first point to (745, 570).
    QCOMPARE(set1[12].from, QPointF(876, 491));
    QCOMPARE(set1[12].to, QPointF(746, 571));
    QCOMPARE(set2[11].from, QPointF(876, 411));
    QCOMPARE(set2[11].to, QPointF(746, 331));
    QCOMPARE(set2[21].colour, QColor(0, 0, 155));
    // A black tick of the band's width at each previous point.
    const QList<Call> ticks = lines(s, Qt::black);
    QCOMPARE(ticks.size(), 4);
    QCOMPARE(ticks[0].from, QPointF(875, 490));
    QCOMPARE(ticks[0].to, QPointF(887, 502));
    QCOMPARE(ticks[1].to, QPointF(886, 421));
    QCOMPARE(ticks[0].width, 1);
    // One date per group, under its last set.
    QCOMPARE(s.text("1-Mar")->from, QPointF(875, 40));
    QCOMPARE(s.text("2-Mar")->from, QPointF(745, 40));
    QVERIFY(state.legend.isShown(1) && state.legend.isShown(2) && !state.legend.isShown(3));

    // On paper the points stand 20 units further left, the dates in black.
    RecordingSurface paper;
    GraphState printed;
    ProgressPlot::printWeight(paper, printed, g, ChartType::Line, {QStringLiteral("Curl"), QDate(2026, 3, 1)});
    QCOMPARE(paper.text("1-Mar")->from, QPointF(835, 40));
    QCOMPARE(paper.text("1-Mar")->colour, QColor(Qt::black));
    QCOMPARE(lines(paper, Qt::black).last().from, QPointF(855, 410));
}

void TestGraphDrawing::printedBarPosition_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<double>("x");
    QTest::newRow("step 1") << 1 << 725.0;
    QTest::newRow("step 2") << 2 << 652.0;
    QTest::newRow("step 4") << 4 << 632.0;
}

void TestGraphDrawing::printedBarPosition()
{
    QFETCH(int, step);
    QFETCH(double, x);
    RecordingSurface s;
    GraphState state;
    state.step = step;
    const WeightGraph g = weightOf({{{90, 9}, {95, 8}, {100, 7}}, {{90, 9}, {95, 8}, {100, 7}}});
    ProgressPlot::printWeight(s, state, g, ChartType::Column, {QStringLiteral("Curl"), QDate(2026, 3, 1)});
    // Set 3 of group 2 is the sixth bar.
    const Call *front = box(s, 5);
    QVERIFY(front);
    QCOMPARE(front->colour, QColor(255, 0, 0));
    QCOMPARE(front->from, QPointF(x + 45, 7 * 40 + 40 + 30));
    // One date per group, under set 1 of the group, in black.
    const Call *date = s.text("2-Mar");
    QCOMPARE(date->from, QPointF(x - 50 + 40, 40));
    QCOMPARE(date->colour, QColor(Qt::black));
}

void TestGraphDrawing::printedBarFaces()
{
    RecordingSurface s;
    GraphState state;
    state.groupIndex = 1;
    state.viewValues = true;
    WeightGraphs::DrawGraphPrint(s, state, 0, 80, 1);
    // X = 805, top = 40: eight top strokes of width 8, then six passes of
    // two side strokes, all in the shade.
    const QList<Call> shade = lines(s, QColor(0, 85, 0));
    QCOMPARE(shade.size(), 8 + 12);
    QCOMPARE(shade[0].from, QPointF(805 + 47, 70));
    QCOMPARE(shade[0].to, QPointF(805 + 59, 105));
    QCOMPARE(shade[0].width, 8);
    QCOMPARE(shade[8].from, QPointF(805 + 62, 80));
    QCOMPARE(shade[8].to, QPointF(805 + 62, 56));
    QCOMPARE(shade[9].from, QPointF(865, 67));
    QCOMPARE(shade[9].to, QPointF(880, 97));
    QCOMPARE(shade[18].from, QPointF(805 + 72, 115));
    QCOMPARE(shade[18].to, QPointF(805 + 72, 100));
    QCOMPARE(lines(s, Qt::black).size(), 9);
    QCOMPARE(s.text(" 80")->from, QPointF(850, 140));
    QCOMPARE(s.text(" 80")->colour, QColor(0, 30, 100));
}

void TestGraphDrawing::terrainColours_data()
{
    QTest::addColumn<QString>("terrain");
    QTest::addColumn<bool>("aquatic");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QColor>("front");
    QTest::addColumn<QColor>("shade");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Hilly with its blank") << "Hilly " << false << 1 << QColor(0, 255, 0) << QColor(0, 85, 0)
                                          << "Hilly";
    QTest::newRow("Hilly without a blank") << "Hilly" << false << 4 << QColor(150, 255, 255)
                                           << QColor(50, 85, 85) << "Other";
    QTest::newRow("Choppy Waters") << "Choppy Waters" << true << 1 << QColor(0, 255, 0) << QColor(0, 85, 0)
                                   << "Choppy Waters";
    QTest::newRow("Choppy Waters outdoors") << "Choppy Waters" << false << 1 << QColor(0, 255, 0)
                                            << QColor(0, 85, 0) << "Hilly";
    QTest::newRow("Flat - Indoor") << "Flat - Indoor" << false << 2 << QColor(0, 0, 255) << QColor(0, 0, 85)
                                   << "Flat - Indoor";
    QTest::newRow("Calm Waters") << "Calm Waters" << true << 2 << QColor(0, 0, 255) << QColor(0, 0, 85)
                                 << "Calm Waters";
    QTest::newRow("Flat - Outdoor") << "Flat - Outdoor" << false << 3 << QColor(255, 0, 0) << QColor(85, 0, 0)
                                    << "Flat - Outdoor";
    QTest::newRow("Indoor pool") << "Indoor" << true << 3 << QColor(255, 0, 0) << QColor(85, 0, 0) << "Indoor";
    QTest::newRow("none chosen") << "Select Terrain Type" << false << 4 << QColor(150, 255, 255)
                                 << QColor(50, 85, 85) << "Other";
    QTest::newRow("no terrain") << "" << true << 4 << QColor(150, 255, 255) << QColor(50, 85, 85) << "Other";
}

void TestGraphDrawing::terrainColours()
{
    QFETCH(QString, terrain);
    QFETCH(bool, aquatic);
    QFETCH(int, entry);
    QFETCH(QColor, front);
    QFETCH(QColor, shade);
    QFETCH(QString, caption);
    for (const bool paper : {false, true}) {
        RecordingSurface s;
        GraphState state;
        state.groupIndex = 1;
        if (paper)
            AerobicGraphs::DrawAeroGraphPrint(s, state, 100, terrain, 3, aquatic);
        else
            AerobicGraphs::DrawAeroGraph(s, state, 100, terrain, 3, aquatic);
        // Scale code 3, value 100: h = 404, front face up to 434.
        QCOMPARE(box(s)->colour, front);
        QCOMPARE(box(s)->from, QPointF(830 + 45, 434));
        QVERIFY(!lines(s, shade).isEmpty());
        QCOMPARE(s.text(" 100")->from, QPointF(875, 544));
        QCOMPARE(s.text(" 100")->colour, paper ? QColor(Qt::black) : QColor(Qt::white));
        for (int n = 1; n <= GraphLegend::kEntries; ++n)
            QCOMPARE(state.legend.isShown(n), n == entry);
        QCOMPARE(state.legend.entries[size_t(entry)].caption, caption);
        QCOMPARE(state.legend.entries[size_t(entry)].colour, front);
    }
}

void TestGraphDrawing::aerobicBarsOfSevenGroups()
{
    AerobicGraph g;
    g.found = true;
    g.scaleCode = 2;
    for (int k = 1; k <= 7; ++k)
        g.points.append({k, QStringLiteral("0%1-Mar-26").arg(k), float(k), QStringLiteral("Hilly ")});
    RecordingSurface s;
    GraphState state;
    ProgressPlot::drawAerobic(s, state, g, ChartType::Column, false);
    for (int k = 1; k <= 7; ++k) {
        const Call *front = box(s, k - 1);
        QCOMPARE(front->from.x(), 875.0 - 130 * (k - 1));
        QCOMPARE(front->to.x(), 890.0 - 130 * (k - 1));
        QCOMPARE(front->from.y(), 40.0 * k + 70);
        QCOMPARE(s.text(QStringLiteral("%1-Mar").arg(k))->from.x(), 860.0 - 130 * (k - 1));
    }
    QCOMPARE(state.groupCaption, QStringLiteral("Grouped by Date"));
}

void TestGraphDrawing::aerobicLineOnEveryScale_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("y");
    QTest::newRow("code 1 as its bars") << 1 << 0.5f << 110;
    QTest::newRow("code 2") << 2 << 6.0f << 330;
    QTest::newRow("code 3") << 3 << 100.0f << 454;
    QTest::newRow("code 4") << 4 << 13000.0f << 450;
}

void TestGraphDrawing::aerobicLineOnEveryScale()
{
    QFETCH(int, code);
    QFETCH(float, value);
    QFETCH(int, y);
    RecordingSurface s;
    GraphState state;
    state.groupIndex = 1;
    state.dateText = QStringLiteral("07-Dec-26");
    AerobicGraphs::DrawAeroLineGraph(s, state, value, code);
    // X = 910 - 130 + 25 + 50; the first point draws twelve blue points and
    // a black tick there.
    const QList<Call> all = s.calls(Call::Line);
    QCOMPARE(all.size(), 13);
    QCOMPARE(all[0].from, QPointF(856, y + 1));
    QCOMPARE(all[0].colour, QColor(0, 0, 250));
    QCOMPARE(all[11].colour, QColor(0, 0, 140));
    QCOMPARE(all[12].from, QPointF(855, y));
    QCOMPARE(all[12].to, QPointF(867, y + 12));
    QCOMPARE(all[12].colour, QColor(Qt::black));
    QCOMPARE(s.text("7-Dec")->from, QPointF(835, 40));
    QCOMPARE(s.texts().last(), GraphShapes::lineValueText(value));
    QCOMPARE(s.calls(Call::Text).last().from, QPointF(855, y + 60));
}

void TestGraphDrawing::abdominalBars()
{
    AbdominalGraph g;
    g.groups.append({1, {QStringLiteral("07-Dec-26"), 10, 0, 30}});
    RecordingSurface s;
    GraphState state;
    state.viewValues = true;
    ProgressPlot::drawAbdominal(s, state, g, ChartType::Column);
    // Bar tops 45, 15 and 105, side by side 25 apart from 780 + 50.
    QCOMPARE(box(s, 0)->from, QPointF(780 + 50 + 45, 45));
    QCOMPARE(box(s, 1)->from, QPointF(780 + 75 + 45, 15));
    QCOMPARE(box(s, 2)->from, QPointF(780 + 100 + 45, 105));
    QCOMPARE(box(s, 2)->colour, QColor(255, 0, 0));
    // The date after the third bar, the repetitions over each.
    QCOMPARE(s.text("7-Dec")->from, QPointF(910, 40));
    QCOMPARE(s.texts().last(), QStringLiteral(" 30"));
    QCOMPARE(s.calls(Call::Text).last().from, QPointF(910, 175));
    QCOMPARE(state.legend.entries[2].caption, QStringLiteral("Upper Abs"));
    QCOMPARE(state.legend.entries[4].caption, QStringLiteral("Oblique Abs"));
    QVERIFY(!state.legend.isShown(1));

    // As lines every series starts with a tick of its own length.
    RecordingSurface line;
    GraphState lineState;
    ProgressPlot::drawAbdominal(line, lineState, g, ChartType::Line);
    const QList<Call> ticks = lines(line, Qt::black);
    QCOMPARE(ticks.size(), 3);
    QCOMPARE(ticks[0].to - ticks[0].from, QPointF(12, 12));
    QCOMPARE(ticks[2].to - ticks[2].from, QPointF(20, 20));
    QCOMPARE(ticks[2].from, QPointF(855, 130));
}

void TestGraphDrawing::emptyLogs()
{
    // A weight-training graph of an empty log is its frame: no bars, no dates.
    RecordingSurface weight;
    GraphState state;
    ProgressPlot::drawWeight(weight, state, weightOf({}), ChartType::Column);
    QVERIFY(weight.calls(Call::Box).isEmpty());
    QCOMPARE(weight.calls(Call::Text).size(), 10);
    QCOMPARE(weight.calls().first().kind, Call::Clear);

    // An aerobic graph draws nothing at all, and prints no page.
    RecordingSurface aerobic;
    AerobicGraph none;
    none.found = true;
    ProgressPlot::drawAerobic(aerobic, state, none, ChartType::Column, false);
    QVERIFY(aerobic.calls().isEmpty());
    QVERIFY(!ProgressPlot::printsPage(none));

    // An empty weight-training log prints its frame and heading.
    RecordingSurface paper;
    GraphState printed;
    ProgressPlot::printWeight(paper, printed, weightOf({}), ChartType::Column,
                              {QStringLiteral("Curl"), QDate(2026, 3, 1)});
    QVERIFY(paper.text("This is the Results of your Curl Exercise"));
    QVERIFY(paper.calls(Call::Box).isEmpty());
}

PULSAR_TEST_MAIN(TestGraphDrawing)
#include "tst_graphdrawing.moc"
