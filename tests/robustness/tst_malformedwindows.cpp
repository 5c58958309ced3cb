#include "DamagedFiles.h"

#include "common/ImageSurface.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "graphs/GraphState.h"
#include "graphs/GraphWindows.h"
#include "graphs/frmChartInfo.h"
#include "graphs/frmFitnessGraph.h"
#include "graphs/ProgressPlot.h"
#include "graphs/ProgressSampling.h"
#include "profile/mBMI.h"
#include "profile/ProfileWindows.h"
#include "profile/ViewingPeriod.h"
#include "profile/WeightHistory.h"
#include "shell/LabelButton.h"
#include "shell/PrintService.h"
#include "shell/Spinner.h"
#include "shell/TextBox.h"
#include "shell/WorkingWindow.h"
#include "support/ShellFixture.h"
#include "support/WindowTest.h"
#include "workouts/WorkoutWindows.h"
#include "workouts/frmDelete.h"
#include "workouts/frmEnterAero.h"
#include "workouts/frmEnterData.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QtTest>

using namespace DamagedFiles;

// The windows that save into a damaged data file, driven as the user does:
// the window shows a message naming the file and every file stays as it
// was, or it carries on and saves; nothing crashes.
class TestMalformedWindows : public QObject
{
    Q_OBJECT

public:
    enum Deletion {
        Refused,       // a message naming the file; every file unchanged
        NothingListed, // the entry is not listed: nothing to delete, every file unchanged
        Deleted,       // the entry and its log are gone, every other file unchanged
    };
    Q_ENUM(Deletion)
    enum Graph {
        Drawn,     // the graph, without a message
        NamesFile, // the graph of what was read, with one message naming the file
        NotListed, // the exercise is not listed: the options refuse to chart nothing
    };
    Q_ENUM(Graph)

private Q_SLOTS:
    void windowsOnDamagedFiles_data();
    void windowsOnDamagedFiles();
    void chartsOfDamagedFiles_data();
    void chartsOfDamagedFiles();
    void deletionOfDamagedFiles_data();
    void deletionOfDamagedFiles();
    void graphWindowsOnDamagedFiles_data();
    void graphWindowsOnDamagedFiles();

private:
    // The rows of `file` damaged four ways.
    template <typename Outcome>
    static void damageRows(const QString &file, Outcome cut, Outcome binary, Outcome blank, Outcome empty);
    static void pressLabel(QWidget *window, const QString &label);
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
        QTest::addRow("%s: cut-off record", qPrintable(file)) << file << cutFirstRecord(sound) << true;
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
    // The chart names the file that stopped it short of its records.
    QTest::addColumn<bool>("told");
    for (const QString &file : {kHistory, kWeightLog, kAerobicLog}) {
        const QByteArray sound = soundFiles()[file];
        const int whole = file == kHistory ? 1 : 2; // the placeholder is never drawn
        QTest::addRow("%s: binary bytes after the records", qPrintable(file))
            << file << sound + binaryLine() << whole << true;
        QTest::addRow("%s: cut-off first record", qPrintable(file))
            << file << cutFirstRecord(sound) << 0 << true;
        QTest::addRow("%s: blank last line", qPrintable(file)) << file << sound + "\r\n\r\n" << whole << false;
        QTest::addRow("%s: empty file", qPrintable(file)) << file << QByteArray() << 0 << false;
    }
}

// The charts read their files and never write them: a damaged file shows
// the records before the damage with a message naming the file, and stays
// byte-identical.
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

template <typename Outcome>
void TestMalformedWindows::damageRows(const QString &file, Outcome cut, Outcome binary, Outcome blank,
                                      Outcome empty)
{
    const QByteArray sound = soundFiles()[file];
    QTest::addRow("%s: cut-off first record", qPrintable(file)) << file << cutFirstRecord(sound) << cut;
    QTest::addRow("%s: binary bytes after the records", qPrintable(file)) << file << sound + binaryLine() << binary;
    QTest::addRow("%s: blank last line", qPrintable(file)) << file << sound + "\r\n\r\n" << blank;
    QTest::addRow("%s: empty file", qPrintable(file)) << file << QByteArray() << empty;
}

void TestMalformedWindows::pressLabel(QWidget *window, const QString &label)
{
    auto *caption = window->findChild<QLabel *>(label);
    QVERIFY(caption);
    auto *button = caption->findChild<LabelButton *>();
    QVERIFY(button);
    button->click();
}

void TestMalformedWindows::deletionOfDamagedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Deletion>("outcome");
    // A catalogue is listed as far as it reads and rewritten only when it
    // reads whole; a log is deleted whatever it holds; the factors are not
    // the window's business.
    for (const QString &catalogue : {kWeightCatalogue, kAerobicCatalogue})
        damageRows(catalogue, NothingListed, Refused, Deleted, NothingListed);
    for (const QString &other : {kWeightLog, kAerobicLog, kFactors})
        damageRows(other, Deleted, Deleted, Deleted, Deleted);
}

