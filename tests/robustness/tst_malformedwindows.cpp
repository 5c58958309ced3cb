#include "DamagedFiles.h"

#include "common/ImageSurface.h"
#include "common/RecordFile.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "graphs/GraphState.h"
#include "graphs/GraphWindows.h"
#include "graphs/frmChartInfo.h"
#include "graphs/frmFitnessGraph.h"
#include "nutrition/BalanceWindows.h"
#include "nutrition/FoodDay.h"
#include "graphs/ProgressPlot.h"
#include "graphs/ProgressSampling.h"
#include "nutrition/FoodWindows.h"
#include "nutrition/frmFoodDelete.h"
#include "nutrition/frmFoodEntry.h"
#include "profile/mBMI.h"
#include "profile/ProfileWindows.h"
#include "profile/ViewingPeriod.h"
#include "profile/WeightHistory.h"
#include "reports/ReportWindows.h"
#include "reports/frmPrintPreview.h"
#include "reports/frmRTF.h"
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
#include <QCalendarWidget>
#include <QRadioButton>
#include <QElapsedTimer>
#include <QTreeWidget>
#include <QtTest>

#include <sys/stat.h>

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
    enum Report {
        Reported,  // the log's entries, without a message
        TellsFile, // the entries read, with a message naming the file at every page and the printout
        Unlisted,  // the exercise is not listed: the choice refuses to report nothing
    };
    Q_ENUM(Report)

private Q_SLOTS:
    void windowsOnDamagedFiles_data();
    void windowsOnDamagedFiles();
    void windowsOnAFifo_data();
    void windowsOnAFifo();
    void chartsOfDamagedFiles_data();
    void chartsOfDamagedFiles();
    void deletionOfDamagedFiles_data();
    void deletionOfDamagedFiles();
    void deletionOnAFifo_data();
    void deletionOnAFifo();
    void graphWindowsOnDamagedFiles_data();
    void graphWindowsOnDamagedFiles();
    void foodWindowsOnDamagedFiles_data();
    void foodWindowsOnDamagedFiles();
    void reportWindowsOnDamagedFiles_data();
    void reportWindowsOnDamagedFiles();
    void sheetReportWindowsOnDamagedFiles_data();
    void sheetReportWindowsOnDamagedFiles();
    void balanceWindowsOnDamagedFiles_data();
    void balanceWindowsOnDamagedFiles();

private:
    // The rows of `file` damaged four ways.
    template <typename Outcome>
    static void damageRows(const QString &file, Outcome cut, Outcome binary, Outcome blank, Outcome empty);
    static void pressLabel(QWidget *window, const QString &label);
    // Chooses "Barbell Curl" or "Running" (as `file` is of the aerobic
    // files or not) in the deletion window and deletes it; checks that the
    // outcome is `outcome`.
    static void deleteInWindow(ShellFixture &f, const QString &file, Deletion outcome);
    // The report window as the damaged-file rows work it: the first page
    // shows `lines` text lines; then Next, Previous and Print into a fresh
    // PDF (written or not as `printed` says). After opening and each press
    // one message holding `told` is shown, or none when it is empty; none
    // after Next when `emptySecondPage` (a page that shows nothing).
    static void workReportWindow(ShellFixture &f, frmRTF *report, const QString &told, int lines, bool printed,
                                 bool emptySecondPage = false);
    // Opens the window that writes `file` and presses its Enter with a
    // workout or weighing filled in, on a fixture with enterOptions().
    static void enterInWindow(ShellFixture &f, const QString &file);
    static ShellFixture::Options enterOptions();
    // The files enterInWindow() reads.
    static inline const QStringList kEnteredFiles = {kHistory, kWeightCatalogue, kWeightLog, kJournal,
                                                     kAerobicCatalogue, kAerobicLog, kFactors};
};

ShellFixture::Options TestMalformedWindows::enterOptions()
{
    ShellFixture::Options options;
    options.today = QDate(2026, 12, 6);
    options.settings = {{SettingKeys::PersonalInformation, SettingKeys::Weight, QStringLiteral("160")}};
    return options;
}

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
    for (const QString &file : kEnteredFiles) {
        const QByteArray sound = soundFiles()[file];
        QTest::addRow("%s: cut-off record", qPrintable(file)) << file << cutFirstRecord(sound) << true;
        QTest::addRow("%s: binary bytes", qPrintable(file)) << file << sound + binaryLine() << true;
        QTest::addRow("%s: blank last line", qPrintable(file)) << file << sound + "\r\n\r\n" << false;
        QTest::addRow("%s: byte-order mark", qPrintable(file)) << file << "\xEF\xBB\xBF" + sound << false;
    }
}

