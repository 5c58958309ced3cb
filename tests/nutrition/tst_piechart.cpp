#include "common/ImageSurface.h"
#include "common/RecordingSurface.h"
#include "nutrition/PieChart.h"
#include "support/Pixels.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QtTest>

using namespace PieChart;
using Call = RecordingSurface::Call;

namespace {

// The intake wedge of the caloric balance: red, shaded 255 / j x 115.
Part redPart(double value)
{
    return {value, QColor(115, 0, 0), {Component::shaded(255, 115), Component::fixed(0), Component::fixed(0)}, 1};
}

// The pixel whose centre lies j + 0.5 units straight above the top's
// centre, in a picture of one unit a pixel: it shows the ring of radius j.
QColor ringPixel(const QImage &image, int j)
{
    return image.pixelColor(249, 250 - j - 1);
}

using Pixels::colourBox;

} // namespace

class TestPieChart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wedgeAngles_data();
    void wedgeAngles();
    void ringComponents_data();
    void ringComponents();
    void backgroundLines_data();
    void backgroundLines();
    void renderedColours();
    void pieIsRoundAndRaised();
    void drawsSidesThenShadedOutlinedTops();
};

void TestPieChart::wedgeAngles_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<double>("total");
    QTest::addColumn<QList<float>>("sweeps");
    QTest::addColumn<float>("lastEnd");
    QTest::newRow("five equal parts") << QList<double>{15, 15, 15, 15, 15} << 75.0
                                      << QList<float>{1.256f, 1.256f, 1.256f, 1.256f, 1.256f} << -6.281f;
    QTest::newRow("three equal parts") << QList<double>{10, 10, 10} << 30.0
                                       << QList<float>{2.0933335f, 2.0933335f, 2.0933335f} << -6.281f;
    QTest::newRow("one part") << QList<double>{42} << 42.0 << QList<float>{6.28f} << -6.281f;
    // Shares above the whole: the last wedge ends at 6.2831.
    QTest::newRow("last held at 6.2831") << QList<double>{100, 101} << 200.0 << QList<float>{3.14f, 6.2831f - 3.141f}
                                         << -6.2831f;
    QTest::newRow("a part of nothing") << QList<double>{0, 30} << 30.0 << QList<float>{0, 6.28f} << -6.281f;
}

void TestPieChart::wedgeAngles()
{
    QFETCH(QList<double>, values);
    QFETCH(double, total);
    QFETCH(QList<float>, sweeps);
    QFETCH(float, lastEnd);
    const QList<Angles> a = angles(values, total);
    QCOMPARE(a.size(), values.size());
    QCOMPARE(a.first().start, -0.001f);
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (i > 0)
            QCOMPARE(a[i].start, a[i - 1].end);
        QCOMPARE(a[i].start - a[i].end, sweeps[i]);
    }
    QCOMPARE(a.last().end, lastEnd);
}

void TestPieChart::ringComponents_data()
{
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("j");
    QTest::addColumn<int>("q");
    QTest::addColumn<int>("component");
    QTest::newRow("255/j x 115 at the rim") << 255 << 159 << 115 << 184;
    QTest::newRow("255/j x 115 at 158") << 255 << 158 << 115 << 186;
    QTest::newRow("255/j x 115 at 116") << 255 << 116 << 115 << 253;
    QTest::newRow("255/j x 115 at 115") << 255 << 115 << 115 << 255;
    QTest::newRow("held at 255 inwards") << 255 << 20 << 115 << 255;
    QTest::newRow("other's red at the rim") << 100 << 159 << 190 << 119;
    QTest::newRow("other's green at the rim") << 100 << 159 << 217 << 136;
    QTest::newRow("other's blue at the rim") << 100 << 159 << 43 << 27;
    QTest::newRow("other's red at 100") << 100 << 100 << 190 << 190;
    QTest::newRow("fruit's red at the rim") << 255 << 159 << 128 << 205;
    QTest::newRow("a half to the even below") << 1 << 2 << 5 << 2;
    QTest::newRow("a half to the even above") << 1 << 2 << 7 << 4;
}

void TestPieChart::ringComponents()
{
    QFETCH(int, p);
    QFETCH(int, j);
    QFETCH(int, q);
    QFETCH(int, component);
    QCOMPARE(ringComponent(p, j, q), component);
    QCOMPARE(Component::shaded(p, q).at(j), component);
}

void TestPieChart::backgroundLines_data()
{
    QTest::addColumn<int>("i");
    QTest::addColumn<int>("blue");
    QTest::newRow("left edge") << 0 << 55;
    QTest::newRow("55.5 to even") << 1 << 56;
    QTest::newRow("56.5 to even") << 3 << 56;
    QTest::newRow("57.5 to even") << 5 << 58;
    QTest::newRow("254.5 to even") << 399 << 254;
    QTest::newRow("full blue") << 400 << 255;
    QTest::newRow("held at 255") << 499 << 255;
}

