#include "HoverHint.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

HoverHint::HoverHint(QWidget *window, QLabel *notes, Highlight highlight)
    : QObject(window), m_window(window), m_notes(notes), m_highlight(highlight)
{
    window->setMouseTracking(true);
    window->installEventFilter(this);
}

void HoverHint::add(QWidget *control, const QString &hint, QWidget *caption)
{
    if (!control)
        return;
    Entry e;
    e.control = control;
    e.caption = m_highlight == NoHighlight ? nullptr : (caption ? caption : control);
    e.hint = hint;
    m_entries << e;
    control->setMouseTracking(true);
    control->installEventFilter(this);
}

void HoverHint::setHint(QWidget *control, const QString &hint)
{
    for (Entry &e : m_entries) {
        if (e.control == control)
            e.hint = hint;
    }
}

QString HoverHint::hint(QWidget *control) const
{
    for (const Entry &e : m_entries) {
        if (e.control == control)
            return e.hint;
    }
    return QString();
}

void HoverHint::setColours(const QColor &normal, const QColor &highlighted)
{
    m_normal = normal;
    m_highlighted = highlighted;
}

void HoverHint::highlight(QWidget *caption)
{
    if (!caption)
        return;
    if (m_highlight == FontSize) {
        QFont f = caption->font();
        if (f.pointSizeF() != 11) {
            f.setPointSizeF(11);
            caption->setFont(f);
        }
    } else if (m_highlight == Colour) {
        QPalette p = caption->palette();
        p.setColor(QPalette::WindowText, m_highlighted);
        caption->setPalette(p);
    }
}

void HoverHint::reset(QWidget *caption)
{
    if (!caption)
        return;
    if (m_highlight == FontSize) {
        QFont f = caption->font();
        if (f.pointSizeF() > 10) {
            f.setPointSizeF(10);
            caption->setFont(f);
        }
    } else if (m_highlight == Colour) {
        QPalette p = caption->palette();
        if (p.color(QPalette::WindowText) == m_highlighted) {
            p.setColor(QPalette::WindowText, m_normal);
            caption->setPalette(p);
        }
    }
}

void HoverHint::hover(QWidget *control)
{
    const Entry *found = nullptr;
    for (const Entry &e : m_entries) {
        if (e.control == control) {
            found = &e;
            break;
        }
    }
    if (!found)
        return;
    if (m_notes && !found->hint.isNull() && m_notes->text() != found->hint)
        m_notes->setText(found->hint);
    for (const Entry &e : m_entries) {
        if (e.caption && e.caption != found->caption)
            reset(e.caption);
    }
    highlight(found->caption);
    Q_EMIT hovered(control);
}

void HoverHint::clear()
{
    if (m_notes) {
        if (m_bareText.isNull()) {
            if (!m_notes->text().isEmpty())
                m_notes->clear();
        } else if (m_notes->text() != m_bareText) {
            m_notes->setText(m_bareText);
        }
    }
    for (const Entry &e : m_entries)
        reset(e.caption);
    Q_EMIT cleared();
}

bool HoverHint::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseMove)
        return false;
    if (watched == m_window) {
        // Only the window's own area counts as bare: shapes let the mouse
        // through, so they are bare window too.
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (!m_window->childAt(mouse->position().toPoint()))
            clear();
        return false;
    }
    if (auto *w = qobject_cast<QWidget *>(watched))
        hover(w);
    return false;
}
