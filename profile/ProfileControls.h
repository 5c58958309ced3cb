#pragma once

#include <QString>

class LabelButton;
class QScrollBar;
class QWidget;

// Controls the profile and goal windows build alike.
namespace ProfileControls {

// A vertical scroll bar for a spinner.
QScrollBar *bar(QWidget *parent, const QString &name);

// The windows' Enter label-button: the label lblEnter, its caption 66 blanks
// and "Enter Information", on the front shape Shape1 with the shadow Shape2,
// placed at left/top (twips) with the shadow offset by 60 twips; at most
// about 3600 twips wide, so that the caption's words wrap below its blanks.
LabelButton *enterButton(QWidget *parent, int left, int top, int width, int height);

} // namespace ProfileControls
