#pragma once

#include <QList>

class QRadioButton;

// The option-button helpers of the two graph windows.
namespace GraphControls {

// Leaves none of the option buttons selected.
void clearChoice(const QList<QRadioButton *> &buttons);
// Selects a cleared option button and clears a selected one.
void toggle(QRadioButton *button);

} // namespace GraphControls
