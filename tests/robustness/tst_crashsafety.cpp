#include "CrashSaves.h"

#include "common/FileBatch.h"
#include "common/KeptForms.h"
#include "common/RecordFile.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "nutrition/FoodDay.h"
#include "nutrition/FoodGroups.h"
#include "nutrition/FoodList.h"
#include "nutrition/PendingFoods.h"
#include "support/TestEnvironment.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/AerobicLog.h"
#include "profile/WeightHistory.h"
#include "workouts/CalorieFactors.h"
#include "workouts/CalorieJournal.h"
#include "workouts/ExerciseLog.h"
#include "workouts/ExerciseLogName.h"
#include "workouts/WeightCatalogue.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <optional>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

// A process killed in the middle of saving (workouts, weighings, custom
// exercises, food picks, the Enter of a day's foods, deleting a logged food,
// adding a food to a list, deleting an exercise with its log, keeping the
// forms of its files for the next run)
// leaves every data file whole, and all of them together as they were before
// the interrupted save or, once the start's recovery has run, as that save
// left them: never a mixture or a cut-off file.
class TestCrashSafety : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killsDuringSavesLeaveEveryFileWhole();

private:
    // The data files of a folder with their bytes; a missing file is absent.
    using Files = QMap<QString, QByteArray>;
    static Files dataFiles(const QString &folder);
    static void restore(const QString &folder, const Files &files);
    static void checkReadsWhole(const QString &folder);
    static QStringList hiddenFiles(const QString &folder);

    struct Child
    {
        pid_t pid = -1;
        int pipe = -1; // reads what the child reports
    };
    // A child process that saves workouts on `folder` one after another
    // until it is killed. It reports "r" once it runs and "s" after every
    // save that returned, straight into a pipe, so the test knows how many
    // saves ended before the kill. Returns once the child runs.
    static Child startSaving(const QString &folder, const Settings &settings);
    static bool waitForSaves(int fd, int saves);
    static QByteArray readAll(int fd);
};

TestCrashSafety::Child TestCrashSafety::startSaving(const QString &folder, const Settings &settings)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        if (::write(fds[1], "r", 1) != 1)
            ::_exit(1);
        for (;;) {
            CrashSaves::saveNext(folder, settings);
            if (::write(fds[1], "s", 1) != 1)
                ::_exit(1);
            // As the program keeps its files' forms when it ends; the next
            // child, a new run, starts from them.
            FileBatch::keepForms(folder);
        }
    }
    ::close(fds[1]);
    char ready = 0;
    if (pid < 0 || ::read(fds[0], &ready, 1) != 1 || ready != 'r') {
        ::close(fds[0]);
        return {};
    }
    return {pid, fds[0]};
}

bool TestCrashSafety::waitForSaves(int fd, int saves)
{
    for (int i = 0; i < saves; ++i) {
        char c = 0;
        if (::read(fd, &c, 1) != 1 || c != 's')
            return false;
    }
    return true;
}

QByteArray TestCrashSafety::readAll(int fd)
{
    QByteArray out;
    char buf[256];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n <= 0)
            break;
        out.append(buf, n);
    }
    ::close(fd);
    return out;
}

TestCrashSafety::Files TestCrashSafety::dataFiles(const QString &folder)
{
    Files out;
    const QDir dir(folder);
    for (const QString &name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files))
        out.insert(name, RecordFile::readExisting(dir.filePath(name)));
    return out;
}

QStringList TestCrashSafety::hiddenFiles(const QString &folder)
{
    QStringList out;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        // The folder's lock file stays, empty, once a save has locked it;
        // the forms kept for the next run stay too.
        if (name.startsWith(u'.') && name != FileBatch::kLockFileName
            && name != QLatin1String(KeptForms::kFileName))
            out.append(name);
    }
    return out;
}

void TestCrashSafety::restore(const QString &folder, const Files &files)
{
    QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files))
        QVERIFY(dir.remove(name));
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        TestEnvironment::writeFile(folder, it.key(), it.value());
}

void TestCrashSafety::checkReadsWhole(const QString &folder)
{
    const QList<WeightExercise> weights = WeightCatalogue::read(folder);
    for (const WeightExercise &e : weights)
        ExerciseLog::parse(RecordFile::read(ExerciseLogName::path(folder, e.code, e.name)), e.name, e.setCount());
    for (const AerobicActivity &a : AerobicCatalogue::read(folder))
        AerobicLog::parse(RecordFile::read(ExerciseLogName::path(folder, a.code, a.name)), a.name,
                          AerobicLog::layoutOf(a));
    CalorieJournal::read(RecordFile::path(folder, CalorieJournal::kExerciseFileName));
    CalorieFactors::read(folder);
    const auto history = WeightHistory(folder).read();
    if (history.error)
        throw *history.error;
    CalorieJournal::read(RecordFile::path(folder, FoodDay::kJournalFileName));
    PendingFoods::parse(RecordFile::read(PendingFoods::path(folder)), PendingFoods::kFileName);
    for (const FoodGroup &g : FoodGroups::all())
        FoodList::parse(RecordFile::read(FoodList::path(folder, g)), g.listFile);
    for (const QString &name : QDir(folder).entryList({QStringLiteral("Food*.txt")}, QDir::Files)) {
        if (name != FoodDay::kJournalFileName)
            FoodDay::parse(RecordFile::read(QDir(folder).filePath(name)), name);
    }
}

