#pragma once

#include "ShellFixture.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>

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

// A left click on the window's control of that name.
void click(const QWidget *window, const QString &name);

// Typing into a box as the user does: a click into it, Ctrl+A to select
// what it holds, then the text key by key.
void type(QWidget *box, const QString &text);

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
