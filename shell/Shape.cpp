#include "Shape.h"

#include <QPainter>

Shape::Shape(QWidget *parent, const QString &name, Kind kind)
    : QWidget(parent), m_kind(kind)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void Shape::setKind(Kind kind)
{
    m_kind = kind;
    update();
}

void Shape::setFillColor(const QColor &colour)
{
    m_fill = colour;
    m_filled = true;
    update();
}

void Shape::setFilled(bool filled)
{
    m_filled = filled;
    update();
}

void Shape::setBorderColor(const QColor &colour)
{
    m_border = colour;
    update();
}

void Shape::setBorderWidth(int width)
{
    m_borderWidth = qMax(0, width);
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, m_kind != Rectangle);
    if (m_borderWidth > 0) {
        QPen pen(m_border, m_borderWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
    } else {
        painter.setPen(Qt::NoPen);
    }
    painter.setBrush(m_filled ? QBrush(m_fill) : QBrush(Qt::NoBrush));

    // The border lies inside the control's rectangle.
    const qreal inset = m_borderWidth / 2.0;
    QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (m_kind == Circle) {
        const qreal side = qMin(box.width(), box.height());
        box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    switch (m_kind) {
    case Rectangle:
        painter.drawRect(box);
        break;
    case RoundedRectangle:
        painter.drawRoundedRect(box, 8, 8);
        break;
    case Oval:
    case Circle:
        painter.drawEllipse(box);
        break;
    }
}
