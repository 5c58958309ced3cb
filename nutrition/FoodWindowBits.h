#pragma once

#include "shell/LabelButton.h"

#include <QList>
#include <QStringList>
#include <QString>

class QLabel;
class QTreeWidget;
class QWidget;

// What the food windows share of their look.
namespace FoodWindowBits {

// A round green label-button of `size` twips at (left, top): the caption
// `labelName` on the front circle `frontName`, the shadow circle `backName`
// `shadowOffset` twips to its left, the caption black.
LabelButton *roundButton(QWidget *window, const QString &labelName, const QString &caption,
                         const QString &frontName, const QString &backName, int left, int top, int size,
                         int shadowOffset, LabelButton::Options options = LabelButton::NoOptions);

// A caption label (plain text); geometry in twips.
QLabel *caption(QWidget *window, const QString &name, const QString &text, int left, int top, int width,
                int height = 285);

// A list view: a flat QTreeWidget of whole rows, one selected at a time,
// its columns in their given order; geometry in twips.
QTreeWidget *listView(QWidget *window, const QString &name, int left, int top, int width, int height);
// Empties the list and gives it these column headings and widths in twips.
void setColumns(QTreeWidget *list, const QStringList &headings, const QList<int> &widths);

// The button's front circle takes its shadow's colour while pressed.
void shadowWhilePressed(LabelButton *button);

// Black caption text, after the common formatting made every label white.
void blackCaption(QLabel *label);

} // namespace FoodWindowBits