// "Barbell Curl" or "Running" chosen in the deletion window and deleted.
void TestMalformedWindows::deletionOfDamagedFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(Deletion, outcome);
    const bool cardio = file == kAerobicCatalogue || file == kAerobicLog;
    const QString catalogue = cardio ? kAerobicCatalogue : kWeightCatalogue;
    const QString log = cardio ? kAerobicLog : kWeightLog;
    const QString name = cardio ? QStringLiteral("Running") : QStringLiteral("Barbell Curl");
    const QString other = cardio ? QStringLiteral("Squash ") : QStringLiteral("Dip");
    ShellFixture f({registerWorkoutWindows});
    writeSoundFiles(f.dataFolder());
    TestEnvironment::writeFile(f.dataFolder(), file, bytes);
    const QMap<QString, QByteArray> before = snapshot(f.dataFolder());

    QVERIFY(f.trigger(QStringLiteral("itmDel")));
    auto *w = f.windowAs<frmDelete>(frmDelete::kName);
    QVERIFY(w);
    w->categoryBox()->setCurrentIndex(w->categoryBox()->findText(cardio ? QStringLiteral("Cardio")
                                                                        : QStringLiteral("Weightlifting")));
    const QList<QListWidgetItem *> found = w->list()->findItems(name, Qt::MatchExactly);
    QCOMPARE(found.isEmpty(), outcome == NothingListed);
    for (QListWidgetItem *item : found)
        item->setSelected(true);
    w->enterButton()->click();

    const QStringList messages = f.takeMessages();
    QMap<QString, QByteArray> after = snapshot(f.dataFolder());
    switch (outcome) {
    case Refused:
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(file), qPrintable(messages.first()));
        QVERIFY(w->notes()->text().isEmpty());
        QCOMPARE(after, before);
        break;
    case NothingListed:
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n')));
        QCOMPARE(w->notes()->text(), ExerciseDeletion::kDone);
        QCOMPARE(after, before);
        break;
    case Deleted: {
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n')));
        QCOMPARE(w->notes()->text(), ExerciseDeletion::kDone);
        QVERIFY(!after.contains(log));
        QVERIFY(!after[catalogue].contains(name.toLatin1()));
        QVERIFY(after[catalogue].contains(other.toLatin1()));
        // The list is refilled from the catalogue as it now stands.
        QCOMPARE(w->list()->count(), 1);
        QMap<QString, QByteArray> unchanged = before;
        unchanged.remove(log);
        unchanged.remove(catalogue);
        after.remove(catalogue);
        QCOMPARE(after, unchanged);
        break;
    }
    }
}

void TestMalformedWindows::graphWindowsOnDamagedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Graph>("outcome");
    // The options list a catalogue as far as it reads; the graph finds its
    // exercise there and names a log that stops it short of seven entries.
    for (const QString &catalogue : {kWeightCatalogue, kAerobicCatalogue})
        damageRows(catalogue, NotListed, Drawn, Drawn, NotListed);
    for (const QString &log : {kWeightLog, kAerobicLog})
        damageRows(log, NamesFile, NamesFile, Drawn, Drawn);
}

// "Barbell Curl" or "Running" charted as bars through the chart options,
// then printed: the graph windows only read, so every file stays as it was.
void TestMalformedWindows::graphWindowsOnDamagedFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(Graph, outcome);
    const bool cardio = file == kAerobicCatalogue || file == kAerobicLog;
    ShellFixture f({registerGraphWindows});
    writeSoundFiles(f.dataFolder());
    TestEnvironment::writeFile(f.dataFolder(), file, bytes);
    const QMap<QString, QByteArray> before = snapshot(f.dataFolder());

    QVERIFY(f.trigger(cardio ? QStringLiteral("itmAero") : QStringLiteral("itmWeight")));
    auto *options = f.windowAs<frmChartInfo>(QStringLiteral("frmChartInfo"));
    QVERIFY(options);
    auto *category = options->findChild<QComboBox *>(QStringLiteral("Combo1(0)"));
    QVERIFY(category);
    QVERIFY(WindowTest::chooseByKeys(category, cardio ? QStringLiteral("Outdoor Activites") : QStringLiteral("Biceps")));
    auto *list = options->findChild<QListWidget *>(QStringLiteral("List1"));
    QVERIFY(list);
    const QString exercise = cardio ? QStringLiteral("Running") : QStringLiteral("Barbell Curl");
    QCOMPARE(list->findItems(exercise, Qt::MatchExactly).isEmpty(), outcome == NotListed);
    if (outcome != NotListed)
        QVERIFY(WindowTest::chooseByMouse(list, exercise));
    options->findChild<QRadioButton *>(QStringLiteral("Option2(0)"))->setChecked(true);
    pressLabel(options, QStringLiteral("lblEnter"));

    auto checkMessages = [&](const QStringList &messages) {
        switch (outcome) {
        case NotListed:
            QCOMPARE(messages, QStringList{QStringLiteral("you must select an excercise")});
            break;
        case Drawn:
            QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n')));
            break;
        case NamesFile:
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages.first().contains(file), qPrintable(messages.first()));
            break;
        }
    };
    checkMessages(f.takeMessages());
    auto *graph = f.windowAs<frmFitnessGraph>(QStringLiteral("frmFitnessGraph"));
    QCOMPARE(graph != nullptr, outcome != NotListed);
    if (graph) {
        // Printing reads the files again and says the same.
        const QString pdf = TestEnvironment::freshFolder(QStringLiteral("pdf")) + QStringLiteral("/graph.pdf");
        qputenv(PrintService::kPdfVariable, pdf.toLocal8Bit());
        pressLabel(graph, QStringLiteral("lblPrint"));
        qunsetenv(PrintService::kPdfVariable);
        checkMessages(f.takeMessages());
    }
    QCOMPARE(snapshot(f.dataFolder()), before);
}

PULSAR_TEST_MAIN(TestMalformedWindows)
#include "tst_malformedwindows.moc"
