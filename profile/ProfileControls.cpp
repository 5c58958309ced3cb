#include "ProfileControls.h"

#include "shell/LabelButton.h"
#include "shell/Shape.h"
#include "shell/Twips.h"

#include <QLabel>
#include <QScrollBar>

QLabel *ProfileControls::label(QWidget *parent, const QString &name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QScrollBar *ProfileControls::bar(QWidget *parent, const QString &name)
{
    auto *b = new QScrollBar(Qt::Vertical, parent);
    b->setObjectName(name);
    return b;
}

LabelButton *ProfileControls::enterButton(QWidget *parent, int left, int top, int width, int height)
{
    auto *back = new Shape(parent, QStringLiteral("Shape2"));
    back->setFillColor(QColor(0, 0, 40));
    auto *front = new Shape(parent, QStringLiteral("Shape1"));
    front->setFillColor(QColor(192, 192, 192));
    // The blanks fill the label's first line, so the words stand centred on
    // the second: the label must be narrower than the blanks and "Enter".
    QLabel *caption = label(parent, QStringLiteral("lblEnter"),
                            QString(66, u' ') + QStringLiteral("Enter Information"));
    caption->setWordWrap(true);
    caption->setAlignment(Qt::AlignCenter);
    caption->setToolTip(QStringLiteral("Press Button To Enter Data"));
    Twips::place(back, left + 60, top + 60, width, height);
    Twips::place(front, left, top, width, height);
    Twips::place(caption, left, top, width, height);
    return new LabelButton(caption, front, back);
}
