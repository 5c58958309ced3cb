#include "common/ImageSurface.h"
#include "common/RecordingSurface.h"
#include "support/Pixels.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QPainter>
#include <QtTest>

namespace {

using Pixels::inkBox;

using Call = RecordingSurface::Call;

} // namespace

class TestDrawingSurface : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mapsLogicalUnitsWithYUp_data();
    void mapsLogicalUnitsWithYUp();
    void textReadsUprightWhateverTheScale();
    void drawWidthIsInPixelsWhateverTheScale_data();
    void drawWidthIsInPixelsWhateverTheScale();
    void filledBoxCoversItsCorners();
    void clearFillsWithBackColourAndResetsThePoint();
    void currentPointFollowsEveryCall();
    void printMovesDownAsSeen_data();
    void printMovesDownAsSeen();
    void blackAndWhiteDrawsGreys();
    void recordsCallsWithTheirColourAndWidth();
};

void TestDrawingSurface::mapsLogicalUnitsWithYUp_data()
{
    QTest::addColumn<QPointF>("logical");
    QTest::addColumn<QPoint>("pixel");
    // A 200 x 100 image scaled (0, 1000)-(1000, 0).
    QTest::newRow("bottom left") << QPointF(0, 0) << QPoint(0, 99);
    QTest::newRow("top right") << QPointF(995, 995) << QPoint(199, 0);
    QTest::newRow("just above the middle") << QPointF(500, 500) << QPoint(100, 49);
    QTest::newRow("just above a quarter up") << QPointF(250, 250) << QPoint(50, 74);
}

void TestDrawingSurface::mapsLogicalUnitsWithYUp()
{
    QFETCH(QPointF, logical);
    QFETCH(QPoint, pixel);
    ImageSurface s(QSize(200, 100));
    s.scale(0, 1000, 1000, 0);
    // A box one pixel large lands on the mapped pixel.
    s.filledBox(logical, logical + QPointF(1, 1), Qt::red);
    const QRect ink = inkBox(s.image());
    QVERIFY2(ink.contains(pixel), qPrintable(QStringLiteral("ink at %1,%2 %3x%4")
                                                 .arg(ink.x())
                                                 .arg(ink.y())
                                                 .arg(ink.width())
                                                 .arg(ink.height())));
    QVERIFY(ink.width() <= 2 && ink.height() <= 2);
}

void TestDrawingSurface::textReadsUprightWhateverTheScale()
{
    // The same text at the same place on the screen, once with y up, once
    // with y down, and once painted straight with QPainter: all three alike.
    QFont font(QStringLiteral("DejaVu Sans"), 14);
    ImageSurface up(QSize(120, 60));
    up.setFont(font);
    up.scale(0, 1000, 1000, 0);
    up.setCurrent(QPointF(100, 800)); // pixel (12, 12)
    up.print(QStringLiteral("Lg7"));

    ImageSurface down(QSize(120, 60));
    down.setFont(font);
    down.scale(0, 0, 1200, 600);
    down.setCurrent(QPointF(120, 120)); // pixel (12, 12)
    down.print(QStringLiteral("Lg7"));

    QImage straight(QSize(120, 60), QImage::Format_RGB32);
    straight.fill(Qt::white);
    {
        QPainter p(&straight);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QPointF(12, 12 + QFontMetricsF(font, &straight).ascent()),
                   QStringLiteral("Lg7"));
    }
    QVERIFY(!inkBox(up.image()).isEmpty());
    QCOMPARE(up.image(), straight);
    QCOMPARE(down.image(), straight);
    // The text hangs below the point as seen.
    QCOMPARE(inkBox(up.image()).top() >= 12, true);
}

