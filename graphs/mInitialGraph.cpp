#include "mInitialGraph.h"

#include "GraphShapes.h"

#include "common/DateText.h"
#include "common/DrawingSurface.h"
#include "common/PrintColumns.h"

namespace mInitialGraph {

namespace {

const QColor kFrame(0xE0, 0xE0, 0xE0);
const QColor kGrid(0xC0, 0xC0, 0xC0);

// Where the tick, the gridline and the label of a value stand, relative to
// the value's height.
struct Offsets
{
    double a;      // tick start above the height
    double b;      // tick end and gridline above the height
    double x;      // label's left edge
    double screen; // label above the height, on the screen
    double paper;  // the same on paper
};

Offsets offsetsOf(int code)
{
    switch (code) {
    case 2:
        return {30, 65, 20, 50, 50};
    case 3:
        return {30, 65, 10, 70, 70};
    case 4:
        return {30, 65, 0, 70, 70};
    case 5:
        return {20, 55, 0, 70, 50};
    default:
        return {30, 65, 10, 70, 70};
    }
}

void drawFrame(DrawingSurface &s)
{
    s.line({53, 0}, {53, 950}, kFrame);
    s.line({0, 50}, {1000, 50}, kFrame);
    s.line({0, 95}, {53, 95}, kFrame);
    s.line({65, 95}, {1000, 95}, kFrame);
    s.line({65, 95}, {65, 1000}, kFrame);
    s.line({65, 95}, {53, 50}, kFrame);
    s.line({53, 950}, {65, 1000}, kFrame);
}

void drawBand(DrawingSurface &s, const QColor &colour)
{
    for (int y = 55; y <= 90; y += 5)
        s.line({0, double(y)}, {1000, double(y)}, colour);
}

void drawScale(DrawingSurface &s, int code, bool paper)
{
    const Offsets o = offsetsOf(code);
    for (const YLabel &l : yLabels(code)) {
        const QPointF end(65, l.y + o.b);
        s.line({53, l.y + o.a}, end, kGrid);
        s.line(end, {1000, l.y + o.b}, kGrid);
        s.setCurrent({o.x, l.y + (paper ? o.paper : o.screen)});
        s.print(GraphShapes::numberText(l.value));
    }
}

// The page's heading above the frame, by print columns: the title at
// column 25, the date at 55 and the legend of five sets at 10, each set in
// its colour.
ColumnPage headingPage(const PageHeading &heading)
{
    ColumnPage p;
    p.size(14).twoEmptyLines();
    p.text(25, QStringLiteral("This is the Results of your ") + heading.exercise + QStringLiteral(" Exercise"))
        .lineEnd();
    p.size(10).twoEmptyLines();
    p.text(55, DateText::longDate(heading.today)).lineEnd();
    p.twoEmptyLines();
    for (int set = 1; set <= 5; ++set)
        p.colour(GraphShapes::setColours(set).main).text(10, QStringLiteral("Set %1").arg(set)).lineEnd();
    p.size(10).colour(Qt::black);
    return p;
}

} // namespace

QList<YLabel> yLabels(int code)
{
    QList<YLabel> out;
    switch (code) {
    case 2:
        for (int v = 2; v <= 20; v += 2)
            out.append({v, 40.0 * v + 40});
        break;
    case 3:
        for (int n = 40; n <= 440; n += 40)
            out.append({n / 2, (40.0 * n + 40) / 20});
        break;
    case 4:
        for (int v = 2700; v <= 27000; v += 2700)
            out.append({v, (40.0 * v + 40) / 1300});
        break;
    case 5:
        for (int v = 30; v <= 300; v += 30)
            out.append({v, 3.0 * v});
        break;
    default:
        for (int v = 1; v <= 10; ++v)
            out.append({v, (40.0 * v + 20) * 2});
        break;
    }
    return out;
}

void DrawInitialGraph(DrawingSurface &s, int scaleCode)
{
    s.clear();
    s.scale(0, 1000, 1000, 0);
    drawBand(s, QColor(100, 20, 33));
    for (int i = 55; i <= 1000; i += 5)
        s.line({0, i + 50.0}, {1000, i + 50.0}, QColor(i / 4, 20, 33));
    drawFrame(s);
    s.setDrawWidth(1);
    drawScale(s, scaleCode, false);
}

void PrintInitialGraph(DrawingSurface &s, int scaleCode, const PageHeading &heading)
{
    s.setColourMode(heading.colour ? DrawingSurface::ColourMode::Colour
                                   : DrawingSurface::ColourMode::BlackAndWhite);
    s.scale(0, 1500, 1500, 0);
    s.setCurrent({0, 1500});
    s.setForeColour(Qt::black);
    ColumnPainter(s).run(headingPage(heading));
    drawBand(s, Qt::black);
    s.setDrawWidth(5);
    drawFrame(s);
    drawScale(s, scaleCode, true);
}

} // namespace mInitialGraph
