#include "LabelButton.h"

#include "Shape.h"
#include "Twips.h"
#include "mFormProcedures.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

LabelButton::LabelButton(QLabel *label, Shape *front, Shape *back, Options options)
    : QObject(label), m_label(label), m_front(front), m_back(back), m_options(options)
{
    label->installEventFilter(this);
    // The caption lies above both shapes.
    if (back)
        back->lower();
    label->raise();
}

void LabelButton::press()
{
    if (m_pressed || !m_front || !m_back || !m_label)
        return;
    m_savedLeft = Twips::left(m_front);
    m_savedTop = Twips::top(m_front);
    m_labelLeft = Twips::left(m_label);
    m_labelTop = Twips::top(m_label);
    const int dx = Twips::left(m_back) - m_savedLeft;
    const int dy = Twips::top(m_back) - m_savedTop;
    Twips::move(m_front, m_savedLeft + dx, m_savedTop + dy);
    Twips::move(m_label, m_labelLeft + dx, m_labelTop + dy);
    if (m_pressedFill.isValid()) {
        m_savedFill = m_front->fillColor();
        m_front->setFillColor(m_pressedFill);
    }
    m_pressed = true;
    m_front->update();
    m_label->update();
}

void LabelButton::release()
{
    if (!m_pressed)
        return;
    m_pressed = false;
    if (m_front) {
        Twips::move(m_front, m_savedLeft, m_savedTop);
        if (m_pressedFill.isValid())
            m_front->setFillColor(m_savedFill);
    }
    if (m_label)
        Twips::move(m_label, m_labelLeft, m_labelTop);
}

void LabelButton::click()
{
    // A disabled button ignores clicks.
    if (m_label && !m_label->isEnabled())
        return;
    // A click during the work (the pause lets no input through, but a
    // window may call click() itself) does not start a second round.
    if (m_busy)
        return;
    m_busy = true;
    QPointer<LabelButton> self(this);
    press();
    if (!(m_options & SoundInWork))
        mFormProcedures::ClickSound();
    if (m_options & MoveBackFirst)
        release();
    Q_EMIT clicked();
    // The work may have unloaded the window; its controls then go with it.
    if (!self)
        return;
    release();
    m_busy = false;
}

bool LabelButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_label)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        m_mouseDown = true;
        if (m_options & ActOnMouseDown) {
            m_mouseDown = false;
            click();
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton || !m_mouseDown)
            break;
        m_mouseDown = false;
        if (m_label->rect().contains(mouse->position().toPoint()))
            click();
        return true;
    }
    default:
        break;
    }
    return false;
}
