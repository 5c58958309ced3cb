#include "WindowTest.h"

#include "TestEnvironment.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QCoreApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QTableView>
#include <QtTest>

ShellFixture::Options WindowTest::on(const QDate &today, QList<QStringList> settings)
{
    ShellFixture::Options options;
    options.today = today;
    options.settings = std::move(settings);
    return options;
}

void WindowTest::click(const QWidget *window, const QString &name)
{
    QTest::mouseClick(control(window, name), Qt::LeftButton);
}

void WindowTest::type(QWidget *box, const QString &text)
{
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

void WindowTest::clickOn(QWidget *widget, QPoint at)
{
    if (at.x() < 0) {
        // A check box or option button takes clicks on its box and caption
        // only: the box, at its left.
        const bool box = qobject_cast<QCheckBox *>(widget) || qobject_cast<QRadioButton *>(widget);
        at = box ? QPoint(qMin(7, widget->width() / 2), widget->height() / 2) : widget->rect().center();
    }
    // The user clicks into a window that has come to the front.
    if (!widget->window()->isActiveWindow())
        QTest::qWaitForWindowActive(widget->window(), 1000);
    // A box of several lines takes clicks in its viewport.
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        widget = area->viewport();
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
}

QWidget *WindowTest::focused()
{
    if (!QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }, 1000)) {
        qWarning("no widget has the focus");
        return nullptr;
    }
    return QApplication::focusWidget();
}

bool WindowTest::type(const QString &text)
{
    QWidget *w = focused();
    if (!w)
        return false;
    QTest::keyClicks(w, text);
    return true;
}

bool WindowTest::press(Qt::Key key, int count)
{
    QWidget *w = focused();
    if (!w)
        return false;
    for (int i = 0; i < count; ++i)
        QTest::keyClick(w, key);
    return true;
}

bool WindowTest::chooseByKeys(QWidget *listOrCombo, const QString &text)
{
    auto *list = qobject_cast<QListWidget *>(listOrCombo);
    auto *combo = qobject_cast<QComboBox *>(listOrCombo);
    const int row = list ? (list->findItems(text, Qt::MatchExactly).isEmpty()
                                ? -1
                                : list->row(list->findItems(text, Qt::MatchExactly).first()))
                         : combo ? combo->findText(text, Qt::MatchExactly) : -1;
    if (row < 0) {
        qWarning("no entry %s", qPrintable(text));
        return false;
    }
    listOrCombo->setFocus(Qt::TabFocusReason);
    const auto current = [&] { return list ? list->currentRow() : combo->currentIndex(); };
    if (current() > row)
        QTest::keyClick(listOrCombo, Qt::Key_Home);
    for (int presses = 0; current() < row && presses <= row; ++presses)
        QTest::keyClick(listOrCombo, Qt::Key_Down);
    // A list given the focus has a current row that is not chosen yet:
    // the space bar chooses it.
    if (list && list->currentItem() && !list->currentItem()->isSelected())
        QTest::keyClick(listOrCombo, Qt::Key_Space);
    return current() == row;
}

bool WindowTest::chooseByMouse(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    if (found.isEmpty()) {
        qWarning("no entry %s", qPrintable(text));
        return false;
    }
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(found.first()).center());
    return list->currentItem() == found.first();
}

void WindowTest::moveDay(QCalendarWidget *calendar, Qt::Key key, int times)
{
    auto *view = calendar->findChild<QTableView *>();
    view->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < times; ++i)
        QTest::keyClick(view, key);
}

bool WindowTest::clickDay(QCalendarWidget *calendar, int day)
{
    auto *view = calendar->findChild<QTableView *>();
    const QAbstractItemModel *model = view->model();
    // The days of the months before and after show too: the first row
    // holds the last days of the month before, the last rows the first
    // days of the month after. So a day from the 15th on is its last
    // match, an earlier day its first.
    QModelIndex found;
    for (int r = 0; r < model->rowCount() && (day >= 15 || !found.isValid()); ++r) {
        for (int c = 0; c < model->columnCount() && (day >= 15 || !found.isValid()); ++c) {
            const QModelIndex i = model->index(r, c);
            if (model->data(i).toString() == QString::number(day))
                found = i;
        }
    }
    if (!found.isValid()) {
        qWarning("no day %d", day);
        return false;
    }
    const QDate wanted(calendar->yearShown(), calendar->monthShown(), day);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(found).center());
    return calendar->selectedDate() == wanted;
}

bool WindowTest::stepDate(QDateTimeEdit *box, QDateTimeEdit::Section section, int steps)
{
    const auto indexOf = [box](QDateTimeEdit::Section s) {
        for (int i = 0; i < box->sectionCount(); ++i) {
            if (box->sectionAt(i) == s)
                return i;
        }
        return -1;
    };
    const int target = indexOf(section);
    if (target < 0) {
        qWarning("no such section");
        return false;
    }
    if (!box->hasFocus())
        box->setFocus(Qt::TabFocusReason);
    for (int at = indexOf(box->currentSection()); at != target; at = indexOf(box->currentSection())) {
        QTest::keyClick(box, at < target ? Qt::Key_Tab : Qt::Key_Backtab);
        if (indexOf(box->currentSection()) == at)
            return false;
    }
    for (int i = 0; i < qAbs(steps); ++i)
        QTest::keyClick(box, steps > 0 ? Qt::Key_Up : Qt::Key_Down);
    return true;
}

void WindowTest::hover(QWidget *widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

QByteArray WindowTest::file(const ShellFixture &f, const QString &name)
{
    return TestEnvironment::readFile(f.dataFolder(), name);
}

void WindowTest::write(const ShellFixture &f, const QString &name, const QByteArray &bytes)
{
    TestEnvironment::writeFile(f.dataFolder(), name, bytes);
}

void WindowTest::clickRow(QListWidget *list, int row, Qt::KeyboardModifiers modifiers)
{
    QListWidgetItem *item = list->item(row);
    QVERIFY(item);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(item).center());
}

bool WindowTest::chooseByKeys(QComboBox *combo, const QString &text)
{
    const int target = combo->findText(text, Qt::MatchExactly);
    if (target < 0)
        return false;
    combo->setFocus(Qt::TabFocusReason);
    while (combo->currentIndex() != target) {
        const int before = combo->currentIndex();
        QTest::keyClick(combo, before < target ? Qt::Key_Down : Qt::Key_Up);
        if (combo->currentIndex() == before)
            return false;
    }
    return true;
}
