#include "GraphControls.h"

#include <QRadioButton>

namespace GraphControls {

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
