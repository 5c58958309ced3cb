#pragma once

#include "DrawingSurface.h"

#include <QList>
#include <QStringList>

// A drawing surface that paints nothing and keeps every drawing call with
// the colour and width it was drawn in, in logical units, so that tests can
// check what a chart draws and where. Texts are measured as if each
// character were 6 pixels wide and a line 14 pixels high.
class RecordingSurface : public DrawingSurface
{
public:
    struct Call
    {
        // A circle is an Arc from 0 to 2 pi; a Wedge is an arc with its
        // radius lines.
        enum Kind { Clear, Line, Box, Text, Picture, Arc, Wedge };
        Kind kind;
        QPointF from;  // a line's start, a box's or picture's first corner, a text's top left, an arc's centre
        QPointF to;    // a line's end, a box's or picture's opposite corner
        QColor colour; // as drawn (grey in black and white)
        int width = 1; // the draw width in effect
        QString text;
        double radius = 0; // an arc's, in x units
        double start = 0;  // an arc's angles, in radians
        double end = 0;
    };

    // The area in pixels that the scale spreads over.
    explicit RecordingSurface(const QSizeF &areaPixels = QSizeF(465, 265));

    const QList<Call> &calls() const { return m_calls; }
    QList<Call> calls(Call::Kind kind) const;
    // The printed texts in order.
    QStringList texts() const;
    // The first printed text equal to `text`; null when none.
    const Call *text(const QString &text) const;
    void reset() { m_calls.clear(); }

    static constexpr double kCharPixels = 6;
    static constexpr double kLinePixels = 14;

protected:
    void paintClear(const QColor &colour) override;
    void paintLine(QPointF from, QPointF to, const QColor &colour, int width) override;
    void paintBox(QPointF corner, QPointF opposite, const QColor &colour, int width) override;
    void paintArc(QPointF centre, double radius, double start, double end, bool radiusLines,
                  const QColor &colour, int width) override;
    void paintText(QPointF topLeft, const QString &text, const QColor &colour) override;
    void paintPicture(QPointF corner, QPointF opposite, const QImage &image) override;
    QSizeF areaPixels() const override { return m_area; }
    QSizeF textPixels(const QString &text) const override;

private:
    QSizeF m_area;
    QList<Call> m_calls;
};
