#include "WorkingWindow.h"

#include "Shell.h"
#include "Twips.h"
#include "mFormProcedures.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>

WorkingWindow::WorkingWindow(Shell &shell, QWidget *parent)
    : QWidget(parent), m_shell(shell)
{
    setAutoFillBackground(true);
}

WorkingWindow::~WorkingWindow() = default;

void WorkingWindow::attach(QMdiSubWindow *frame)
{
    m_frame = frame;
    applyGeometry();
}

void WorkingWindow::applyGeometry()
{
    if (m_frame)
        Twips::place(m_frame, m_left, m_top, m_width, m_height);
}

void WorkingWindow::setWidthTwips(int width)
{
    m_left = leftTwips();
    m_top = topTwips();
    m_height = heightTwips();
    m_width = width;
    if (m_frame)
        Twips::resize(m_frame, m_width, m_height);
}

void WorkingWindow::setHeightTwips(int height)
{
    m_left = leftTwips();
    m_top = topTwips();
    m_width = widthTwips();
    m_height = height;
    if (m_frame)
        Twips::resize(m_frame, m_width, m_height);
}

void WorkingWindow::setLeftTwips(int left)
{
    m_top = topTwips();
    m_left = left;
    if (m_frame)
        Twips::move(m_frame, m_left, m_top);
}

void WorkingWindow::setTopTwips(int top)
{
    m_left = leftTwips();
    m_top = top;
    if (m_frame)
        Twips::move(m_frame, m_left, m_top);
}

int WorkingWindow::widthTwips() const
{
    return m_frame ? Twips::width(m_frame) : m_width;
}

int WorkingWindow::heightTwips() const
{
    return m_frame ? Twips::height(m_frame) : m_height;
}

int WorkingWindow::leftTwips() const
{
    return m_frame ? Twips::left(m_frame) : m_left;
}

int WorkingWindow::topTwips() const
{
    return m_frame ? Twips::top(m_frame) : m_top;
}

void WorkingWindow::centreOverMain(int topDivisor)
{
    centreOverMain(topDivisor, heightTwips());
}

void WorkingWindow::centreOverMain(int topDivisor, int heightForTop)
{
    const int left = (m_shell.mainWidthTwips() - widthTwips()) / 2;
    const int top = topDivisor != 0 ? (m_shell.mainHeightTwips() - heightForTop) / topDivisor : 0;
    setLeftTwips(left);
    setTopTwips(top);
}

namespace {
constexpr int kOpeningHeight = 40;
}

void WorkingWindow::openWindow(int width, int finalHeight, int topDivisor)
{
    setHeightTwips(kOpeningHeight);
    setWidthTwips(width);
    centreOverMain(topDivisor, kOpeningHeight);
    growOpened(finalHeight);
}

void WorkingWindow::openWindowAtTop(int width, int finalHeight, int top)
{
    openWindowAt((m_shell.mainWidthTwips() - width) / 2, top, width, finalHeight);
}

void WorkingWindow::openWindowAt(int left, int top, int width, int finalHeight)
{
    setHeightTwips(kOpeningHeight);
    setWidthTwips(width);
    setLeftTwips(left);
    setTopTwips(top);
    growOpened(finalHeight);
}

void WorkingWindow::growOpened(int finalHeight)
{
    showWindow();
    mFormProcedures::OpenForm(finalHeight);
    mFormProcedures::PaintForms();
    mFormProcedures::FormatControls();
}

void WorkingWindow::showWindow()
{
    if (!m_frame) {
        show();
        return;
    }
    show();
    m_frame->show();
    m_frame->raise();
    if (QMdiArea *area = m_frame->mdiArea())
        area->setActiveSubWindow(m_frame);
}

void WorkingWindow::hideWindow()
{
    if (m_frame)
        m_frame->hide();
    else
        hide();
}

bool WorkingWindow::isShownWindow() const
{
    if (m_frame)
        return !m_frame->isHidden() && !isHidden();
    return !isHidden();
}

bool WorkingWindow::isNormalState() const
{
    const QWidget *w = m_frame ? static_cast<const QWidget *>(m_frame.data()) : this;
    return !(w->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

void WorkingWindow::unloadSelf()
{
    m_shell.unloadWindow(objectName());
}

void WorkingWindow::setGradient(bool on)
{
    m_gradient = on;
    m_gradientCache = QPixmap();
    update();
}

void WorkingWindow::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (!m_gradient)
        return;
    if (m_gradientCache.size() != size())
        m_gradientCache = mFormProcedures::gradientPixmap(size());
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_gradientCache);
}
