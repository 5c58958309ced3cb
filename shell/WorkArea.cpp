#include "WorkArea.h"

#include <QPainter>
#include <QPaintEvent>

// The picture and the sounds are compiled into this library.
static void loadShellResources()
{
    static bool loaded = false;
    if (!loaded) {
        Q_INIT_RESOURCE(shell);
        loaded = true;
    }
}

WorkArea::WorkArea(QWidget *parent)
    : QMdiArea(parent)
{
    loadShellResources();
    m_decoding = std::async(std::launch::async,
                            [] { return QImage(kPicture).convertToFormat(QImage::Format_RGB32); });
    setBackground(Qt::black);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

const QPixmap &WorkArea::picture() const
{
    if (m_decoding.valid())
        m_picture = QPixmap::fromImage(m_decoding.get());
    return m_picture;
}

void WorkArea::paintEvent(QPaintEvent *event)
{
    QMdiArea::paintEvent(event);
    const QPixmap &shown = picture();
    if (shown.isNull())
        return;
    QWidget *area = viewport();
    const QSize target = shown.size().scaled(area->size(), Qt::KeepAspectRatio);
    if (target.isEmpty())
        return;
    // Scaled as it is drawn, only where the region asks: a scaled copy of
    // the whole picture would cost a screen-sized image at start-up and at
    // every change of size.
    QPainter painter(area);
    painter.setClipRegion(event->region());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPoint at((area->width() - target.width()) / 2, (area->height() - target.height()) / 2);
    painter.drawPixmap(QRect(at, target), shown);
}