// The colour of each line, and the pixel it leaves in a picture of one
// unit a pixel.
void TestPieChart::backgroundLines()
{
    QFETCH(int, i);
    QFETCH(int, blue);
    QCOMPARE(backgroundColour(i), QColor(0, 0, blue));
    ImageSurface s(QSize(500, 500));
    drawBackground(s);
    for (const int y : {0, 250, 499})
        QCOMPARE(s.image().pixelColor(i, y), QColor(0, 0, blue));
}

// The rings as they stand in the picture: each ring is two pixels wide and
// the next one inwards covers its inner half.
void TestPieChart::renderedColours()
{
    ImageSurface pie(QSize(500, 500));
    drawBackground(pie);
    drawPie(pie, {redPart(1)}, 1);
    QCOMPARE(ringPixel(pie.image(), 116), QColor(253, 0, 0));
    QCOMPARE(ringPixel(pie.image(), 115), QColor(255, 0, 0));
    QCOMPARE(ringPixel(pie.image(), 60), QColor(255, 0, 0));
    // The rim's rings lie under the black outline; the top alone shows them.
    QCOMPARE(ringPixel(pie.image(), 158), QColor(Qt::black));
    ImageSurface top(QSize(500, 500));
    top.scale(0, 0, 500, 500);
    drawTop(top, redPart(1), angles({1}, 1).first());
    QCOMPARE(ringPixel(top.image(), 159), QColor(184, 0, 0));
    QCOMPARE(ringPixel(top.image(), 158), QColor(186, 0, 0));
    QCOMPARE(ringPixel(top.image(), 116), QColor(253, 0, 0));
}

// In the caloric balance's picture box (wider than tall) the outline is a
// circle 2 x 159 x units across, and the side shows beside the top.
void TestPieChart::pieIsRoundAndRaised()
{
    ImageSurface s(QSize(329, 265));
    drawBackground(s);
    const QColor side(0, 115, 250);
    Part second = redPart(20);
    second.side = side;
    drawPie(s, {redPart(10), second}, 30);
    const QRect outline = colourBox(s.image(), Qt::black);
    const double across = 2 * 159 * 329.0 / 500;
    QVERIFY2(qAbs(outline.width() - across) <= 4, qPrintable(QString::number(outline.width())));
    QVERIFY2(qAbs(outline.height() - outline.width()) <= 2,
             qPrintable(QStringLiteral("%1 x %2").arg(outline.width()).arg(outline.height())));
    const QRect rims = colourBox(s.image(), side);
    QVERIFY(!rims.isEmpty());
    QVERIFY(!outline.contains(rims));
}

void TestPieChart::drawsSidesThenShadedOutlinedTops()
{
    RecordingSurface s(QSizeF(500, 500));
    drawBackground(s);
    QList<Part> parts;
    for (int k = 0; k < 5; ++k)
        parts.append({15, QColor(k, 0, 0), {Component::fixed(k), Component::fixed(1), Component::fixed(2)},
                      k < 3 ? 1 : 10});
    drawPie(s, parts, 75);

    const QList<Call> lines = s.calls(Call::Line);
    QCOMPARE(lines.size(), kBackgroundLines);
    QCOMPARE(lines.last().from, QPointF(500, 0));
    const QList<Call> wedges = s.calls(Call::Wedge);
    const int sides = 8 * 5 * 5, tops = 3 * 159 + 2 * 150;
    QCOMPARE(wedges.size(), sides + tops + 5);
    for (int i = 0; i < sides; ++i) {
        QCOMPARE(wedges[i].width, 2);
        QCOMPARE(wedges[i].colour, QColor((i / 5) % 5, 0, 0));
        QCOMPARE(wedges[i].radius, 159.0 - i % 5);
    }
    QCOMPARE(wedges[sides - 1].from, QPointF(249, 249));
    QCOMPARE(wedges[0].from, QPointF(235, 235));
    // Each top: its rings from the rim inwards, then the outline.
    int at = sides;
    for (int k = 0; k < 5; ++k) {
        QCOMPARE(wedges[at].radius, 159.0);
        QCOMPARE(wedges[at].from, QPointF(250, 250));
        at += k < 3 ? 159 : 150;
        QCOMPARE(wedges[at - 1].radius, k < 3 ? 1.0 : 10.0);
        QCOMPARE(wedges[at].colour, QColor(Qt::black));
        QCOMPARE(wedges[at].radius, 159.0);
        QCOMPARE(wedges[at].width, k == 0 ? 2 : k == 1 ? 3 : 4);
        QCOMPARE(wedges[at].start, -double(angles({15, 15, 15, 15, 15}, 75)[k].start));
        ++at;
    }
}

PULSAR_TEST_MAIN(TestPieChart)
#include "tst_piechart.moc"
