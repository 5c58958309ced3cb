#pragma once

#include "shell/LabelButton.h"

#include <QColor>
#include <QString>
#include <functional>

class LabelButton;
class QLabel;
class QWidget;
class WorkingWindow;

// Small pieces the catalogue and entry windows share.
namespace WindowBits {

// Runs `work` when the label is clicked (the label's Click handler).
void onClick(QLabel *label, std::function<void()> work);

// A caption's font size: the hover highlight raises captions to 11 points
// and sets them back to 10.
void setPointSize(QWidget *caption, int points);
qreal pointSize(const QWidget *caption);

// The window's Form_LostFocus: the window unloads itself when another part
// of the main window (another working window, the work area) takes the
// input focus. Its own controls, its own message boxes, drop-down lists,
// calendars and the menus never count as losing the focus.
void unloadOnFocusLoss(WorkingWindow *window);

// The round label-button of the entry and catalogue windows: the caption
// label `labelName` (1455 x 1455 twips at left, top) on the light front
// shape "Shape1", with the dark back shape "Shape2" 45 twips to its left.
LabelButton *roundButton(QWidget *window, const QString &labelName, const QString &caption, int left,
                         int top, LabelButton::Options options = LabelButton::NoOptions);

// A caption label; geometry in twips.
QLabel *caption(QWidget *window, const QString &name, const QString &text, int left, int top, int width,
                int height = 300);

} // namespace WindowBits
