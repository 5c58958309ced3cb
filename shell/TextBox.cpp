#include "TextBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

bool TextBoxes::leavesTextAlone(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
        return true;
    default:
        return false;
    }
}

bool TextBoxes::isClick(const QPoint &pressedAt, const QMouseEvent *release)
{
    return (release->position().toPoint() - pressedAt).manhattanLength() < QApplication::startDragDistance();
}

TextBox::TextBox(QWidget *parent, const QString &name)
    : SelectsWhole(parent)
{
    setObjectName(name);
    connect(this, &QLineEdit::textChanged, this, [this] { filled(); });
}

void TextBox::selectWhole()
{
    setSelection(0, text().length());
}

MultiLineTextBox::MultiLineTextBox(QWidget *parent, const QString &name)
    : SelectsWhole(parent)
{
    setObjectName(name);
    // A tab character has no place in a record.
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { filled(); });
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
