#include "TextBox.h"

#include <QFocusEvent>
#include <QPointer>
#include <QTimer>

TextBox::TextBox(QWidget *parent, const QString &name)
    : QLineEdit(parent)
{
    setObjectName(name);
}

void TextBox::selectWhole()
{
    setSelection(0, text().length());
}

void TextBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    selectWhole();
    // A mouse click places the cursor after the focus arrives; select again
    // once the click is done.
    if (event->reason() == Qt::MouseFocusReason) {
        QPointer<TextBox> self(this);
        QTimer::singleShot(0, this, [self] {
            if (self && self->hasFocus())
                self->selectWhole();
        });
    }
}
