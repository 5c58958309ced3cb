#include "DamagedFiles.h"

#include "common/ImageSurface.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "graphs/GraphState.h"
#include "graphs/ProgressPlot.h"
#include "graphs/ProgressSampling.h"
#include "profile/mBMI.h"
#include "profile/ProfileWindows.h"
#include "profile/ViewingPeriod.h"
#include "profile/WeightHistory.h"
#include "shell/LabelButton.h"
#include "shell/Spinner.h"
#include "shell/TextBox.h"
#include "shell/WorkingWindow.h"
#include "support/ShellFixture.h"
#include "workouts/WorkoutWindows.h"
#include "workouts/frmEnterAero.h"
#include "workouts/frmEnterData.h"

#include <QLabel>
#include <QListWidget>
#include <QtTest>

using namespace DamagedFiles;

// The windows that save into a damaged data file, driven as the user does:
// the window shows a message naming the file and every file stays as it
// was, or it carries on and saves; nothing crashes.
class TestMalformedWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowsOnDamagedFiles_data();
    void windowsOnDamagedFiles();
    void chartsOfDamagedFiles_data();
    void chartsOfDamagedFiles();

private:
    // Opens the window that writes `file` and presses its Enter with a
    // workout or weighing filled in.
    static void enterInWindow(ShellFixture &f, const QString &file);
};

void TestMalformedWindows::enterInWindow(ShellFixture &f, const QString &file)
{
    if (file == kHistory) {
        QVERIFY(f.trigger(QStringLiteral("itmPersonal")));
        WorkingWindow *w = f.window(QStringLiteral("frmPersonalInformation"));
        QVERIFY(w);
        auto *enter = w->findChild<QLabel *>(QStringLiteral("lblEnter"));
        QVERIFY(enter);
        QTest::mouseClick(enter, Qt::LeftButton);
    } else if (file == kWeightCatalogue || file == kWeightLog || file == kJournal) {
        QVERIFY(f.trigger(QStringLiteral("itmBiceps")));
        auto *w = f.windowAs<frmEnterData>(frmEnterData::kName);
        QVERIFY(w);
        if (w->exercise(0)->isVisible())
            w->spinner(0, frmEnterData::Reps, 0)->setValue(10);
        w->enterButton()->click();
    } else {
        QVERIFY(f.trigger(QStringLiteral("itmOut")));
        auto *w = f.windowAs<frmEnterAero>(frmEnterAero::kName);
        QVERIFY(w);
        const auto found = w->activities()->findItems(QStringLiteral("Running"), Qt::MatchExactly);
        if (!found.isEmpty())
            w->activities()->setCurrentItem(found.first());
        w->hours()->setText(QStringLiteral("1"));
        QTest::mousePress(w->enterButton()->label(), Qt::LeftButton);
        QTest::mouseRelease(w->enterButton()->label(), Qt::LeftButton);
    }
}

void TestMalformedWindows::windowsOnDamagedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("message"); // a message naming the file, every file unchanged
    for (const QString &file : {kHistory, kWeightCatalogue, kWeightLog, kJournal, kAerobicCatalogue, kAerobicLog,
                                kFactors}) {
        const QByteArray sound = soundFiles()[file];
        // The first record alone, its last field cut off with its comma.
        const QByteArray cut = sound.left(sound.lastIndexOf(',', sound.indexOf("\r\n")));
        QTest::addRow("%s: cut-off record", qPrintable(file)) << file << cut << true;
        QTest::addRow("%s: binary bytes", qPrintable(file)) << file << sound + binaryLine() << true;
        QTest::addRow("%s: blank last line", qPrintable(file)) << file << sound + "\r\n\r\n" << false;
    }
}

