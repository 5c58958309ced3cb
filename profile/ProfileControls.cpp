#include "ProfileControls.h"

#include "shell/Controls.h"

#include <QLabel>
#include <QScrollBar>

QScrollBar *ProfileControls::bar(QWidget *parent, const QString &name)
{
    auto *b = new QScrollBar(Qt::Vertical, parent);
    b->setObjectName(name);
    return b;
}

LabelButton *ProfileControls::enterButton(QWidget *parent, int left, int top, int width, int height)
{
    // The blanks fill the label's first line, so the words stand centred on
    // the second: the label must be narrower than the blanks and "Enter".
    LabelButton *button = Controls::enterButton(parent, QString(66, u' ') + QStringLiteral("Enter Information"),
                                                left, top, width, height);
    button->label()->setToolTip(QStringLiteral("Press Button To Enter Data"));
    return button;
}
