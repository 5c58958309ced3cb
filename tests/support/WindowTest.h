#pragma once

#include "ShellFixture.h"

#include <QByteArray>
#include <QDate>
#include <QDateTimeEdit>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>

class QCalendarWidget;
class QComboBox;
class QListWidget;

// What the window tests do as the user: the fixture's options, finding a
// window's controls, clicks and mouse moves, and the data files of the
// fixture's folder.
namespace WindowTest {

// Fixture options: "today" for the windows and values to store in the
// settings first, as {section, key, value}.
ShellFixture::Options on(const QDate &today, QList<QStringList> settings = {});

// The window's control of that objectName; null, with a warning naming it,
// when there is none.
template <typename T = QWidget>
T *control(const QWidget *window, const QString &name)
{
    T *c = window ? window->findChild<T *>(name) : nullptr;
    if (!c)
        qWarning("no control %s", qPrintable(name));
    return c;
}

// A left click on the window's control of that name (a label-button's
// caption: its pressed look, sound and work, as the user's click).
void click(const QWidget *window, const QString &name);
// A left click on the widget at `at`: by default its middle, or the box of
// a check box or option button.
void clickOn(QWidget *widget, QPoint at = QPoint(-1, -1));

// The widget that has the keyboard focus now, waiting a moment for the
// window to take it; null, with a warning, when none has.
QWidget *focused();
// Types `text` with key clicks into the widget that has the focus, as the
// user types after a window opens; false when no widget has the focus.
bool type(const QString &text);
// Presses `key` on the widget that has the focus, `count` times.
bool press(Qt::Key key, int count = 1);

// Chooses the entry `text` of a list or combo box with the keyboard: the
// focus to it (as Tab gives it), Home, then the Down arrow until the entry
// is the current one. False when it has no such entry.
bool chooseByKeys(QWidget *listOrCombo, const QString &text);
// Chooses the entry `text` of a list with a mouse click on it. False when
// it has no such entry.
bool chooseByMouse(QListWidget *list, const QString &text);

// Typing into a box as the user does: a click into it, Ctrl+A to select
// what it holds, then the text key by key.
void type(QWidget *box, const QString &text);

// Moves a month calendar's day with the keys, as the user does with the
// calendar focused: the arrow keys a day or a week, Page Up and Page Down a
// month; `times` presses.
void moveDay(QCalendarWidget *calendar, Qt::Key key, int times = 1);
// A mouse click on the day of the month the calendar shows. False when the
// click did not choose that day.
bool clickDay(QCalendarWidget *calendar, int day);
// Steps a section (day, month or year) of a date box with the arrow keys:
// the focus to the box (as Tab gives it), Tab or Shift+Tab to the section,
// then Up or Down `steps` times (down when negative). False when the box has
// no such section.
bool stepDate(QDateTimeEdit *box, QDateTimeEdit::Section section, int steps);

// The mouse moving over the widget at `at` with no button held, as the
// hover hints see it.
void hover(QWidget *widget, QPoint at = QPoint(2, 2));

// A file of the fixture's data folder: its bytes; writing it.
QByteArray file(const ShellFixture &f, const QString &name);
void write(const ShellFixture &f, const QString &name, const QByteArray &bytes);

// A click on a row of the list, as the user makes it (with Ctrl held, it
// toggles that row's selection in a list that selects several).
void clickRow(QListWidget *list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Chooses the entry of that text in a combo with the arrow keys, as the user
// does with the box focused; false when no entry has that text.
bool chooseByKeys(QComboBox *combo, const QString &text);

} // namespace WindowTest
