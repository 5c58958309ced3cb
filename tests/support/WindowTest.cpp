#include "WindowTest.h"

#include "TestEnvironment.h"

#include <QCoreApplication>
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