void TestMalformedWindows::windowsOnDamagedFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, message);
    ShellFixture f({registerWorkoutWindows, registerProfileWindows}, enterOptions());
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

void TestMalformedWindows::windowsOnAFifo_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &file : kEnteredFiles)
        QTest::newRow(qPrintable(file)) << file;
}

// A FIFO in a data file's place: the window that reads it names it within
// a second instead of waiting for ever on it, and every file stays as it
// was.
void TestMalformedWindows::windowsOnAFifo()
{
    QFETCH(QString, file);
    ShellFixture f({registerWorkoutWindows, registerProfileWindows}, enterOptions());
    writeSoundFiles(f.dataFolder());
    const QByteArray path = QFile::encodeName(RecordFile::path(f.dataFolder(), file));
    QVERIFY(TestEnvironment::putFifo(f.dataFolder(), file));
    const QMap<QString, QByteArray> before = snapshot(f.dataFolder());

    QElapsedTimer clock;
    clock.start();
    enterInWindow(f, file);
    QVERIFY(clock.elapsed() < 1000);

    const QString messages = f.takeMessages().join(u'\n');
    QVERIFY2(messages.contains(QStringLiteral("The file %1 could not be read: it is not a regular file.").arg(file)),
             qPrintable(messages));
    QCOMPARE(snapshot(f.dataFolder()), before);
    struct stat st;
    QVERIFY(::lstat(path.constData(), &st) == 0 && S_ISFIFO(st.st_mode));
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
    ShellFixture f({registerWorkoutWindows});
    writeSoundFiles(f.dataFolder());
    TestEnvironment::writeFile(f.dataFolder(), file, bytes);
    deleteInWindow(f, file, outcome);
}

void TestMalformedWindows::deletionOnAFifo_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Deletion>("outcome");
    // A catalogue that is a FIFO lists nothing; a FIFO in a log's place goes
    // with its entry. Neither is opened.
    QTest::newRow(qPrintable(kWeightCatalogue)) << kWeightCatalogue << NothingListed;
    QTest::newRow(qPrintable(kAerobicCatalogue)) << kAerobicCatalogue << NothingListed;
    QTest::newRow(qPrintable(kWeightLog)) << kWeightLog << Deleted;
    QTest::newRow(qPrintable(kAerobicLog)) << kAerobicLog << Deleted;
}

// A FIFO in a file's place of the deletion: the window never waits on it.
void TestMalformedWindows::deletionOnAFifo()
{
    QFETCH(QString, file);
    QFETCH(Deletion, outcome);
    ShellFixture f({registerWorkoutWindows});
    writeSoundFiles(f.dataFolder());
    const QByteArray path = QFile::encodeName(RecordFile::path(f.dataFolder(), file));
    QVERIFY(TestEnvironment::putFifo(f.dataFolder(), file));
    QElapsedTimer clock;
    clock.start();
    deleteInWindow(f, file, outcome);
    QVERIFY(clock.elapsed() < 1000);
    struct stat st;
    QCOMPARE(::lstat(path.constData(), &st) == 0, outcome == NothingListed);
}

