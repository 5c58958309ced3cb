#include "common/ImageSurface.h"
#include "common/RecordingSurface.h"
#include "shell/PrintService.h"
#include "shell/PrinterSurface.h"
#include "support/Pixels.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QtTest>

#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

using Pixels::inkBox;

bool inked(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y) != QColor(Qt::white);
}

using Call = RecordingSurface::Call;

} // namespace

class TestSurfaceArcs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void circleIsRoundWhateverTheScale_data();
    void circleIsRoundWhateverTheScale();
    void arcsRunCounterClockwiseAsSeen_data();
    void arcsRunCounterClockwiseAsSeen();
    void wedgeHasItsRadiusLinesAndArcHasNone();
    void recordsArcsAndMovesToTheCentre();
    void printedCircleIsRound();
};

void TestSurfaceArcs::circleIsRoundWhateverTheScale_data()
{
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QRectF>("scale"); // left, top, right, bottom as a rect's corners
    QTest::addColumn<double>("radius");
    // The pie's picture box: 500 x 500 units over 329 x 265 pixels.
    QTest::newRow("wide box, y down") << QSize(329, 265) << QRectF(QPointF(0, 0), QPointF(500, 500)) << 159.0;
    QTest::newRow("tall box, y up") << QSize(200, 300) << QRectF(QPointF(0, 1000), QPointF(1000, 0)) << 300.0;
    QTest::newRow("one unit a pixel") << QSize(300, 300) << QRectF(QPointF(0, 0), QPointF(300, 300)) << 100.0;
}

// The radius is measured along x: a circle is as tall as it is wide and
// 2 r x units across.
void TestSurfaceArcs::circleIsRoundWhateverTheScale()
{
    QFETCH(QSize, area);
    QFETCH(QRectF, scale);
    QFETCH(double, radius);
    ImageSurface s(area);
    s.scale(scale.left(), scale.top(), scale.right(), scale.bottom());
    s.circle(scale.center(), radius, Qt::black);
    const QRect ink = inkBox(s.image());
    const double across = 2 * radius * area.width() / qAbs(scale.width());
    QVERIFY2(qAbs(ink.width() - across) <= 2, qPrintable(QStringLiteral("%1 wide, %2 expected").arg(ink.width()).arg(across)));
    QVERIFY2(qAbs(ink.height() - ink.width()) <= 1,
             qPrintable(QStringLiteral("%1 x %2").arg(ink.width()).arg(ink.height())));
    QCOMPARE(s.currentX(), scale.center().x());
    QCOMPARE(s.currentY(), scale.center().y());
}

void TestSurfaceArcs::arcsRunCounterClockwiseAsSeen_data()
{
    QTest::addColumn<bool>("yUp");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<int>("quadrant"); // as seen: 0 upper right, 1 upper left, 2 lower left, 3 lower right
    for (const bool yUp : {false, true}) {
        const char *scale = yUp ? "y up" : "y down";
        QTest::addRow("%s: 0 to a quarter", scale) << yUp << 0.0 << kPi / 2 << 0;
        QTest::addRow("%s: a quarter to a half", scale) << yUp << kPi / 2 << kPi << 1;
        QTest::addRow("%s: 1.5 pi to 2 pi", scale) << yUp << 1.5 * kPi << 2 * kPi << 3;
        QTest::addRow("%s: clockwise from a half to a quarter", scale) << yUp << kPi << kPi / 2 << 1;
        QTest::addRow("%s: clockwise from 0 below", scale) << yUp << 0.0 << -kPi / 2 << 3;
    }
}

void TestSurfaceArcs::arcsRunCounterClockwiseAsSeen()
{
    QFETCH(bool, yUp);
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(int, quadrant);
    ImageSurface s(QSize(201, 201));
    if (yUp)
        s.scale(0, 200, 200, 0);
    else
        s.scale(0, 0, 200, 200);
    // Away from the centre, so the radius lines stay out of the count.
    const double inwards = end > start ? 0.1 : -0.1;
    s.arc(QPointF(100, 100), 80, start + inwards, end - inwards, Qt::black);
    const QRect ink = inkBox(s.image());
    QVERIFY(!ink.isEmpty());
    const bool right = ink.left() > 100, left = ink.right() < 100;
    const bool up = ink.bottom() < 100, down = ink.top() > 100;
    const bool expected[4] = {right && up, left && up, left && down, right && down};
    QVERIFY2(expected[quadrant], qPrintable(QStringLiteral("ink at %1,%2 %3x%4")
                                                .arg(ink.x())
                                                .arg(ink.y())
                                                .arg(ink.width())
                                                .arg(ink.height())));
}

