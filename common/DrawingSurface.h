#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;
class QPaintDevice;

// The drawing operations every chart, pie and printed page uses, in logical
// units: scale() gives the units of the drawing area's top left and bottom
// right corners, so (0, 1000)-(1000, 0) makes x grow to the right and y
// upwards. Draw widths are in pixels whatever the scale.
//
// Every drawing call moves the current point: a line to its end, a box to
// its second corner, a text to the start of the next line (or to the end of
// the text). Text hangs below and to the right of the current point as the
// drawing is seen, so it reads upright whatever way the scale runs.
//
// The state (scale, current point, colours, width, font, colour mode) lives
// here; a back end only paints what it is handed: one that paints a QImage
// for the screen, one that paints a printer page, one that records the calls
// for tests.
class DrawingSurface
{
public:
    enum class ColourMode { Colour, BlackAndWhite };
    // Where print() leaves the current point.
    enum class TextEnd {
        NextLine,  // at the left edge of the area, one text height further down
        AfterText, // right after the text, on the same line
    };

    virtual ~DrawingSurface();

    // The units of the area's top left (left, top) and bottom right (right,
    // bottom) corners. The default is one unit to a pixel with y growing
    // downwards.
    void scale(double left, double top, double right, double bottom);
    // The scale in effect: the one set, or the area's pixels before any.
    QRectF scaleRect() const;

    // Fills the whole area with the back colour; the current point goes to
    // (0, 0).
    void clear();
    void setBackColour(const QColor &colour) { m_back = colour; }
    QColor backColour() const { return m_back; }

    void setDrawWidth(int pixels);
    int drawWidth() const { return m_width; }

    // The colour of text, and of lines and boxes drawn without one of their own.
    void setForeColour(const QColor &colour) { m_fore = colour; }
    QColor foreColour() const { return m_fore; }

    // In black and white every colour is drawn as its grey.
    void setColourMode(ColourMode mode) { m_mode = mode; }
    ColourMode colourMode() const { return m_mode; }

    void setFont(const QFont &font) { m_font = font; }
    QFont font() const { return m_font; }

    // A line in the fore colour or in a colour of its own.
    void line(QPointF from, QPointF to);
    void line(QPointF from, QPointF to, const QColor &colour);
    // A line on from the current point.
    void lineTo(QPointF to);
    void lineTo(QPointF to, const QColor &colour);
    // A box filled with its colour between two opposite corners; with a draw
    // width above one its edge is as wide as a line.
    void filledBox(QPointF corner, QPointF opposite, const QColor &colour);

    // A picture stretched over the box between two opposite corners. The
    // current point stays where it was.
    void picture(QPointF corner, QPointF opposite, const QImage &image);

    // Circles and arcs in the draw width. The radius is measured along x, so
    // a circle is round whatever the scale: `radius` x units from its centre
    // in every direction as seen. Angles are in radians as seen, 0 pointing
    // to the right and growing counter-clockwise; an arc runs from `start`
    // to `end`, clockwise when the end is below the start. The current point
    // goes to the centre.
    void circle(QPointF centre, double radius, const QColor &colour);
    void arc(QPointF centre, double radius, double start, double end, const QColor &colour);
    // The outline of a wedge: the arc with the two straight lines from the
    // centre to its ends.
    void wedge(QPointF centre, double radius, double start, double end, const QColor &colour);

    void setCurrentX(double x) { m_current.setX(x); }
    void setCurrentY(double y) { m_current.setY(y); }
    void setCurrent(QPointF at) { m_current = at; }
    double currentX() const { return m_current.x(); }
    double currentY() const { return m_current.y(); }

    // Text in the fore colour, its top left at the current point.
    void print(const QString &text, TextEnd end = TextEnd::NextLine);
    // The text's width and the font's line height, in logical units.
    double textWidth(const QString &text) const;
    double textHeight() const;

    // The colour as it is drawn in the current colour mode.
    QColor drawnColour(const QColor &colour) const;

protected:
    DrawingSurface();

    // What a back end paints, in logical units; colours come already turned
    // to grey in black and white.
    virtual void paintClear(const QColor &colour) = 0;
    virtual void paintLine(QPointF from, QPointF to, const QColor &colour, int width) = 0;
    virtual void paintBox(QPointF corner, QPointF opposite, const QColor &colour, int width) = 0;
    // An arc of `radius` x units about `centre` from `start` to `end`
    // (radians, as above), with the lines from the centre to its ends when
    // `radiusLines` is set.
    virtual void paintArc(QPointF centre, double radius, double start, double end, bool radiusLines,
                          const QColor &colour, int width) = 0;
    virtual void paintText(QPointF topLeft, const QString &text, const QColor &colour) = 0;
    // A back end without pictures paints none.
    virtual void paintPicture(QPointF corner, QPointF opposite, const QImage &image);
    // The size of the drawing area, and of a text in the current font, in
    // the back end's own pixels.
    virtual QSizeF areaPixels() const = 0;
    virtual QSizeF textPixels(const QString &text) const = 0;

    // Logical units to the back end's pixels and back, by the scale.
    QPointF toPixels(QPointF logical) const;
    QPointF toLogical(QPointF pixels) const;
    // A length along x in the back end's pixels.
    double toPixelsAlongX(double length) const;

private:
    QRectF m_scale;
    QPointF m_current;
    QColor m_back = Qt::white;
    QColor m_fore = Qt::black;
    int m_width = 1;
    ColourMode m_mode = ColourMode::Colour;
    QFont m_font;
    bool m_defaultScale = true;
};

// The part of a back end that paints through a QPainter on an area of its
// device: lines and box edges with cosmetic pens `pixelSize` device pixels to
// a drawing pixel wide, and text placed at mapped points with the painter's
// transform left alone, so nothing is ever mirrored.
class PainterSurface : public DrawingSurface
{
public:
    // Paints with the caller's active painter, which must outlive the
    // surface's use; `area` is the drawing area in the painter's coordinates.
    PainterSurface(QPainter *painter, const QRectF &area, double pixelSize = 1.0);

    QRectF area() const { return m_area; }

protected:
    // Opens a painter of its own on `device` for each call, so the device
    // (an image) can be shown between calls.
    PainterSurface(QPaintDevice *device, const QRectF &area, double pixelSize = 1.0);

    void paintClear(const QColor &colour) override;
    void paintLine(QPointF from, QPointF to, const QColor &colour, int width) override;
    void paintBox(QPointF corner, QPointF opposite, const QColor &colour, int width) override;
    void paintArc(QPointF centre, double radius, double start, double end, bool radiusLines,
                  const QColor &colour, int width) override;
    void paintText(QPointF topLeft, const QString &text, const QColor &colour) override;
    void paintPicture(QPointF corner, QPointF opposite, const QImage &image) override;
    QSizeF areaPixels() const override;
    QSizeF textPixels(const QString &text) const override;

private:
    class Active;
    QPointF device(QPointF logical) const;
    // A draw width as the width of a cosmetic pen of `painter`.
    double penPixels(const QPainter &painter, int width) const;

    QPainter *m_painter = nullptr;
    QPaintDevice *m_device = nullptr;
    QRectF m_area;
    double m_pixelSize = 1.0;
};