void TestCrashSafety::killsDuringSavesLeaveEveryFileWhole()
{
    // In memory where the machine has it: the saves flush every file to the
    // disk, which would make each kill wait for the disk.
    const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : TestEnvironment::root();
    QTemporaryDir root(base + QStringLiteral("/pulsar-crash-XXXXXX"));
    QVERIFY(root.isValid());
    const QString folder = root.filePath(QStringLiteral("data"));
    const QString replay = root.filePath(QStringLiteral("replay"));
    QVERIFY(QDir().mkpath(folder) && QDir().mkpath(replay));
    const QString ini = root.filePath(QStringLiteral("Pulsar.ini"));
    Settings settings(ini);
    settings.set(SettingKeys::PersonalInformation, SettingKeys::Weight, QStringLiteral("160"));
    settings.sync();
    CrashSaves::prepare(folder);

    constexpr int kKills = 300;
    QRandomGenerator random(20261207);
    int finished = 0; // kills after a save's commit, before its files were replaced
    int savesDone = 0;
    int interrupted[CrashSaves::KindCount] = {}; // kills by the kind of save they stopped
    QElapsedTimer clock;
    clock.start();
    for (int kill = 0; kill < kKills; ++kill) {
        const Files start = dataFiles(folder);
        const Child child = startSaving(folder, settings);
        QVERIFY2(child.pid > 0, "the saving child could not be started");
        // A few saves in, then at a random moment: most kills land inside a
        // save, whatever the load of the machine.
        const int waited = int(random.bounded(2));
        QVERIFY(waitForSaves(child.pipe, waited));
        QThread::usleep(random.bounded(2000));
        int status = 0;
        ::kill(child.pid, SIGKILL);
        QCOMPARE(::waitpid(child.pid, &status, 0), child.pid);
        // Killed, not ended by a failed save.
        QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL, "the saving child ended by itself");
        const QByteArray out = readAll(child.pipe);
        const int completed = int(out.count('s')) + waited;
        savesDone += completed;

        // The states before and after the interrupted save, by the same
        // saves on a copy of the folder as it was when the child started.
        restore(replay, start);
        for (int i = 0; i < completed; ++i)
            CrashSaves::saveNext(replay, settings);
        const Files before = dataFiles(replay);
        const CrashSaves::Kind kind = CrashSaves::nextKind(replay);
        CrashSaves::saveNext(replay, settings);
        const Files after = dataFiles(replay);

        // A save that got to its commit is carried out, as a start of the
        // program does; any other leaves nothing behind.
        const QStringList left = hiddenFiles(folder);
        if (left.contains(FileBatch::kCommitFileName)
            && std::any_of(left.cbegin(), left.cend(), [](const QString &n) { return n.endsWith(".saving"); }))
            ++finished;
        FileBatch::recover(folder);
        QCOMPARE(hiddenFiles(folder), QStringList());

        const Files now = dataFiles(folder);
        QStringList names = before.keys() + after.keys() + now.keys();
        names.removeDuplicates();
        bool sawBefore = false, sawAfter = false;
        for (const QString &name : names) {
            const std::optional<QByteArray> got =
                now.contains(name) ? std::optional<QByteArray>(now[name]) : std::nullopt;
            const std::optional<QByteArray> b =
                before.contains(name) ? std::optional<QByteArray>(before[name]) : std::nullopt;
            const std::optional<QByteArray> a =
                after.contains(name) ? std::optional<QByteArray>(after[name]) : std::nullopt;
            QVERIFY2(got == b || got == a,
                     qPrintable(QStringLiteral("kill %1 after %2 saves: %3 is neither as before nor as after "
                                               "the interrupted save")
                                    .arg(kill)
                                    .arg(completed)
                                    .arg(name)));
            if (a != b) {
                sawBefore = sawBefore || got == b;
                sawAfter = sawAfter || got == a;
            }
        }
        ++interrupted[kind];
        // All files at the same save: the logs never hold a workout whose
        // calories the journal lacks.
        QVERIFY2(!(sawBefore && sawAfter),
                 qPrintable(QStringLiteral("kill %1 after %2 saves: some files stand before the interrupted save, "
                                           "others after it")
                                .arg(kill)
                                .arg(completed)));
        checkReadsWhole(folder);
        // The custom exercise and its log stand or go together: a log no
        // catalogue names would be taken by the next exercise of its name.
        const bool named = WeightCatalogue::containsName(WeightCatalogue::read(folder), CrashSaves::kCustomName);
        QVERIFY2(named == QFileInfo::exists(ExerciseLogName::path(folder, CrashSaves::kCustomCode,
                                                                  CrashSaves::kCustomName)),
                 qPrintable(QStringLiteral("kill %1 after %2 saves: the custom exercise and its log disagree")
                                .arg(kill)
                                .arg(completed)));
    }
    qInfo("%d kills in %lld ms, %d saves completed, %d committed saves carried out after the kill; kills "
          "stopping a weight workout, aerobic workout, weighing, custom exercise, food pick, food Enter, food "
          "deletion, added food, exercise deletion: %d, %d, %d, %d, %d, %d, %d, %d, %d",
          kKills, qlonglong(clock.elapsed()), savesDone, finished, interrupted[0], interrupted[1], interrupted[2],
          interrupted[3], interrupted[4], interrupted[5], interrupted[6], interrupted[7], interrupted[8]);
    // The kills must have hit saves of every kind, or the test shows nothing.
    QVERIFY(savesDone > kKills / 4);
    for (int done : interrupted)
        QVERIFY(done > 0);
}

PULSAR_TEST_MAIN_CORE(TestCrashSafety)
#include "tst_crashsafety.moc"
