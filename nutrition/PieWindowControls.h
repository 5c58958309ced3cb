#pragma once

#include <QColor>
#include <QDate>
#include <QString>

class LabelButton;
class PictureBox;
class QCalendarWidget;
class QLabel;
class QWidget;
class Shape;

// The controls the two pie windows (the caloric balance and the food pie
// chart) share. Geometry is in twips.
namespace PieWindowControls {

// Both windows open 9360 twips wide, grow to 7095 twips and stand a tenth of
// the way down the main window.
constexpr int kWidth = 9360;
constexpr int kFinalHeight = 7095;
constexpr int kTopDivisor = 10;

// The tips of the caloric balance's value labels, the intake, metabolism
// and exercise pairs (0 to 2), the value (0) or its share (1).
QString balanceTip(int pair, int index);

// The month calendar "DTPicker1", limited to the years a record date can
// hold, on `today`.
QCalendarWidget *calendar(QWidget *window, const QDate &today, int left, int top, int width, int height);

// The round View Information button "lblEnter" on "Shape1" and "Shape2",
// 1455 x 1455 twips. It moves back before the window's work.
LabelButton *viewButton(QWidget *window, int left, int top);

// A value label of 975 x 255 twips, transparent until its first result.
QLabel *valueLabel(QWidget *window, const QString &name, int left, int top, const QString &toolTip = QString());

// The picture box "Picture1" the pie is drawn on.
PictureBox *picture(QWidget *window, int left, int top, int width, int height);

// A decorative line, one pixel thick, from (left, top) `length` twips to
// the right or down.
Shape *line(QWidget *window, const QString &name, int left, int top, int length, bool vertical);

// Shows the label's background from now on.
void makeOpaque(QLabel *label);
// The back and text colours of a result.
void colour(QLabel *label, const QColor &back, const QColor &text);

} // namespace PieWindowControls
