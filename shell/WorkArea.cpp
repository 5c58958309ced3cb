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
    m_picture = QPixmap(kPicture);
    setBackground(Qt::black);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void WorkArea::paintEvent(QPaintEvent *event)
{
    QMdiArea::paintEvent(event);
    if (m_picture.isNull())
        return;
    QWidget *area = viewport();
    const QSize target = m_picture.size().scaled(area->size(), Qt::KeepAspectRatio);
    if (target.isEmpty())
        return;
    if (m_scaled.size() != target)
        m_scaled = m_picture.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(area);
    painter.setClipRegion(event->region());
    const QPoint at((area->width() - m_scaled.width()) / 2, (area->height() - m_scaled.height()) / 2);
    painter.drawPixmap(at, m_scaled);
}