void TestSurfaceArcs::wedgeHasItsRadiusLinesAndArcHasNone()
{
    ImageSurface arc(QSize(201, 201));
    arc.scale(0, 0, 200, 200);
    arc.arc(QPointF(100, 100), 80, 0, kPi / 2, Qt::black);
    ImageSurface wedge(QSize(201, 201));
    wedge.scale(0, 0, 200, 200);
    wedge.setDrawWidth(5);
    wedge.wedge(QPointF(100, 100), 80, 0, kPi / 2, Qt::black);

    // Halfway along each radius line: right of the centre, and above it.
    QVERIFY(!inked(arc.image(), 140, 100));
    QVERIFY(!inked(arc.image(), 100, 60));
    QVERIFY(inked(wedge.image(), 140, 100));
    QVERIFY(inked(wedge.image(), 100, 60));
    // Both have the arc, at 45 degrees; the wedge's is five pixels wide.
    const int d = qRound(80 / std::numbers::sqrt2);
    QVERIFY(inked(arc.image(), 100 + d, 100 - d));
    QVERIFY(inked(wedge.image(), 100 + d + 1, 100 - d - 1) && inked(wedge.image(), 100 + d - 1, 100 - d + 1));
    // Nothing inside the wedge: it is an outline.
    QVERIFY(!inked(wedge.image(), 125, 75));
}

void TestSurfaceArcs::recordsArcsAndMovesToTheCentre()
{
    RecordingSurface s;
    s.scale(0, 0, 500, 500);
    s.setDrawWidth(4);
    s.wedge(QPointF(250, 250), 159, 0.001, 1.257, QColor(200, 0, 0));
    QCOMPARE(s.currentX(), 250.0);
    s.setColourMode(DrawingSurface::ColourMode::BlackAndWhite);
    s.setDrawWidth(2);
    s.circle(QPointF(10, 20), 5, QColor(200, 0, 0));
    s.arc(QPointF(30, 40), 6, 1, 2, Qt::white);
    QCOMPARE(QPointF(s.currentX(), s.currentY()), QPointF(30, 40));

    const QList<Call> calls = s.calls();
    QCOMPARE(calls.size(), 3);
    QCOMPARE(calls[0].kind, Call::Wedge);
    QCOMPARE(calls[0].from, QPointF(250, 250));
    QCOMPARE(calls[0].radius, 159.0);
    QCOMPARE(calls[0].start, 0.001);
    QCOMPARE(calls[0].end, 1.257);
    QCOMPARE(calls[0].width, 4);
    QCOMPARE(calls[0].colour, QColor(200, 0, 0));
    QCOMPARE(calls[1].kind, Call::Arc);
    QCOMPARE(calls[1].end, 2 * kPi);
    QCOMPARE(calls[1].colour, QColor(qGray(200, 0, 0), qGray(200, 0, 0), qGray(200, 0, 0)));
    QCOMPARE(calls[2].kind, Call::Arc);
    QCOMPARE(calls[2].width, 2);
}

// On paper too the radius is measured along x: a circle on the landscape
// page's printable area, scaled 500 x 500, is round.
void TestSurfaceArcs::printedCircleIsRound()
{
    const QString folder = TestEnvironment::freshFolder();
    const QString pdf = folder + QStringLiteral("/circle.pdf");
    qputenv(PrintService::kPdfVariable, pdf.toLocal8Bit());
    const auto outcome = PrintService::print(nullptr, QStringLiteral("Circle"), [](PrinterSurface &s) {
        s.scale(0, 0, 500, 500);
        s.setDrawWidth(2);
        s.circle(QPointF(250, 250), 100, Qt::black);
    });
    qunsetenv(PrintService::kPdfVariable);
    QCOMPARE(outcome, PrintService::Outcome::Printed);

    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-png"),
                                          QStringLiteral("-singlefile"), pdf, folder + QStringLiteral("/page")});
    QVERIFY(p.waitForFinished(30000));
    const QImage page(folder + QStringLiteral("/page.png"));
    QVERIFY(!page.isNull());
    QRect ink;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    QVERIFY(!ink.isEmpty());
    QVERIFY2(qAbs(ink.width() - ink.height()) <= 2, qPrintable(QStringLiteral("%1 x %2").arg(ink.width()).arg(ink.height())));
    // Two fifths of the printable width across, on a landscape page.
    QVERIFY2(ink.width() > page.width() / 4 && ink.width() < page.width() / 2,
             qPrintable(QStringLiteral("%1 of %2").arg(ink.width()).arg(page.width())));
}

PULSAR_TEST_MAIN(TestSurfaceArcs)
#include "tst_surfacearcs.moc"
