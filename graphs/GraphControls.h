#pragma once

#include <QColor>
#include <QList>
#include <QString>

class QLabel;
class QRadioButton;
class QWidget;

// Small pieces the two graph windows build their controls with.
namespace GraphControls {

// A label showing `text` as plain text.
QLabel *label(QWidget *parent, const QString &name, const QString &text);

// The objectName of a control array element: "Label1(3)".
QString element(const QString &name, int index);

void setBackColour(QWidget *control, const QColor &colour);
void setTextColour(QWidget *control, const QColor &colour);

// Leaves none of the option buttons selected.
void clearChoice(const QList<QRadioButton *> &buttons);
// Selects a cleared option button and clears a selected one.
void toggle(QRadioButton *button);

} // namespace GraphControls
