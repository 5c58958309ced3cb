#include "WindowTest.h"

#include "TestEnvironment.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QListWidget>
#include <QMouseEvent>
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