void TestMalformedWindows::deleteInWindow(ShellFixture &f, const QString &file, Deletion outcome)
{
    const bool cardio = file == kAerobicCatalogue || file == kAerobicLog;
    const QString catalogue = cardio ? kAerobicCatalogue : kWeightCatalogue;
    const QString log = cardio ? kAerobicLog : kWeightLog;
    const QString name = cardio ? QStringLiteral("Running") : QStringLiteral("Barbell Curl");
    const QString other = cardio ? QStringLiteral("Squash ") : QStringLiteral("Dip");
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

void TestMalformedWindows::foodWindowsOnDamagedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("window"); // "entry" or "delete"
    QTest::addColumn<int>("listed");     // rows the window lists
    QTest::addColumn<bool>("told");      // a message naming the file, every file unchanged
    auto rows = [](const QString &file, const QString &window, int whole) {
        const QByteArray sound = soundFiles()[file];
        // The list the window shows ends at the damage.
        const bool shown = file == (window == QStringLiteral("entry") ? kFoodList : kFoodDay);
        QTest::addRow("%s in the %s window: cut-off first record", qPrintable(file), qPrintable(window))
            << file
            << (file == kPendingFoods ? "\r\n" + cutFirstRecord(sound.mid(2)) : cutFirstRecord(sound)) << window
            << (shown ? 0 : whole) << true;
        QTest::addRow("%s in the %s window: binary bytes after the records", qPrintable(file), qPrintable(window))
            << file << sound + binaryLine() << window << whole << true;
        QTest::addRow("%s in the %s window: blank last line", qPrintable(file), qPrintable(window))
            << file << sound + "\r\n\r\n" << window << whole << false;
    };
    // The entry window lists the milk list and enters skim milk; the
    // deletion window lists the day and deletes its first food.
    rows(kFoodList, QStringLiteral("entry"), 3);
    rows(kFoodDay, QStringLiteral("entry"), 3);
    rows(kPendingFoods, QStringLiteral("entry"), 3);
    rows(kFoodJournal, QStringLiteral("entry"), 3);
    rows(kFoodDay, QStringLiteral("delete"), 2);
    rows(kFoodJournal, QStringLiteral("delete"), 2);
}

void TestMalformedWindows::foodWindowsOnDamagedFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, window);
    QFETCH(int, listed);
    QFETCH(bool, told);
    ShellFixture f({registerFoodWindows}, ShellFixture::Options{true, false, QDate(2026, 12, 6), {}});
    writeSoundFiles(f.dataFolder());
    TestEnvironment::writeFile(f.dataFolder(), kPendingFoods, "\r\n");
    // A list is read as the window opens; the other files are damaged
    // while it is open, before its save reads them.
    const bool list = file == kFoodList;
    if (list)
        TestEnvironment::writeFile(f.dataFolder(), file, bytes);
    QTreeWidget *rows = nullptr;
    QTreeWidget *chosen = nullptr; // the foods picked, in the entry window
    LabelButton *save = nullptr;
    if (window == QStringLiteral("entry")) {
        QVERIFY(f.trigger(QStringLiteral("itmMilk")));
        auto *w = f.windowAs<frmFoodEntry>(frmFoodEntry::kName);
        QVERIFY(w);
        rows = w->foods();
        chosen = w->chosen();
        save = w->enterButton();
        const QList<QTreeWidgetItem *> skim =
            rows->findItems(QStringLiteral("Skim milk (1 cup)"), Qt::MatchExactly, frmFoodEntry::FoodColumn);
        if (!skim.isEmpty()) {
            rows->setCurrentItem(skim.first());
            w->selectButton()->click();
        }
    } else {
        QVERIFY(f.trigger(QStringLiteral("itmDeleteFood")));
        auto *w = f.windowAs<frmFoodDelete>(frmFoodDelete::kName);
        QVERIFY(w);
        w->calendar()->setSelectedDate(QDate(2026, 12, 6));
        rows = w->foods();
        save = w->deleteButton();
        if (file == kFoodDay)
            TestEnvironment::writeFile(f.dataFolder(), file, bytes);
        w->listButton()->click();
        if (rows->topLevelItemCount() > 0)
            rows->setCurrentItem(rows->topLevelItem(0));
    }
    QCOMPARE(rows->topLevelItemCount(), listed);
    QStringList messages = f.takeMessages();
    if (told && (list || (window == QStringLiteral("delete") && file == kFoodDay))) {
        // Told once, when the file was read for the list.
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(file), qPrintable(messages.first()));
    } else {
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n')));
    }
    if (!list)
        TestEnvironment::writeFile(f.dataFolder(), file, bytes);
    const QMap<QString, QByteArray> before = snapshot(f.dataFolder());

    save->click();

    messages = f.takeMessages();
    const bool saves = rows->topLevelItemCount() > 0 || window == QStringLiteral("entry");
    if (told && saves && !list) {
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(file), qPrintable(messages.first()));
        QCOMPARE(snapshot(f.dataFolder()), before);
        // The foods picked stay for another try.
        if (chosen)
            QCOMPARE(chosen->topLevelItemCount(), 1);
    } else {
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n')));
    }
    if (!told)
        QVERIFY(snapshot(f.dataFolder()) != before); // saved
}

