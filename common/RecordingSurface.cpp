#include "RecordingSurface.h"

RecordingSurface::RecordingSurface(const QSizeF &areaPixels) : m_area(areaPixels) {}

QList<RecordingSurface::Call> RecordingSurface::calls(Call::Kind kind) const
{
    QList<Call> out;
    for (const Call &c : m_calls)
        if (c.kind == kind)
            out.append(c);
    return out;
}

QStringList RecordingSurface::texts() const
{
    QStringList out;
    for (const Call &c : m_calls)
        if (c.kind == Call::Text)
            out.append(c.text);
    return out;
}

const RecordingSurface::Call *RecordingSurface::text(const QString &text) const
{
    for (const Call &c : m_calls)
        if (c.kind == Call::Text && c.text == text)
            return &c;
    return nullptr;
}

void RecordingSurface::paintClear(const QColor &colour)
{
    m_calls.append({Call::Clear, {}, {}, colour, drawWidth(), {}});
}

void RecordingSurface::paintLine(QPointF from, QPointF to, const QColor &colour, int width)
{
    m_calls.append({Call::Line, from, to, colour, width, {}});
}

void RecordingSurface::paintBox(QPointF corner, QPointF opposite, const QColor &colour, int width)
{
    m_calls.append({Call::Box, corner, opposite, colour, width, {}});
}

void RecordingSurface::paintArc(QPointF centre, double radius, double start, double end, bool radiusLines,
                                const QColor &colour, int width)
{
    m_calls.append({radiusLines ? Call::Wedge : Call::Arc, centre, centre, colour, width, {}, radius, start, end});
}

void RecordingSurface::paintText(QPointF topLeft, const QString &text, const QColor &colour)
{
    m_calls.append({Call::Text, topLeft, topLeft, colour, drawWidth(), text});
}

void RecordingSurface::paintPicture(QPointF corner, QPointF opposite, const QImage &)
{
    m_calls.append({Call::Picture, corner, opposite, QColor(), drawWidth(), {}});
}

QSizeF RecordingSurface::textPixels(const QString &text) const
{
    return QSizeF(kCharPixels * text.size(), kLinePixels);
}
