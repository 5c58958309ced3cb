#include "GraphControls.h"

#include <QLabel>
#include <QRadioButton>

namespace GraphControls {

QLabel *label(QWidget *parent, const QString &name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QString element(const QString &name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

void setBackColour(QWidget *control, const QColor &colour)
{
    control->setAutoFillBackground(true);
    QPalette p = control->palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Button, colour);
    control->setPalette(p);
}

void setTextColour(QWidget *control, const QColor &colour)
{
    QPalette p = control->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::ButtonText, colour);
    control->setPalette(p);
}

void clearChoice(const QList<QRadioButton *> &buttons)
{
    for (QRadioButton *b : buttons) {
        const bool exclusive = b->autoExclusive();
        b->setAutoExclusive(false);
        b->setChecked(false);
        b->setAutoExclusive(exclusive);
    }
}

void toggle(QRadioButton *button)
{
    if (button->isChecked())
        clearChoice({button});
    else
        button->setChecked(true);
}

} // namespace GraphControls
