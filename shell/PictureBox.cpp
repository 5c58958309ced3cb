#include "PictureBox.h"

#include "common/ImageSurface.h"

#include <QEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent, const QString &name, const QColor &backColour,
                       const QColor &foreColour)
    : QWidget(parent), m_back(backColour), m_fore(foreColour)
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PictureBox::~PictureBox() = default;

ImageSurface &PictureBox::surface()
{
    if (!m_surface || m_surface->size() != size()) {
        m_surface = std::make_unique<ImageSurface>(size(), m_back, devicePixelRatioF());
        m_surface->setForeColour(m_fore);
        m_surface->setFont(font());
    }
    return *m_surface;
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_back);
    if (m_surface)
        painter.drawImage(QPoint(0, 0), m_surface->image());
}

void PictureBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange && m_surface)
        m_surface->setFont(font());
    QWidget::changeEvent(event);
}