void TestDrawingSurface::drawWidthIsInPixelsWhateverTheScale_data()
{
    QTest::addColumn<double>("units");
    QTest::addColumn<int>("width");
    QTest::addColumn<double>("ratio"); // the screen's device pixels to a pixel
    QTest::newRow("10 units, width 1") << 10.0 << 1 << 1.0;
    QTest::newRow("10 units, width 4") << 10.0 << 4 << 1.0;
    QTest::newRow("100000 units, width 4") << 100000.0 << 4 << 1.0;
    QTest::newRow("100000 units, width 3") << 100000.0 << 3 << 1.0;
    QTest::newRow("double density, width 1") << 1000.0 << 1 << 2.0;
    QTest::newRow("double density, width 3") << 1000.0 << 3 << 2.0;
}

void TestDrawingSurface::drawWidthIsInPixelsWhateverTheScale()
{
    QFETCH(double, units);
    QFETCH(int, width);
    QFETCH(double, ratio);
    ImageSurface s(QSize(100, 100), Qt::white, ratio);
    s.scale(0, units, units, 0);
    s.setDrawWidth(width);
    s.line(QPointF(units * 0.2, units / 2), QPointF(units * 0.8, units / 2), Qt::black);
    // Measured in the middle of the line, away from its round ends, in the
    // image's own pixels: a line is as thick as a filled box that wide.
    const QImage &image = s.image();
    int thickness = 0;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(image.width() / 2, y) != Qt::white)
            ++thickness;
    QCOMPARE(thickness, int(width * ratio));
}

void TestDrawingSurface::filledBoxCoversItsCorners()
{
    ImageSurface s(QSize(100, 100));
    s.scale(0, 1000, 1000, 0);
    s.filledBox(QPointF(100, 100), QPointF(500, 300), Qt::blue);
    QCOMPARE(inkBox(s.image()), QRect(10, 70, 40, 20));
    // Corners in either order give the same box.
    ImageSurface t(QSize(100, 100));
    t.scale(0, 1000, 1000, 0);
    t.filledBox(QPointF(500, 100), QPointF(100, 300), Qt::blue);
    QCOMPARE(t.image(), s.image());
    QCOMPARE(s.image().pixelColor(30, 80), QColor(Qt::blue));
    QCOMPARE(s.image().pixelColor(30, 60), QColor(Qt::white));
    QCOMPARE(s.image().pixelColor(60, 80), QColor(Qt::white));
}

void TestDrawingSurface::clearFillsWithBackColourAndResetsThePoint()
{
    const QColor back(0x40, 0x40, 0x40);
    ImageSurface s(QSize(30, 20), Qt::white);
    QCOMPARE(s.image().pixelColor(5, 5), QColor(Qt::white));
    s.scale(0, 1000, 1000, 0);
    s.line(QPointF(0, 0), QPointF(1000, 1000), Qt::red);
    s.setBackColour(back);
    s.clear();
    QCOMPARE(inkBox(s.image(), back), QRect());
    QCOMPARE(s.currentX(), 0.0);
    QCOMPARE(s.currentY(), 0.0);
}

void TestDrawingSurface::currentPointFollowsEveryCall()
{
    RecordingSurface s;
    s.scale(0, 1000, 1000, 0);
    s.line(QPointF(53, 20), QPointF(65, 55), Qt::gray);
    QCOMPARE(QPointF(s.currentX(), s.currentY()), QPointF(65, 55));
    s.lineTo(QPointF(1000, 55));
    s.filledBox(QPointF(10, 10), QPointF(20, 30), Qt::green);
    QCOMPARE(QPointF(s.currentX(), s.currentY()), QPointF(20, 30));
    s.lineTo(QPointF(40, 40));

    const QList<Call> lines = s.calls(Call::Line);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[1].from, QPointF(65, 55));
    QCOMPARE(lines[1].to, QPointF(1000, 55));
    QCOMPARE(lines[1].colour, QColor(Qt::black)); // lineTo without a colour: the fore colour
    QCOMPARE(lines[2].from, QPointF(20, 30));
}

void TestDrawingSurface::printMovesDownAsSeen_data()
{
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<double>("expectedY");
    // 265 pixels high, a line of 14 pixels: 1000 units give 52.83 units a line.
    QTest::newRow("y up") << 1000.0 << 0.0 << 500.0 - 14 * 1000.0 / 265;
    QTest::newRow("y down") << 0.0 << 1000.0 << 500.0 + 14 * 1000.0 / 265;
}