void TestMalformedWindows::reportWindowsOnDamagedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("fifo");          // a FIFO in the file's place
    QTest::addColumn<Report>("outcome");
    QTest::addColumn<int>("rows");           // entries on the first page; -1: the name alone
    QTest::addColumn<bool>("afterListing"); // the file is damaged once the choice has listed it
    QTest::addColumn<bool>("listTold");     // filling the list names the catalogue
    // The choice lists a catalogue as far as it reads, and says so when it
    // could not read it whole; the report finds its exercise there and
    // shows a log's entries before its damage.
    for (const QString &catalogue : {kWeightCatalogue, kAerobicCatalogue}) {
        const QByteArray sound = soundFiles()[catalogue];
        QTest::addRow("%s: cut-off first record", qPrintable(catalogue))
            << catalogue << cutFirstRecord(sound) << false << Unlisted << 0 << false << true;
        QTest::addRow("%s: cut-off first record after listing", qPrintable(catalogue))
            << catalogue << cutFirstRecord(sound) << false << TellsFile << -1 << true << false;
        QTest::addRow("%s: binary bytes after the records", qPrintable(catalogue))
            << catalogue << sound + binaryLine() << false << Reported << 2 << false << true;
        QTest::addRow("%s: empty file", qPrintable(catalogue))
            << catalogue << QByteArray() << false << Unlisted << 0 << false << false;
        QTest::addRow("%s: byte-order mark", qPrintable(catalogue))
            << catalogue << withBOM(sound) << false << Reported << 2 << false << false;
        QTest::addRow("%s: FIFO", qPrintable(catalogue))
            << catalogue << QByteArray() << true << Unlisted << 0 << false << true;
        QTest::addRow("%s: FIFO after listing", qPrintable(catalogue))
            << catalogue << QByteArray() << true << TellsFile << -1 << true << false;
    }
    for (const QString &log : {kWeightLog, kAerobicLog}) {
        const QByteArray sound = soundFiles()[log];
        auto row = [&](const char *what, const QByteArray &bytes, Report outcome, int rows, bool fifo = false) {
            QTest::addRow("%s: %s", qPrintable(log), what)
                << log << bytes << fifo << outcome << rows << false << false;
        };
        row("cut-off first record", cutFirstRecord(sound), TellsFile, 0);
        row("binary bytes after the records", sound + binaryLine(), TellsFile, 2);
        // The first record's weight or distance.
        row("a text for a number", QByteArray(sound).replace(log == kWeightLog ? ",105," : ",3,", ",x,"), TellsFile,
            0);
        row("blank last line", sound + "\r\n\r\n", Reported, 2);
        row("empty file", QByteArray(), Reported, 0);
        row("byte-order mark", withBOM(sound), Reported, 2);
        row("FIFO", QByteArray(), TellsFile, 0, true);
    }
}

// "Barbell Curl" or "Running" reported through the report choice, paged
// with Next and Previous and printed: the report windows only read, so
// every file stays as it was, a FIFO in its place; a FIFO is named within a
// second.
void TestMalformedWindows::reportWindowsOnDamagedFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, fifo);
    QFETCH(Report, outcome);
    QFETCH(int, rows);
    QFETCH(bool, afterListing);
    QFETCH(bool, listTold);
    const bool cardio = file == kAerobicCatalogue || file == kAerobicLog;
    ShellFixture f({registerReportWindows});
    writeSoundFiles(f.dataFolder());
    const QByteArray path = QFile::encodeName(RecordFile::path(f.dataFolder(), file));
    const auto damage = [&] {
        TestEnvironment::writeFile(f.dataFolder(), file, bytes);
        if (fifo)
            QVERIFY(TestEnvironment::putFifo(f.dataFolder(), file));
    };
    if (!afterListing)
        damage();

    QVERIFY(f.trigger(QStringLiteral("itmPrintForm")));
    auto *choice = f.windowAs<frmPrintPreview>(frmPrintPreview::kName);
    QVERIFY(choice);
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(choice->findChild<QLabel *>(QStringLiteral("lblType(0)")), Qt::LeftButton);
    QVERIFY(WindowTest::chooseByKeys(choice->findChild<QComboBox *>(QStringLiteral("cboCategory")),
                                     cardio ? QStringLiteral("Outdoor Activites") : QStringLiteral("Biceps")));
    QVERIFY(clock.elapsed() < 1000);
    // Each fill of the category's exercises from the catalogue names it.
    const QStringList listing = f.takeMessages();
    QCOMPARE(!listing.isEmpty(), listTold);
    for (const QString &message : listing)
        QVERIFY2(message.contains(file), qPrintable(message));
    auto *list = choice->findChild<QListWidget *>(QStringLiteral("lstExcercise"));
    const QList<QListWidgetItem *> found =
        list->findItems(cardio ? QStringLiteral("Running") : QStringLiteral("Barbell Curl"), Qt::MatchExactly);
    QCOMPARE(found.isEmpty(), outcome == Unlisted);
    if (!found.isEmpty())
        WindowTest::clickRow(list, list->row(found.first()));
    if (afterListing)
        damage();
    const QMap<QString, QByteArray> before = snapshot(f.dataFolder());
    clock.restart();
    QTest::mouseClick(choice->findChild<QLabel *>(QStringLiteral("Label7")), Qt::LeftButton);
    QVERIFY(clock.elapsed() < 1000);

    auto *report = f.windowAs<frmRTF>(frmRTF::kName);
    if (outcome == Unlisted) {
        QCOMPARE(f.takeMessages(), QStringList{QStringLiteral("You must select an excercise ")});
        QVERIFY(!report);
    } else {
        QVERIFY(report);
        // The title, the heading and the entries read; every page and the
        // printout say the same.
        workReportWindow(f, report, outcome == Reported ? QString() : file, rows < 0 ? 1 : 2 + rows, true);
    }
    QVERIFY(clock.elapsed() < 5000);
    QCOMPARE(snapshot(f.dataFolder()), before);
    struct stat st;
    QVERIFY(::lstat(path.constData(), &st) == 0 && S_ISFIFO(st.st_mode) == fifo);
}

