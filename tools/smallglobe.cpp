// Draws the report logo data/smallglobe.jpg: a globe 90 pixels across at
// 96 pixels to the inch, a little under an inch when printed.
//
//   g++ -std=c++20 -fPIC tools/smallglobe.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/smallglobe
//   QT_QPA_PLATFORM=offscreen /tmp/smallglobe data/smallglobe.jpg
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    constexpr int kSize = 90;
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(3780); // 96 to the inch
    image.setDotsPerMeterY(3780);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(kSize / 2.0, kSize / 2.0);
    const double r = kSize / 2.0 - 3;

    // The sea, lit from the upper left.
    QRadialGradient sea(centre + QPointF(-r / 3, -r / 3), r * 1.4);
    sea.setColorAt(0, QColor(120, 190, 255));
    sea.setColorAt(0.6, QColor(30, 100, 200));
    sea.setColorAt(1, QColor(10, 40, 110));
    QPainterPath globe;
    globe.addEllipse(centre, r, r);
    p.fillPath(globe, sea);

    // Made-up land, kept inside the globe.
    p.setClipPath(globe);
    QRadialGradient land(centre + QPointF(-r / 3, -r / 3), r * 1.4);
    land.setColorAt(0, QColor(140, 210, 110));
    land.setColorAt(1, QColor(30, 110, 40));
    QPainterPath west;
    west.moveTo(centre + QPointF(-30, -30));
    west.cubicTo(centre + QPointF(-8, -40), centre + QPointF(-2, -22), centre + QPointF(-12, -10));
    west.cubicTo(centre + QPointF(-20, -2), centre + QPointF(-6, 8), centre + QPointF(-10, 22));
    west.cubicTo(centre + QPointF(-14, 36), centre + QPointF(-26, 20), centre + QPointF(-24, 6));
    west.cubicTo(centre + QPointF(-22, -6), centre + QPointF(-44, -12), centre + QPointF(-30, -30));
    QPainterPath east;
    east.moveTo(centre + QPointF(6, -34));
    east.cubicTo(centre + QPointF(30, -40), centre + QPointF(44, -16), centre + QPointF(30, -6));
    east.cubicTo(centre + QPointF(22, 0), centre + QPointF(30, 14), centre + QPointF(20, 26));
    east.cubicTo(centre + QPointF(10, 36), centre + QPointF(4, 18), centre + QPointF(10, 6));
    east.cubicTo(centre + QPointF(14, -6), centre + QPointF(-4, -20), centre + QPointF(6, -34));
    p.fillPath(west, land);
    p.fillPath(east, land);

    // Meridians and parallels.
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    p.setBrush(Qt::NoBrush);
    for (double w : {0.35, 0.7})
        p.drawEllipse(centre, r * w, r);
    p.drawLine(centre + QPointF(0, -r), centre + QPointF(0, r));
    for (double h : {-0.5, 0.0, 0.5}) {
        const double half = r * std::sqrt(1 - h * h);
        p.drawLine(centre + QPointF(-half, h * r), centre + QPointF(half, h * r));
    }
    p.setClipping(false);

    p.setPen(QPen(QColor(10, 30, 90), 2));
    p.drawEllipse(centre, r, r);
    p.end();
    return image.save(QString::fromLocal8Bit(argv[1]), "JPG", 92) ? 0 : 1;
}
