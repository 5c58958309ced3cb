#include "TextBox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// A press and release close together: a click, not a drag.
bool isClick(const QPoint &pressedAt, const QMouseEvent *release)
{
    return (release->position().toPoint() - pressedAt).manhattanLength() < QApplication::startDragDistance();
}

// Keys that only move between controls or hold a modifier change nothing
// in the box.
bool touchesText(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
        return false;
    default:
        return true;
    }
}

} // namespace

TextBox::TextBox(QWidget *parent, const QString &name)
    : QLineEdit(parent)
{
    setObjectName(name);
    // A text put in while the box waits for the user is selected whole.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (m_wholeWanted && hasFocus())
            selectWhole();
    });
}

void TextBox::selectWhole()
{
    setSelection(0, text().length());
}

void TextBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    m_wholeWanted = true;
    selectWhole();
}

void TextBox::focusOutEvent(QFocusEvent *event)
{
    m_wholeWanted = false;
    QLineEdit::focusOutEvent(event);
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (touchesText(event))
        m_wholeWanted = false;
    QLineEdit::keyPressEvent(event);
}

void TextBox::mousePressEvent(QMouseEvent *event)
{
    m_pressedAt = event->position().toPoint();
    QLineEdit::mousePressEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (m_wholeWanted && isClick(m_pressedAt, event))
        selectWhole();
    m_wholeWanted = false;
}

MultiLineTextBox::MultiLineTextBox(QWidget *parent, const QString &name)
    : QPlainTextEdit(parent)
{
    setObjectName(name);
    // Tab goes on to the next control; a tab character has no place in a
    // record.
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (m_wholeWanted && hasFocus())
            selectWhole();
    });
}

QString MultiLineTextBox::text() const
{
    QString plain = toPlainText();
    plain.replace(u'\n', QLatin1String("\r\n"));
    return plain;
}

void MultiLineTextBox::setText(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(u'\r', u'\n');
    setPlainText(shown);
}

void MultiLineTextBox::selectWhole()
{
    selectAll();
}

void MultiLineTextBox::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    m_wholeWanted = true;
    selectWhole();
}

void MultiLineTextBox::focusOutEvent(QFocusEvent *event)
{
    m_wholeWanted = false;
    QPlainTextEdit::focusOutEvent(event);
}

void MultiLineTextBox::keyPressEvent(QKeyEvent *event)
{
    if (touchesText(event))
        m_wholeWanted = false;
    QPlainTextEdit::keyPressEvent(event);
}

void MultiLineTextBox::mousePressEvent(QMouseEvent *event)
{
    m_pressedAt = event->position().toPoint();
    QPlainTextEdit::mousePressEvent(event);
}

void MultiLineTextBox::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (m_wholeWanted && isClick(m_pressedAt, event))
        selectWhole();
    m_wholeWanted = false;
}