void TestMalformedWindows::workReportWindow(ShellFixture &f, frmRTF *report, const QString &told, int lines,
                                            bool printed, bool emptySecondPage)
{
    const auto checkMessages = [&](bool quiet = false) {
        const QStringList messages = f.takeMessages();
        if (told.isEmpty() || quiet) {
            QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n')));
        } else {
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages.first().contains(told), qPrintable(messages.first()));
        }
    };
    checkMessages();
    QStringList shown;
    for (const QString &line : report->pageText().split(u'\n'))
        if (!line.trimmed().isEmpty())
            shown << line;
    QCOMPARE(shown.size(), lines);
    pressLabel(report, QStringLiteral("lblNext"));
    checkMessages(emptySecondPage);
    pressLabel(report, QStringLiteral("lblPrevious"));
    checkMessages();
    const QString pdf = TestEnvironment::freshFolder(QStringLiteral("pdf")) + QStringLiteral("/report.pdf");
    qputenv(PrintService::kPdfVariable, pdf.toLocal8Bit());
    pressLabel(report, QStringLiteral("lblPrint"));
    qunsetenv(PrintService::kPdfVariable);
    checkMessages();
    QCOMPARE(QFile::exists(pdf), printed);
}

void TestMalformedWindows::sheetReportWindowsOnDamagedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("fifo");
    QTest::addColumn<QString>("report"); // the report's label in the choice
    QTest::addColumn<int>("lines");      // the text lines of the first page
    QTest::addColumn<QString>("told");   // what every page's and the printout's message holds; empty: none
    QTest::addColumn<bool>("printed");
    const QByteArray weights = soundFiles()[kWeightCatalogue];
    const QByteArray aerobics = soundFiles()[kAerobicCatalogue];
    const QByteArray foods = soundFiles()[kFoodDay];
    const QString descriptions = QStringLiteral("lblType(3)");
    const QString sheet = QStringLiteral("lblType(1)");
    const QString eaten = QStringLiteral("lblType(2)");
    auto row = [](const QString &file, const char *what, const QByteArray &bytes, const QString &report, int lines,
                  const QString &told, bool printed) {
        QTest::addRow("%s: %s", qPrintable(file), what) << file << bytes << false << report << lines << told << printed;
    };
    // Damaged once the choice has listed them: the names alone, the
    // catalogue named.
    row(kWeightCatalogue, "descriptions, cut-off first record", cutFirstRecord(weights), descriptions, 2,
        kWeightCatalogue, true);
    row(kWeightCatalogue, "descriptions, binary bytes after the records", weights + binaryLine(), descriptions, 3,
        QString(), true);
    row(kAerobicCatalogue, "cardio template, cut-off first record", cutFirstRecord(aerobics), sheet, 3,
        kAerobicCatalogue, true);
    QTest::addRow("%s: cardio template, FIFO", qPrintable(kAerobicCatalogue))
        << kAerobicCatalogue << QByteArray() << true << sheet << 3 << kAerobicCatalogue << true;
    // The day's foods that read, the file named; none: nothing printed.
    row(kFoodDay, "cut-off record", cutFirstRecord(foods), eaten, 2, kFoodDay, false);
    row(kFoodDay, "binary bytes", foods + binaryLine(), eaten, 6, kFoodDay, true);
    row(kFoodDay, "text for a number", QByteArray(foods).replace("\"83\"", "\"lots\""), eaten, 5, kFoodDay, true);
    row(kFoodDay, "empty file", QByteArray(), eaten, 2, QStringLiteral("No foods have been entered in"), false);
    QTest::addRow("%s: FIFO", qPrintable(kFoodDay)) << kFoodDay << QByteArray() << true << eaten << 2 << kFoodDay
                                                    << false;
}

