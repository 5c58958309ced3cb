#include "FakeWindow.h"
#include "support/ShellFixture.h"
#include "support/TestEnvironment.h"

#include "Program.h"
#include "shell/MDIFitness.h"
#include "shell/MsgBox.h"
#include "shell/Twips.h"
#include "shell/mFormProcedures.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QAction>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTest>

namespace {

// The heights at which each working window was painted, in order.
class PaintedHeights : public QObject
{
public:
    QHash<QString, QList<int>> heights;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            if (auto *w = qobject_cast<WorkingWindow *>(watched)) {
                QList<int> &seen = heights[w->objectName()];
                const int h = w->frame() ? w->frame()->height() : w->height();
                if (seen.isEmpty() || seen.last() != h)
                    seen << h;
            }
        }
        return false;
    }
};

// How many heights of `seen` lie strictly between its first and last.
int between(const QList<int> &seen, int from, int to)
{
    int n = 0;
    for (int h : seen) {
        if (h > qMin(from, to) && h < qMax(from, to))
            ++n;
    }
    return n;
}

} // namespace

// A hand-over with the animations on, at the program's own pace: the open
// window closes, the next one opens, each painting several heights on the
// way, and the two together take well under half a second whatever the
// windows' heights.
class TestHandOver : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        mFormProcedures::setPauses(0, 0);
    }

    void closeAndOpenAreQuick_data()
    {
        QTest::addColumn<int>("closing");
        QTest::addColumn<int>("opening");
        QTest::newRow("short to short") << 2000 << 2000;
        QTest::newRow("tall to short") << 9900 << 2000;
        QTest::newRow("short to tall") << 2000 << 9900;
        QTest::newRow("tall to tall") << 9900 << 9900;
    }
    void closeAndOpenAreQuick()
    {
        QFETCH(int, closing);
        QFETCH(int, opening);
        auto log = std::make_shared<FakeLog>();
        // Two windows the menu opens: File > Setup and File > Goal Setting.
        const WindowRegistry::Registrar windows = [log, closing, opening](WindowRegistry &registry) {
            registry.add("frmPersonalInformation",
                         [log, closing](Shell &shell) { return new FakeWindow(shell, log, {}, closing); });
            registry.add("frmGoals", [log, opening](Shell &shell) { return new FakeWindow(shell, log, {}, opening); });
        };
        ShellFixture fixture({windows});

        QVERIFY(fixture.trigger("itmPersonal"));
        mFormProcedures::setPauses(mFormProcedures::kClickPauseMs, mFormProcedures::kAnimationMs);
        PaintedHeights painted;
        qApp->installEventFilter(&painted);
        // The best of three: a busy machine may hold up one of them.
        qint64 fastest = std::numeric_limits<qint64>::max();
        for (int round = 0; round < 3; ++round) {
            const QString from = round % 2 == 0 ? "frmPersonalInformation" : "frmGoals";
            const QString to = round % 2 == 0 ? "frmGoals" : "frmPersonalInformation";
            const int fromHeight = fixture.window(from)->frame()->height();
            painted.heights.clear();
            QElapsedTimer clock;
            clock.start();
            QVERIFY(fixture.trigger(round % 2 == 0 ? "itmGoal" : "itmPersonal"));
            fastest = qMin(fastest, clock.elapsed());
            ShellFixture::settle();
            QVERIFY(fixture.window(to) && !fixture.window(from));
            const int toHeight = fixture.window(to)->frame()->height();
            // At least three heights of each window between where it
            // started and where it ended are painted.
            const int closedAt = Twips::toPixels(405);
            QVERIFY2(between(painted.heights.value(from), fromHeight, closedAt) >= 3,
                     qPrintable(from + QStringLiteral(" closing painted at ")
                                + QString::number(painted.heights.value(from).size()) + " heights"));
            QVERIFY2(between(painted.heights.value(to), Twips::toPixels(40), toHeight) >= 3,
                     qPrintable(to + QStringLiteral(" opening painted at ")
                                + QString::number(painted.heights.value(to).size()) + " heights"));
        }
        qApp->removeEventFilter(&painted);
        QVERIFY2(fastest < 400, qPrintable(QString::number(fastest) + " ms"));
    }

    // The program's own windows, the start-up page and the workout entry
    // window (which grows itself) among them.
    void theProgramsWindowsHandOverQuickly_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("start-up page to setup") << "itmQuote" << "itmPersonal";
        QTest::newRow("setup to goal") << "itmPersonal" << "itmGoal";
        QTest::newRow("goal to workout") << "itmGoal" << "itmBiceps";
        QTest::newRow("workout to chart options") << "itmBiceps" << "itmWeight";
        QTest::newRow("chart options to tutorial") << "itmWeight" << "itmTut";
    }
    void theProgramsWindowsHandOverQuickly()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QApplication::setQuitOnLastWindowClosed(false);
        MsgBox::setRecorder([](const QString &) {});
        QPointer<MDIFitness> main = createProgram();
        QVERIFY(main);
        qint64 fastest = std::numeric_limits<qint64>::max();
        for (int round = 0; round < 3; ++round) {
            main->item(from)->trigger();
            ShellFixture::settle();
            mFormProcedures::setPauses(mFormProcedures::kClickPauseMs, mFormProcedures::kAnimationMs);
            QElapsedTimer clock;
            clock.start();
            main->item(to)->trigger();
            fastest = qMin(fastest, clock.elapsed());
            mFormProcedures::setPauses(0, 0);
            ShellFixture::settle();
        }
        main->item(QStringLiteral("itmExit"))->trigger();
        ShellFixture::settle();
        MsgBox::clearRecorder();
        QVERIFY2(fastest < 400, qPrintable(QString::number(fastest) + " ms"));
    }
};

PULSAR_TEST_MAIN(TestHandOver)
#include "tst_handover.moc"