void TestDrawingSurface::printMovesDownAsSeen()
{
    QFETCH(double, top);
    QFETCH(double, bottom);
    QFETCH(double, expectedY);
    RecordingSurface s(QSizeF(465, 265));
    s.scale(0, top, 1000, bottom);
    s.setCurrent(QPointF(300, 500));
    s.print(QStringLiteral("abc"), DrawingSurface::TextEnd::AfterText);
    QCOMPARE(s.currentX(), 300 + 3 * 6 * 1000.0 / 465);
    QCOMPARE(s.currentY(), 500.0);
    s.print(QStringLiteral("d"));
    QCOMPARE(s.currentX(), 0.0);
    QCOMPARE(s.currentY(), expectedY);
    QCOMPARE(s.calls(Call::Text).at(1).from, QPointF(300 + 3 * 6 * 1000.0 / 465, 500));
}

void TestDrawingSurface::blackAndWhiteDrawsGreys()
{
    RecordingSurface s;
    s.setColourMode(DrawingSurface::ColourMode::BlackAndWhite);
    s.setForeColour(QColor(25, 255, 25));
    s.line(QPointF(0, 0), QPointF(1, 1), QColor(100, 20, 33));
    s.print(QStringLiteral("x"));
    const QColor lineColour = s.calls(Call::Line).at(0).colour;
    QCOMPARE(lineColour.red(), lineColour.green());
    QCOMPARE(lineColour.green(), lineColour.blue());
    QCOMPARE(lineColour.red(), qGray(100, 20, 33));
    QCOMPARE(s.calls(Call::Text).at(0).colour, QColor(qGray(25, 255, 25), qGray(25, 255, 25),
                                                      qGray(25, 255, 25)));
    // The fore colour itself stays as set.
    QCOMPARE(s.foreColour(), QColor(25, 255, 25));

    ImageSurface image(QSize(10, 10));
    image.setColourMode(DrawingSurface::ColourMode::BlackAndWhite);
    image.filledBox(QPointF(0, 0), QPointF(10, 10), Qt::red);
    QCOMPARE(image.image().pixelColor(5, 5), QColor(qGray(255, 0, 0), qGray(255, 0, 0),
                                                    qGray(255, 0, 0)));
}

void TestDrawingSurface::recordsCallsWithTheirColourAndWidth()
{
    RecordingSurface s;
    s.setBackColour(QColor(0x40, 0x40, 0x40));
    s.clear();
    s.setDrawWidth(3);
    s.line(QPointF(1, 2), QPointF(3, 4), QColor(1, 2, 3));
    s.setDrawWidth(0); // no thinner than one pixel
    s.setForeColour(Qt::white);
    s.setCurrent(QPointF(880, 50));
    s.print(QStringLiteral("7-Dec"));
    s.filledBox(QPointF(915, 565), QPointF(930, 60), QColor(25, 255, 25));

    const QList<Call> &calls = s.calls();
    QCOMPARE(calls.size(), 4);
    QCOMPARE(calls[0].kind, Call::Clear);
    QCOMPARE(calls[0].colour, QColor(0x40, 0x40, 0x40));
    QCOMPARE(calls[1].width, 3);
    QCOMPARE(calls[1].colour, QColor(1, 2, 3));
    QCOMPARE(calls[2].kind, Call::Text);
    QCOMPARE(calls[2].from, QPointF(880, 50));
    QCOMPARE(calls[2].colour, QColor(Qt::white));
    QCOMPARE(calls[3].width, 1);
    QCOMPARE(s.texts(), QStringList{QStringLiteral("7-Dec")});
    QVERIFY(s.text(QStringLiteral("7-Dec")));
    QVERIFY(!s.text(QStringLiteral("8-Dec")));
}

PULSAR_TEST_MAIN(TestDrawingSurface)
#include "tst_drawingsurface.moc"