// The template, foods and description reports through the report choice,
// paged with Next and Previous and printed over a damaged file: the same
// message at every step, no print job where there is nothing to print, and
// every file as it was.
void TestMalformedWindows::sheetReportWindowsOnDamagedFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, fifo);
    QFETCH(QString, report);
    QFETCH(int, lines);
    QFETCH(QString, told);
    QFETCH(bool, printed);
    ShellFixture::Options options;
    options.today = QDate(2026, 12, 6);
    ShellFixture f({registerReportWindows}, options);
    writeSoundFiles(f.dataFolder());

    QVERIFY(f.trigger(QStringLiteral("itmPrintForm")));
    auto *choice = f.windowAs<frmPrintPreview>(frmPrintPreview::kName);
    QVERIFY(choice);
    QTest::mouseClick(choice->findChild<QLabel *>(report), Qt::LeftButton);
    if (file == kAerobicCatalogue)
        QVERIFY(WindowTest::chooseByKeys(choice->findChild<QComboBox *>(QStringLiteral("cboCategory")),
                                         QStringLiteral("Cardio")));
    auto *list = choice->findChild<QListWidget *>(QStringLiteral("lstExcercise"));
    if (list->isVisible()) {
        QCOMPARE(list->count(), 2);
        WindowTest::clickRow(list, 0);
        WindowTest::clickRow(list, 1, Qt::ControlModifier);
    }
    TestEnvironment::writeFile(f.dataFolder(), file, bytes);
    if (fifo)
        QVERIFY(TestEnvironment::putFifo(f.dataFolder(), file));
    const QMap<QString, QByteArray> before = snapshot(f.dataFolder());
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(choice->findChild<QLabel *>(QStringLiteral("Label7")), Qt::LeftButton);
    auto *window = f.windowAs<frmRTF>(frmRTF::kName);
    QVERIFY(window);
    // The template's second page shows nothing of two exercises.
    workReportWindow(f, window, told, lines, printed, report == QStringLiteral("lblType(1)"));
    QVERIFY(clock.elapsed() < 5000);
    QCOMPARE(snapshot(f.dataFolder()), before);
    struct stat st;
    QVERIFY(::lstat(QFile::encodeName(RecordFile::path(f.dataFolder(), file)).constData(), &st) == 0
            && S_ISFIFO(st.st_mode) == fifo);
}

