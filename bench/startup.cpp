// Start-up to the first painted frame. `pulsar-startup` builds and shows
// the real main window as main() does; `pulsar-startup-bare`, built from
// this file with PULSAR_STARTUP_BARE and linked to Qt Widgets alone, a plain
// Qt main window with a menu bar of the same size built the same way. Both
// end as soon as their window's first frame is painted, so timing the two
// commands (hyperfine, see README) gives what the program adds to Qt's own
// start.
#ifndef PULSAR_STARTUP_BARE
#include "Program.h"
#include "common/MemoryTuning.h"
#endif

#include <QAction>

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

// Ends the process once a top-level window has painted its first frame.
class FirstFrame : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            auto *w = qobject_cast<QWidget *>(watched);
            if (w && w->isWindow() && qobject_cast<QMainWindow *>(w)) {
                m_seen = true;
                // After the paint the frame goes to the screen; then out,
                // without the teardown a user never waits for.
                QTimer::singleShot(0, [] {
                    QGuiApplication::sync();
                    std::fflush(stdout);
                    ::_exit(0);
                });
            }
        }
        return false;
    }

private:
    bool m_seen = false;
};

#ifdef PULSAR_STARTUP_BARE
// Six menus of ten items, the size of the program's menu bar, over an MDI
// work area, shown maximised as the program shows its main window.
QMainWindow *bareWindow()
{
    auto *w = new QMainWindow;
    w->setWindowTitle(QStringLiteral("Bare"));
    w->setCentralWidget(new QMdiArea(w));
    w->menuBar()->setNativeMenuBar(false);
    for (const char *title : {"File", "Edit", "Charting", "Results", "Customize", "Help"}) {
        QMenu *menu = w->menuBar()->addMenu(QString::fromLatin1(title));
        menu->setObjectName(QString::fromLatin1(title));
        for (int i = 0; i < 10; ++i) {
            auto *action = new QAction(QStringLiteral("Item %1").arg(i), menu);
            action->setObjectName(QStringLiteral("itm%1%2").arg(QString::fromLatin1(title)).arg(i));
            action->setCheckable(i % 2 == 0);
            menu->addAction(action);
        }
    }
    if (QScreen *s = w->screen())
        w->setGeometry(s->availableGeometry());
    w->showMaximized();
    return w;
}
#endif

} // namespace

int main(int argc, char *argv[])
{
#ifndef PULSAR_STARTUP_BARE
    MemoryTuning::keepLargeBuffers();
#endif
    QApplication app(argc, argv);
    FirstFrame firstFrame;
    app.installEventFilter(&firstFrame);
#ifdef PULSAR_STARTUP_BARE
    bareWindow();
#else
    createProgram();
#endif
    return app.exec();
}
