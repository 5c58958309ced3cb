#pragma once

#include "LabelButton.h"
#include "Shape.h"

#include <QColor>
#include <QString>
#include <functional>

class QComboBox;
class QLabel;
class QListWidget;
class QWidget;

// Small helpers the working windows build their controls with. Geometry is
// in twips.
namespace Controls {

// A label showing `text` as plain text.
QLabel *label(QWidget *parent, const QString &name, const QString &text);

// A window's notes label (where hover hints and confirmations are written):
// plain text, wrapped, from its top left corner.
QLabel *notesLabel(QWidget *parent, const QString &name, int left, int top, int width, int height);

// A list's or combo's Click: `work` runs at every change of its selection,
// by the mouse, the keyboard or the window itself: the selected rows of a
// list (once its current row has moved too), the current entry of a combo
// box. A click on what is chosen already changes nothing.
void onClick(QListWidget *list, std::function<void()> work);
void onClick(QComboBox *combo, std::function<void()> work);

// The objectName of a control array element: "Check1(3)".
QString element(const QString &name, int index);

// The control's back colour (window and button colours), filled in.
void setBackColour(QWidget *control, const QColor &colour);
// The control's text colour (window text and button text).
void setTextColour(QWidget *control, const QColor &colour);

// The two shapes under a label-button's caption: the front shape the
// caption lies on and the back shape, its shadow of the same size and
// kind, offset from it by (backLeft, backTop).
struct ButtonShapes
{
    QString frontName;
    QString backName;
    Shape::Kind kind = Shape::Rectangle;
    QColor frontFill;
    QColor backFill;
    int backLeft = 0;
    int backTop = 0;
};

// The green round button on a grey shadow 45 twips to its left (Print,
// Back), on shapes of the given names.
ButtonShapes greenRound(const QString &frontName, const QString &backName);

// A label-button: the back shape, the front shape and the caption label
// `labelName` (plain text, wrapped, centred) over the front shape at
// left, top, width, height.
LabelButton *labelButton(QWidget *parent, const QString &labelName, const QString &caption,
                         const ButtonShapes &shapes, int left, int top, int width, int height,
                         LabelButton::Options options = LabelButton::NoOptions);

// The rectangular Enter button: the caption "lblEnter" on the light grey
// "Shape1", with the dark "Shape2" 60 twips to its lower right.
LabelButton *enterButton(QWidget *parent, const QString &caption, int left, int top, int width, int height,
                         LabelButton::Options options = LabelButton::NoOptions);

} // namespace Controls