void TestMalformedWindows::balanceWindowsOnDamagedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown"); // what the value label of the file's calories shows
    QTest::addColumn<bool>("told");     // one message naming the file
    // Records of 6 and 7 December: 300 + 200 eaten, 40 + 142 burnt.
    const QString food = FoodDay::kJournalFileName;
    const QByteArray eaten = "\"07-Dec-26\",300\r\n\"06-Dec-26\",200\r\n";
    const QByteArray burnt = soundFiles()[kJournal];
    // Milk 90 x 2 and an apple of 95 on 6 December.
    const QString day = FoodDay::fileName(QDate(2026, 12, 6));
    const QByteArray foods = FoodDay::line("06-Dec-26", "Milk", "Skim Milk", "90", "2")
                             + FoodDay::line("06-Dec-26", "Fruit", "Apple", "95", "1");
    auto row = [](const QString &file, const char *what, const QByteArray &bytes, const char *shown, bool told) {
        QTest::addRow("%s: %s", qPrintable(file), what) << file << bytes << QString::fromLatin1(shown) << told;
    };
    const QByteArray binary = binaryLine();
    const QByteArray blank("\r\n\r\n");
    auto loneCR = [](QByteArray bytes) { return bytes.replace("\r\n", "\r"); };

    // The journals are summed as far as they read; a record that cannot be
    // read is left out and the file named.
    row(food, "cut-off record", "\"07-Dec-26\",300\r\n\"06-Dec-26\"", "300", true);
    row(food, "text for a number", "\"07-Dec-26\",lots\r\n\"06-Dec-26\",200\r\n", "200", true);
    row(food, "number too large", "\"07-Dec-26\",1e20\r\n\"06-Dec-26\",200\r\n", "200", true);
    row(food, "date that is no date", "\"31-Feb-26\",300\r\n\"06-Dec-26\",200\r\n", "200", true);
    row(food, "double quote in the date", "07-Dec\"-26,300\r\n\"06-Dec-26\",200\r\n", "200", true);
    row(food, "lone CR", loneCR(eaten), "500", false);
    row(food, "binary bytes", eaten + binary, "500", true);
    row(food, "empty file", "", "0", false);
    row(food, "blank last line", eaten + blank, "500", false);
    row(kJournal, "cut-off record", cutFirstRecord(burnt) + "\r\n\"06-Dec-26\",142.5\r\n", "142", true);
    row(kJournal, "text for a number", "\"07-Dec-26\",lots\r\n\"06-Dec-26\",142.5\r\n", "142", true);
    row(kJournal, "lone CR", loneCR(burnt), "182", false);
    row(kJournal, "binary bytes", burnt + binary, "182", true);
    row(kJournal, "empty file", "", "0", false);
    row(kJournal, "blank last line", burnt + blank, "182", false);

    // The day's food file likewise: the milk shows.
    row(day, "cut-off record", FoodDay::line("06-Dec-26", "Milk", "Skim Milk", "90", "2") + "\"06-Dec-26\",\"Meat\"",
        "180", true);
    row(day, "text for a number", "\"06-Dec-26\",\"Milk\",\"Cheese\",\"lots\",\"1\"\r\n" + foods, "180", true);
    row(day, "number too large", FoodDay::line("06-Dec-26", "Milk", "Cream", "1e300", "1e300") + foods, "180", true);
    row(day, "date that is no date", QByteArray(foods).replace("06-Dec-26", "31-Feb-26"), "180", false);
    row(day, "lone CR", loneCR(foods), "180", false);
    row(day, "binary bytes", foods + binary, "180", true);
    row(day, "empty file", "", "0", false);
    row(day, "blank last line", foods + blank, "180", false);
}

// The caloric balance of 6 and 7 December and the food pie chart of 6
// December: they only read, so every file stays as it was.
void TestMalformedWindows::balanceWindowsOnDamagedFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QFETCH(bool, told);
    ShellFixture::Options options;
    options.today = QDate(2026, 12, 6);
    ShellFixture f({registerBalanceWindows}, options);
    writeSoundFiles(f.dataFolder());
    TestEnvironment::writeFile(f.dataFolder(), file, bytes);
    const QMap<QString, QByteArray> before = snapshot(f.dataFolder());

    const bool pie = file.startsWith(QLatin1String("Food")) && file != FoodDay::kJournalFileName;
    QVERIFY(f.trigger(pie ? QStringLiteral("itmFoodPieChart") : QStringLiteral("itmCalories")));
    WorkingWindow *w = f.openWindow();
    QVERIFY(w);
    if (!pie) {
        auto *days = w->findChild<QComboBox *>(QStringLiteral("cboLastDay"));
        QVERIFY(days);
        days->setCurrentIndex(days->findText(QStringLiteral("2")));
    }
    pressLabel(w, QStringLiteral("lblEnter"));

    const QStringList messages = f.takeMessages();
    if (told) {
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(file), qPrintable(messages.first()));
    } else {
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n')));
    }
    const QString label = pie ? QStringLiteral("Label3(0)")
                              : file == kJournal ? QStringLiteral("Label5(0)") : QStringLiteral("Label1(0)");
    QCOMPARE(w->findChild<QLabel *>(label)->text(), shown);
    QCOMPARE(snapshot(f.dataFolder()), before);
}

PULSAR_TEST_MAIN(TestMalformedWindows)
#include "tst_malformedwindows.moc"