void TestMalformedWindows::windowsOnDamagedFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, message);
    ShellFixture::Options options;
    options.today = QDate(2026, 12, 6);
    options.settings = {{SettingKeys::PersonalInformation, SettingKeys::Weight, QStringLiteral("160")}};
    ShellFixture f({registerWorkoutWindows, registerProfileWindows}, options);
    writeSoundFiles(f.dataFolder());
    TestEnvironment::writeFile(f.dataFolder(), file, bytes);
    const QMap<QString, QByteArray> before = snapshot(f.dataFolder());

    enterInWindow(f, file);

    const QStringList messages = f.takeMessages();
    if (message) {
        QVERIFY2(!messages.isEmpty() && messages.join(u'\n').contains(file), qPrintable(messages.join(u'\n')));
        QCOMPARE(snapshot(f.dataFolder()), before);
    } else {
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n')));
        QVERIFY(snapshot(f.dataFolder()) != before); // saved
    }
}

void TestMalformedWindows::chartsOfDamagedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("shown"); // records the chart draws
    // The user is told the file stopped the chart: the body-weight chart
    // says so; the progress graphs show the entries before the damage.
    QTest::addColumn<bool>("told");
    for (const QString &file : {kHistory, kWeightLog, kAerobicLog}) {
        const QByteArray sound = soundFiles()[file];
        const int whole = file == kHistory ? 1 : 2; // the placeholder is never drawn
        QTest::addRow("%s: binary bytes after the records", qPrintable(file))
            << file << sound + binaryLine() << whole << (file == kHistory);
        QTest::addRow("%s: cut-off first record", qPrintable(file))
            << file << sound.left(sound.lastIndexOf(',', sound.indexOf("\r\n"))) << 0 << (file == kHistory);
        QTest::addRow("%s: blank last line", qPrintable(file)) << file << sound + "\r\n\r\n" << whole << false;
        QTest::addRow("%s: empty file", qPrintable(file)) << file << QByteArray() << 0 << false;
    }
}

// The charts read their files and never write them: a damaged file shows
// the records before the damage, the body-weight chart with a message
// naming the file, and stays byte-identical.
void TestMalformedWindows::chartsOfDamagedFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(int, shown);
    QFETCH(bool, told);
    const QString folder = TestEnvironment::freshFolder();
    writeSoundFiles(folder);
    TestEnvironment::writeFile(folder, file, bytes);
    const QMap<QString, QByteArray> before = snapshot(folder);
    ImageSurface surface(QSize(400, 300));
    GraphState state;
    state.step = 1;
    int drawn = 0;
    QString problem;
    if (file == kHistory) {
        Settings settings;
        problem = mBMI::ShowBMIChart(surface, folder, settings, QStringLiteral("Last 7 Entries"), mBMI::kWeightOnly,
                                     mBMI::kColumns);
        const auto sampled = mBMI::sample(WeightHistory(folder).read(), *ViewingPeriod::fromText(QStringLiteral("Last 7 Entries")),
                                          mBMI::Kind::Weight);
        for (const mBMI::Point &p : sampled.points)
            drawn += p.dateText.isEmpty() ? 0 : 1;
    } else if (file == kWeightLog) {
        const auto graph = ProgressSampling::weightGraph(folder, QStringLiteral("Bi"), QStringLiteral("Barbell Curl"), 1);
        ProgressPlot::drawWeight(surface, state, graph, ChartType::Column);
        drawn = int(graph.groups.size());
        problem = graph.problem;
    } else {
        const ProgressSampling::AerobicUnits units{true, ProgressSampling::DistanceUnit::Miles,
                                                   ProgressSampling::TimeUnit::Hours};
        const auto graph = ProgressSampling::aerobicGraph(folder, QStringLiteral("Ou"), QStringLiteral("Running"), 1, units);
        ProgressPlot::drawAerobic(surface, state, graph, ChartType::Line, false);
        drawn = int(graph.points.size());
        problem = graph.problem;
    }
    QCOMPARE(drawn, shown);
    QCOMPARE(!problem.isEmpty(), told);
    if (told)
        QVERIFY2(problem.contains(file), qPrintable(problem));
    QCOMPARE(snapshot(folder), before);
}

PULSAR_TEST_MAIN(TestMalformedWindows)
#include "tst_malformedwindows.moc"
