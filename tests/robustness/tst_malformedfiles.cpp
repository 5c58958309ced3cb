#include "common/FileBatch.h"
#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "nutrition/FoodDay.h"
#include "nutrition/FoodEntry.h"
#include "nutrition/FoodGroups.h"
#include "nutrition/FoodList.h"
#include "nutrition/PendingFoods.h"
#include "common/RecordingSurface.h"
#include "profile/WeightHistory.h"
#include "reports/DescriptionReport.h"
#include "reports/ExerciseLogReport.h"
#include "reports/FoodsReport.h"
#include "reports/TemplateReport.h"
#include "DamagedFiles.h"
#include "support/TestEnvironment.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/AerobicLog.h"
#include "workouts/AerobicWorkout.h"
#include "workouts/CalorieFactors.h"
#include "workouts/CalorieJournal.h"
#include "workouts/ExerciseLog.h"
#include "workouts/WeightCatalogue.h"
#include "workouts/WeightWorkout.h"

#include <QElapsedTimer>
#include <QtTest>

#include <sys/stat.h>

// Every data file the program reads, damaged in the ways hand editing, a
// full disk or another program damage files: the action that reads it
// either refuses with a message (naming the file when the file is at fault)
// and leaves every file byte-identical, or goes through and leaves files
// that read back whole. Nothing crashes, nothing hangs.
class TestMalformedFiles : public QObject
{
    Q_OBJECT

public:
    enum Outcome {
        FileError, // a message naming the damaged file; every file unchanged
        Refused,   // the action's own message; every file unchanged
        Saved,     // the action went through
    };
    Q_ENUM(Outcome)

private Q_SLOTS:
    void actionsOnDamagedFiles_data();
    void actionsOnDamagedFiles() { checkAction(false); }
    // The same damage done to files the program has just saved into, which
    // a save compares with what it wrote instead of checking them anew.
    void actionsOnFilesDamagedAfterASave_data() { actionsOnDamagedFiles_data(); }
    void actionsOnFilesDamagedAfterASave() { checkAction(true); }
    // The same after a save of the last run, which kept its files' forms
    // for the next one as the program ends.
    void actionsOnFilesDamagedAfterTheLastRun_data() { actionsOnDamagedFiles_data(); }
    void actionsOnFilesDamagedAfterTheLastRun() { checkAction(true, true); }
    void reportsOfDamagedFiles_data();
    void reportsOfDamagedFiles();
    void sheetReportsOfDamagedFiles_data();
    void sheetReportsOfDamagedFiles();

private:
    // Runs the action that reads `file`: the message it gives, or empty.
    static QString actOn(const QString &file, const QString &folder, const Settings &settings);
    static QString actOnFoodFile(const QString &file, const QString &folder);
    // Damages the file of the row and runs its action, after the same action
    // on the sound files when `savedFirst`.
    static void checkAction(bool savedFirst, bool newRun = false);
    static void foodRows();
    static void checkReadsWhole(const QString &folder);
};

namespace {

using namespace DamagedFiles;

const QByteArray kByteOrderMark = "\xEF\xBB\xBF";

// The food the add-food window adds to a list: 300 calories for 2 servings.
const QString kNewFood = QStringLiteral("Kefir (1 cup)");

// A file's bytes when it can be read at all (a FIFO cannot).
QByteArray bytesOf(const QString &folder, const QString &file)
{
    try {
        return RecordFile::read(RecordFile::path(folder, file));
    } catch (const RecordFileError &) {
        return QByteArray();
    }
}

// The file's sound bytes with every CR LF made a lone CR.
QByteArray loneCR(const QString &file)
{
    return QByteArray(soundFiles()[file]).replace("\r\n", "\r");
}

} // namespace

// The food files: a list as the entry window reads it and as the add-food
// window appends to it (both name a damaged list, or neither speaks); the
// day file, the pending foods and the food journal by Enter of the foods the
// sound pending file holds, as the window shows them.
QString TestMalformedFiles::actOnFoodFile(const QString &file, const QString &folder)
{
    if (const FoodGroup *group = FoodGroups::byName(QString(file).chopped(4))) {
        const QString problem = FoodList::read(folder, *group).problem;
        const QString refusal = FoodList::add(folder, group->name, kNewFood, QStringLiteral("2"),
                                              QStringLiteral("300"))
                                    .refusal;
        if (problem.isEmpty() != refusal.isEmpty())
            return QStringLiteral("the list reads, yet the add is refused, or the other way round");
        return refusal;
    }
    const QList<PendingFoodRecord> picks = PendingFoods::parse(soundFiles()[kPendingFoods], kPendingFoods);
    return FoodEntry::enter(folder, QDate(2026, 12, 6), picks).refusal;
}

QString TestMalformedFiles::actOn(const QString &file, const QString &folder, const Settings &settings)
{
    if (FoodGroups::byName(QString(file).chopped(4)) || file == kFoodDay || file == kPendingFoods
        || file == kFoodJournal)
        return actOnFoodFile(file, folder);
    const QDate date(2026, 12, 6);
    if (file == kHistory) {
        const WeightHistory history(folder);
        (void)history.read(); // what the chart reads: records up to a damaged one
        try {
            history.addFirst(date, 40, 161, 70);
        } catch (const RecordFileError &e) {
            return e.message();
        }
        return QString();
    }
    if (file == kWeightCatalogue || file == kWeightLog || file == kJournal) {
        // The catalogue's first exercise when it reads, as the window lists it.
        QString name = QStringLiteral("Barbell Curl");
        bool complete = false;
        const QList<WeightExercise> exercises =
            WeightCatalogue::parse(bytesOf(folder, kWeightCatalogue), kWeightCatalogue, &complete);
        if (!exercises.isEmpty() && exercises.first().setCount() == 2)
            name = exercises.first().name;
        const WeightWorkout::Row row{QStringLiteral("Bi"), name, {QStringLiteral("110"), QStringLiteral("115")},
                                     {QStringLiteral("10"), QStringLiteral("8")}};
        return WeightWorkout::save(folder, settings, date, {row}).refusal;
    }
    QString name = QStringLiteral("Running");
    bool complete = false;
    const QList<AerobicActivity> activities =
        AerobicCatalogue::parse(bytesOf(folder, kAerobicCatalogue), kAerobicCatalogue, &complete);
    if (!activities.isEmpty() && activities.first().code == QLatin1String("Ou"))
        name = activities.first().name;
    AerobicWorkout::Boxes boxes;
    boxes.hours = QStringLiteral("1");
    boxes.minutes = QStringLiteral("5");
    boxes.distance = QStringLiteral("6");
    boxes.terrain = QStringLiteral("Hilly ");
    return AerobicWorkout::save(folder, settings, QStringLiteral("Ou"), name, date, boxes).refusal;
}

void TestMalformedFiles::checkReadsWhole(const QString &folder)
{
    QVERIFY(!WeightHistory(folder).read().error);
    for (const WeightExercise &e : WeightCatalogue::read(folder))
        ExerciseLog::parse(RecordFile::read(RecordFile::path(folder, e.code + e.name + ".txt")), e.name, e.setCount());
    for (const AerobicActivity &a : AerobicCatalogue::read(folder))
        AerobicLog::parse(RecordFile::read(RecordFile::path(folder, a.code + a.name + ".txt")), a.name,
                          AerobicLog::layoutOf(a));
    CalorieJournal::read(RecordFile::path(folder, kJournal));
    CalorieFactors::read(folder);
    FoodDay::read(folder, QDate(2026, 12, 6));
    CalorieJournal::read(RecordFile::path(folder, kFoodJournal));
}

void TestMalformedFiles::actionsOnDamagedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<bool>("fifo"); // a FIFO in the file's place
    const QByteArray binary = binaryLine();
    const QByteArray blank("\r\n\r\n");
    auto row = [](const QString &file, const char *what, const QByteArray &bytes, Outcome outcome) {
        QTest::addRow("%s: %s", qPrintable(file), what) << file << bytes << outcome << false;
    };
    auto sound = [](const QString &file) { return soundFiles()[file]; };

    // The body-weight history, read whole before every new weighing.
    row(kHistory, "cut-off record", "\"08-Dec-26\",40,160\r\n", FileError);
    row(kHistory, "text for a number", "\"08-Dec-26\",forty,160,70\r\n", FileError);
    row(kHistory, "number too large", "\"08-Dec-26\",40,99999,70\r\n", FileError);
    row(kHistory, "date that is no date", "\"31-Feb-26\",40,160,70\r\n", Saved); // kept; the chart skips it
    row(kHistory, "double quote in the date", "08-Dec\"-26,40,160,70\r\n", FileError);
    row(kHistory, "lone CR", loneCR(kHistory), Saved);
    row(kHistory, "binary bytes", sound(kHistory) + binary, FileError);
    row(kHistory, "empty file", "", Saved);
    row(kHistory, "blank last line", sound(kHistory) + blank, Saved);

    // The weight-training catalogue: any sets text counts as a number of sets
    // (5 when it is none), so the window's two sets no longer match.
    row(kWeightCatalogue, "cut-off record", "\"Bi\",\"Barbell Curl\",\"Curl the bar\"\r\n", FileError);
    row(kWeightCatalogue, "text for the sets", "\"Bi\",\"Barbell Curl\",\"Curl\",\"two\"\r\n", FileError);
    row(kWeightCatalogue, "sets too large", "\"Bi\",\"Barbell Curl\",\"Curl\",99999\r\n", FileError);
    row(kWeightCatalogue, "lone CR", loneCR(kWeightCatalogue), Saved);
    row(kWeightCatalogue, "binary bytes", sound(kWeightCatalogue) + binary, FileError);
    row(kWeightCatalogue, "empty file", "", FileError);
    row(kWeightCatalogue, "blank last line", sound(kWeightCatalogue) + blank, Saved);

    // A weight-training log of two sets, rewritten by the save.
    row(kWeightLog, "cut-off record", "\"07-Dec-26\",100,10,105\r\n", FileError);
    row(kWeightLog, "text for a number", "\"07-Dec-26\",heavy,10,105,8\r\n", FileError);
    row(kWeightLog, "number too large", "\"07-Dec-26\",100000,10,105,8\r\n", FileError);
    row(kWeightLog, "date that is no date", "\"31-Feb-26\",100,10,105,8\r\n", Saved); // kept as entered
    row(kWeightLog, "double quote in the date", "07-Dec\"-26,100,10,105,8\r\n", FileError);
    row(kWeightLog, "lone CR", loneCR(kWeightLog), Saved);
    row(kWeightLog, "binary bytes", sound(kWeightLog) + binary, FileError);
    row(kWeightLog, "empty file", "", Saved);
    row(kWeightLog, "blank last line", sound(kWeightLog) + blank, Saved);

    // The aerobic catalogue.
    row(kAerobicCatalogue, "cut-off record", "\"Ou\",\"Running\",#TRUE#,#TRUE#\r\n", FileError);
    row(kAerobicCatalogue, "text for a flag", "\"Ou\",\"Running\",#TRUE#,yes,#TRUE#\r\n", FileError);
    row(kAerobicCatalogue, "number for a flag", "\"Ou\",\"Running\",#TRUE#,99999,#TRUE#\r\n", FileError);
    row(kAerobicCatalogue, "lone CR", loneCR(kAerobicCatalogue), Saved);
    row(kAerobicCatalogue, "binary bytes", sound(kAerobicCatalogue) + binary, FileError);
    row(kAerobicCatalogue, "empty file", "", Refused); // no such activity
    row(kAerobicCatalogue, "blank last line", sound(kAerobicCatalogue) + blank, Saved);

    // An aerobic log of time, distance and terrain, in date order.
    row(kAerobicLog, "cut-off record", "\"07-Dec-26\",30,3\r\n", FileError);
    row(kAerobicLog, "text for a number", "\"07-Dec-26\",thirty,3,\"Hilly \"\r\n", FileError);
    row(kAerobicLog, "number too large", "\"07-Dec-26\",40000,3,\"Hilly \"\r\n", FileError);
    row(kAerobicLog, "date that is no date", "\"31-Feb-26\",30,3,\"Hilly \"\r\n", FileError);
    row(kAerobicLog, "double quote in the terrain", "\"07-Dec-26\",30,3,Hill\"y\r\n", FileError);
    row(kAerobicLog, "lone CR", loneCR(kAerobicLog), Saved);
    row(kAerobicLog, "binary bytes", sound(kAerobicLog) + binary, FileError);
    row(kAerobicLog, "empty file", "", Saved);
    row(kAerobicLog, "blank last line", sound(kAerobicLog) + blank, Saved);

    // The exercise-calorie journal, rewritten by every save.
    row(kJournal, "cut-off record", "\"07-Dec-26\",40\r\n\"06-Dec-26\"", FileError);
    row(kJournal, "text for a number", "\"07-Dec-26\",lots\r\n", FileError);
    row(kJournal, "number too large", "\"07-Dec-26\",1e20\r\n", FileError);
    row(kJournal, "date that is no date", "\"31-Feb-26\",40\r\n", FileError);
    row(kJournal, "lone CR", loneCR(kJournal), Saved);
    row(kJournal, "binary bytes", sound(kJournal) + binary, FileError);
    row(kJournal, "empty file", "", Saved);
    row(kJournal, "blank last line", sound(kJournal) + blank, Saved);

    // The calorie factors.
    row(kFactors, "cut-off record", "\"Weight training\",0.05\r\n\"Running\"", FileError);
    row(kFactors, "text for a number", "\"Running\",fast\r\n", FileError);
    row(kFactors, "number too large", "\"Running\",1e300\r\n", FileError);
    row(kFactors, "lone CR", loneCR(kFactors), Saved);
    row(kFactors, "binary bytes", sound(kFactors) + binary, FileError);
    row(kFactors, "empty file", "", Saved); // no factor: no calories
    row(kFactors, "blank last line", sound(kFactors) + blank, Saved);

    // Every file: saved by another program with a UTF-8 byte-order mark,
    // which the reader skips (rewritten files lose it); a FIFO in its place,
    // refused at once without being opened for reading.
    for (const QString &file : soundFiles().keys()) {
        row(file, "byte-order mark", kByteOrderMark + sound(file), Saved);
        QTest::addRow("%s: FIFO", qPrintable(file)) << file << QByteArray() << FileError << true;
    }
    // A name whose log no file system takes, put in a catalogue by hand: the
    // workout on it is refused before any file is touched.
    const QString longName = QString(300, u'x');
    row(kWeightCatalogue, "name too long for its log",
        "\"Bi\",\"" + longName.toLatin1() + "\",\"Curl\",\"2\"\r\n" + sound(kWeightCatalogue), Refused);
    row(kAerobicCatalogue, "name too long for its log",
        "\"Ou\",\"" + longName.toLatin1() + "\",#TRUE#,#TRUE#,#TRUE#\r\n" + sound(kAerobicCatalogue), Refused);
    // Values the journal's rewrite cannot write back.
    row(kJournal, "value beyond 32 bits", "\"07-Dec-26\",2147483648\r\n", FileError);
    row(kFactors, "factor too large for the journal", "\"Weight training\",0.05\r\n\"Running\",99999999999999\r\n",
        FileError);
    foodRows();
}

void TestMalformedFiles::foodRows()
{
    const QByteArray binary = binaryLine();
    const QByteArray blank("\r\n\r\n");
    auto row = [](const QString &file, const char *what, const QByteArray &bytes, Outcome outcome) {
        QTest::addRow("%s: %s", qPrintable(file), what) << file << bytes << outcome << false;
    };
    auto sound = [](const QString &file) { return soundFiles()[file]; };

    // Every food-group list, as the entry window reads it: what was read,
    // and a message naming the file when damage cut it short.
    for (const FoodGroup &g : FoodGroups::all()) {
        const QString &list = g.listFile;
        const QByteArray good = sound(kFoodList);
        row(list, "cut-off record", "\"Dairy\",\r\n\"Skim milk (1 cup)\"", FileError);
        row(list, "text for a number", "\"Dairy\",\r\n\"Skim milk (1 cup)\",lots\r\n", FileError);
        row(list, "negative calories", "\"Skim milk (1 cup)\",-83\r\n", FileError);
        row(list, "binary bytes", good + binary, FileError);
        row(list, "empty file", "", Saved);
        row(list, "blank last line", good + blank, Saved);
        if (list != kFoodList) { // the sound files have their byte-order mark and FIFO rows above
            row(list, "byte-order mark", withBOM(good), Saved);
            QTest::addRow("%s: FIFO", qPrintable(list)) << list << QByteArray() << FileError << true;
        }
    }

    // The day's food file, read whole before Enter appends to it.
    row(kFoodDay, "cut-off record", "\"06-Dec-26\",\"Milk\",\"Skim milk (1 cup)\",\"83\"", FileError);
    row(kFoodDay, "text for a number", "\"06-Dec-26\",\"Milk\",\"Skim milk (1 cup)\",\"lots\",\"1\"\r\n", FileError);
    row(kFoodDay, "binary bytes", sound(kFoodDay) + binary, FileError);
    row(kFoodDay, "empty file", "", Saved);
    row(kFoodDay, "blank last line", sound(kFoodDay) + blank, Saved);

    // The foods picked, filed by Enter; its first line is dropped unread.
    row(kPendingFoods, "cut-off record", "\r\n#2026-12-06#,\"Grain\",\"Rye bread\",\"81\"", FileError);
    row(kPendingFoods, "text for a number", "\r\n#2026-12-06#,\"Grain\",\"Rye bread\",\"81\",\"two\"\r\n",
        FileError);
    row(kPendingFoods, "date that is no date", "\r\n#2026-02-31#,\"Grain\",\"Rye bread\",\"81\",\"2\"\r\n",
        FileError);
    row(kPendingFoods, "binary bytes", sound(kPendingFoods) + binary, FileError);
    row(kPendingFoods, "empty file", "", Refused); // not the foods the window shows
    row(kPendingFoods, "blank last line", sound(kPendingFoods) + blank, Saved);

    // The food journal, rewritten by Enter.
    row(kFoodJournal, "cut-off record", "\"07-Dec-26\",2100\r\n\"06-Dec-26\"", FileError);
    row(kFoodJournal, "text for a number", "\"07-Dec-26\",lots\r\n", FileError);
    row(kFoodJournal, "binary bytes", sound(kFoodJournal) + binary, FileError);
    row(kFoodJournal, "empty file", "", Saved);
    row(kFoodJournal, "blank last line", sound(kFoodJournal) + blank, Saved);
    row(kFoodJournal, "value beyond 32 bits", "\"07-Dec-26\",2147483648\r\n", FileError);
}

void TestMalformedFiles::checkAction(bool savedFirst, bool newRun)
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(Outcome, outcome);
    QFETCH(bool, fifo);
    const QString folder = TestEnvironment::freshFolder();
    writeSoundFiles(folder);
    Settings settings;
    settings.set(SettingKeys::PersonalInformation, SettingKeys::Weight, QStringLiteral("160"));
    if (savedFirst) {
        QCOMPARE(actOn(file, folder, settings), QString());
        // The foods to enter picked again.
        TestEnvironment::writeFile(folder, kPendingFoods, soundFiles()[kPendingFoods]);
        if (newRun) {
            FileBatch::keepForms(folder);
            FileBatch::forgetThisRun();
            QVERIFY(FileBatch::recover(folder));
        }
    }
    TestEnvironment::writeFile(folder, file, bytes);
    const QByteArray path = QFile::encodeName(RecordFile::path(folder, file));
    if (fifo)
        QVERIFY(TestEnvironment::putFifo(folder, file));
    const QMap<QString, QByteArray> before = snapshot(folder); // a FIFO is no file there

    QElapsedTimer clock;
    clock.start();
    const QString message = actOn(file, folder, settings);
    QVERIFY(clock.elapsed() < 1000);
    if (fifo) {
        QVERIFY2(message.contains(QLatin1String("is not a regular file")), qPrintable(message));
        struct stat st;
        QVERIFY(::lstat(path.constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    }

    switch (outcome) {
    case FileError:
        QVERIFY2(message.contains(file), qPrintable(message));
        QCOMPARE(snapshot(folder), before);
        break;
    case Refused:
        QVERIFY(!message.isEmpty());
        QCOMPARE(snapshot(folder), before);
        break;
    case Saved:
        QVERIFY2(message.isEmpty(), qPrintable(message));
        checkReadsWhole(folder);
        // What the action only reads stays as it was; what it rewrites
        // starts with a record.
        for (const QString &readOnly : {kWeightCatalogue, kAerobicCatalogue, kFactors})
            QCOMPARE(snapshot(folder)[readOnly], before[readOnly]);
        for (const QString &rewritten :
             {kHistory, kWeightLog, kAerobicLog, kJournal, kFoodDay, kPendingFoods, kFoodJournal}) {
            if (snapshot(folder)[rewritten] != before[rewritten])
                QVERIFY(!snapshot(folder)[rewritten].startsWith(kByteOrderMark));
        }
        // A list gains the new food at its end, and nothing else changes.
        if (const FoodGroup *group = FoodGroups::byName(QString(file).chopped(4))) {
            const FoodList::Reading list = FoodList::read(folder, *group);
            QCOMPARE(list.problem, QString());
            QVERIFY(!list.records.isEmpty());
            QCOMPARE(list.records.last().name, kNewFood);
            QCOMPARE(list.records.last().calories, 150.0);
            QMap<QString, QByteArray> now = snapshot(folder), was = before;
            QVERIFY(!now.take(file).startsWith(kByteOrderMark));
            was.remove(file);
            QCOMPARE(now, was);
        }
        break;
    }
}

void TestMalformedFiles::reportsOfDamagedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("found"); // the catalogue gives the exercise
    QTest::addColumn<int>("rows");   // entries on the first page and on paper
    QTest::addColumn<QString>("named"); // the file a message names, on the page and the printout; empty: none
    QTest::addColumn<bool>("fifo");     // a FIFO in the file's place
    const QByteArray binary = binaryLine();
    const QByteArray blank("\r\n\r\n");
    auto row = [](const QString &file, const char *what, const QByteArray &bytes, bool found, int rows, bool told) {
        QTest::addRow("%s: %s", qPrintable(file), what)
            << file << bytes << found << rows << (told ? file : QString()) << false;
    };
    // Sets that are no number from 1 to 4 count as five: the two-set log
    // then reads as damaged.
    auto fiveSets = [](const char *what, const QByteArray &bytes) {
        QTest::addRow("%s: %s", qPrintable(kWeightCatalogue), what)
            << kWeightCatalogue << bytes << true << 0 << kWeightLog << false;
    };
    // Saved by another program with a byte-order mark: read whole. A FIFO:
    // named at once, and the exercise shown by its name alone or with no
    // entries.
    for (const QString &file : {kWeightCatalogue, kAerobicCatalogue, kWeightLog, kAerobicLog}) {
        const bool catalogue = file == kWeightCatalogue || file == kAerobicCatalogue;
        row(file, "byte-order mark", kByteOrderMark + soundFiles()[file], true, 2, false);
        QTest::addRow("%s: FIFO", qPrintable(file)) << file << QByteArray() << !catalogue << 0 << file << true;
    }
    auto sound = [](const QString &file) { return soundFiles()[file]; };

    // The exercise is looked up as far as the catalogue reads.
    row(kWeightCatalogue, "cut-off record", "\"Bi\",\"Barbell Curl\",\"Curl the bar\"\r\n", false, 0, true);
    fiveSets("text for the sets", "\"Bi\",\"Barbell Curl\",\"Curl\",\"two\"\r\n");
    fiveSets("sets too large", "\"Bi\",\"Barbell Curl\",\"Curl\",99999\r\n");
    row(kWeightCatalogue, "lone CR", loneCR(kWeightCatalogue), true, 2, false);
    row(kWeightCatalogue, "binary bytes", sound(kWeightCatalogue) + binary, true, 2, false);
    row(kWeightCatalogue, "empty file", "", false, 0, false);
    row(kWeightCatalogue, "blank last line", sound(kWeightCatalogue) + blank, true, 2, false);
    row(kAerobicCatalogue, "cut-off record", "\"Ou\",\"Running\",#TRUE#,#TRUE#\r\n", false, 0, true);
    row(kAerobicCatalogue, "text for a flag", "\"Ou\",\"Running\",#TRUE#,yes,#TRUE#\r\n", false, 0, true);
    row(kAerobicCatalogue, "lone CR", loneCR(kAerobicCatalogue), true, 2, false);
    row(kAerobicCatalogue, "binary bytes", sound(kAerobicCatalogue) + binary, true, 2, false);
    row(kAerobicCatalogue, "empty file", "", false, 0, false);

    // A log shows its entries before the damage.
    row(kWeightLog, "cut-off record", "\"07-Dec-26\",100,10,105\r\n", true, 0, true);
    row(kWeightLog, "text for a number", "\"07-Dec-26\",heavy,10,105,8\r\n", true, 0, true);
    row(kWeightLog, "number too large", "\"07-Dec-26\",100000,10,105,8\r\n", true, 0, true);
    row(kWeightLog, "date that is no date", "\"31-Feb-26\",100,10,105,8\r\n", true, 1, false); // shown as stored
    row(kWeightLog, "double quote in the date", "07-Dec\"-26,100,10,105,8\r\n", true, 1, false); // as stored
    row(kWeightLog, "lone CR", loneCR(kWeightLog), true, 2, false);
    row(kWeightLog, "binary bytes", sound(kWeightLog) + binary, true, 2, true);
    row(kWeightLog, "empty file", "", true, 0, false);
    row(kWeightLog, "blank last line", sound(kWeightLog) + blank, true, 2, false);
    row(kAerobicLog, "cut-off record", "\"07-Dec-26\",30,3\r\n", true, 0, true);
    row(kAerobicLog, "number too large", "\"07-Dec-26\",40000,3,\"Hilly \"\r\n", true, 0, true);
    row(kAerobicLog, "date that is no date", "\"31-Feb-26\",30,3,\"Hilly \"\r\n", true, 0, true);
    row(kAerobicLog, "lone CR", loneCR(kAerobicLog), true, 2, false);
    row(kAerobicLog, "binary bytes", sound(kAerobicLog) + binary, true, 2, true);
    row(kAerobicLog, "empty file", "", true, 0, false);
}

// The exercise-log report of "Barbell Curl" or "Running" over a damaged
// catalogue or log: the entries read, a message naming the file when the
// damage cut the report short, every file unchanged.
void TestMalformedFiles::reportsOfDamagedFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, found);
    QFETCH(int, rows);
    QFETCH(QString, named);
    QFETCH(bool, fifo);
    const bool cardio = file == kAerobicCatalogue || file == kAerobicLog;
    const QString folder = TestEnvironment::freshFolder();
    writeSoundFiles(folder);
    TestEnvironment::writeFile(folder, file, bytes);
    const QByteArray path = QFile::encodeName(RecordFile::path(folder, file));
    if (fifo)
        QVERIFY(TestEnvironment::putFifo(folder, file));
    const QMap<QString, QByteArray> before = snapshot(folder);

    ReportInput in;
    in.dataFolder = folder;
    in.choice.options[0] = true;
    in.choice.category = cardio ? QStringLiteral("Outdoor Activites") : QStringLiteral("Biceps");
    in.choice.entries = {cardio ? QStringLiteral("Running") : QStringLiteral("Barbell Curl")};
    in.choice.selectedRows = {0};
    const ExerciseLogReport report;
    const auto lineCount = [](const ColumnPage &page) {
        RecordingSurface surface(QSizeF(20000, 1e9));
        ColumnPainter painter(surface);
        painter.run(page);
        qsizetype n = 0;
        for (const QString &line : painter.transcript().split(u'\n'))
            n += line.trimmed().isEmpty() ? 0 : 1;
        return n;
    };
    QElapsedTimer clock;
    clock.start();
    const ReportPage page = report.page(in, 1, PageWay::Opening);
    const ReportPrintout printout = report.printout(in);
    QVERIFY(clock.elapsed() < 1000);
    const qsizetype head = found ? 2 : 1; // the title and the heading, or the name alone
    QCOMPARE(lineCount(page.page), head + rows);
    QCOMPARE(lineCount(printout.pages), head + (cardio ? 2 : 3) * rows); // aerobic: row and rule
    QCOMPARE(page.message.isEmpty(), named.isEmpty());
    QCOMPARE(printout.message.isEmpty(), named.isEmpty());
    QVERIFY2(page.message.contains(named) && printout.message.contains(named), qPrintable(page.message));
    QCOMPARE(snapshot(folder), before);
    struct stat st;
    QVERIFY(::lstat(path.constData(), &st) == 0 && S_ISFIFO(st.st_mode) == fifo);
}

void TestMalformedFiles::sheetReportsOfDamagedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("fifo");
    QTest::addColumn<int>("found");  // exercises the catalogue gives, or foods read
    QTest::addColumn<bool>("named"); // a message naming the file on the page and the printout
    const QByteArray binary = binaryLine();
    const QByteArray blank("\r\n\r\n");
    auto row = [](const QString &file, const char *what, const QByteArray &bytes, int found, bool named) {
        QTest::addRow("%s: %s", qPrintable(file), what) << file << bytes << false << found << named;
    };
    auto sound = [](const QString &file) { return soundFiles()[file]; };

    // The two exercises of each catalogue, looked up as far as it reads.
    for (const QString &catalogue : {kWeightCatalogue, kAerobicCatalogue}) {
        row(catalogue, "cut-off first record", cutFirstRecord(sound(catalogue)), 0, true);
        row(catalogue, "binary bytes after the records", sound(catalogue) + binary, 2, false);
        row(catalogue, "lone CR", loneCR(catalogue), 2, false);
        row(catalogue, "empty file", "", 0, false);
        row(catalogue, "blank last line", sound(catalogue) + blank, 2, false);
        row(catalogue, "byte-order mark", kByteOrderMark + sound(catalogue), 2, false);
        QTest::addRow("%s: FIFO", qPrintable(catalogue)) << catalogue << QByteArray() << true << 0 << true;
    }
    row(kWeightCatalogue, "text for the sets", "\"Bi\",\"Barbell Curl\",\"Curl\",\"two\"\r\n", 1, false);
    row(kAerobicCatalogue, "text for a flag", "\"Ou\",\"Running\",#TRUE#,yes,#TRUE#\r\n", 0, true);

    // The day's foods: a food that cannot be read is passed over, the rest
    // are shown and counted.
    row(kFoodDay, "cut-off record", "\"06-Dec-26\",\"Milk\",\"Skim milk (1 cup)\",\"83\"", 0, true);
    row(kFoodDay, "text for a number",
        "\"06-Dec-26\",\"Milk\",\"Skim milk (1 cup)\",\"lots\",\"1\"\r\n" + sound(kFoodDay), 2, true);
    row(kFoodDay, "number too large",
        "\"06-Dec-26\",\"Milk\",\"Cream\",\"1e300\",\"1e300\"\r\n" + sound(kFoodDay), 2, true);
    // An unquoted text keeps its characters, a double quote among them.
    row(kFoodDay, "double quote in the food", "\"06-Dec-26\",\"Milk\",Sk\"im,\"83\",\"1\"\r\n" + sound(kFoodDay), 3, false);
    row(kFoodDay, "binary bytes", sound(kFoodDay) + binary, 2, true);
    row(kFoodDay, "lone CR", loneCR(kFoodDay), 2, false);
    row(kFoodDay, "empty file", "", 0, false);
    row(kFoodDay, "blank last line", sound(kFoodDay) + blank, 2, false);
    row(kFoodDay, "byte-order mark", kByteOrderMark + sound(kFoodDay), 2, false);
    QTest::addRow("%s: FIFO", qPrintable(kFoodDay)) << kFoodDay << QByteArray() << true << 0 << true;
}

// The template and description reports over a damaged catalogue, the foods
// report over a damaged day file: what can be read, a message naming the
// file where something could not, every file unchanged; a day without a
// food to show prints nothing.
void TestMalformedFiles::sheetReportsOfDamagedFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, fifo);
    QFETCH(int, found);
    QFETCH(bool, named);
    const QString folder = TestEnvironment::freshFolder();
    writeSoundFiles(folder);
    TestEnvironment::writeFile(folder, file, bytes);
    if (fifo)
        QVERIFY(TestEnvironment::putFifo(folder, file));
    const QMap<QString, QByteArray> before = snapshot(folder);

    ReportInput in;
    in.dataFolder = folder;
    in.today = QDate(2026, 12, 6);
    in.choice.day = in.today;
    struct Shown
    {
        ReportPage page;
        ReportPrintout printout;
        int count; // exercises with their catalogue record, or foods
    };
    QList<Shown> shown;
    const auto count = [](const ColumnPage &page, const auto &counts) {
        int n = 0;
        for (const ColumnPage::Op &op : page.ops())
            n += op.kind == ColumnPage::Op::Text && counts(op) ? 1 : 0;
        return n;
    };
    const auto heading = [](const ColumnPage::Op &op) { return op.text == QLatin1String("Exercise"); };
    QElapsedTimer clock;
    clock.start();
    if (file == kFoodDay) {
        in.choice.options[2] = true;
        const FoodsReport report;
        const ReportPrintout printout = report.printout(in);
        const auto food = [](const ColumnPage::Op &op) { return op.column == 38; }; // a row's category
        const ReportPage page = report.page(in, 1, PageWay::Opening);
        shown.append({page, printout, count(page.page, food)});
        QCOMPARE(printout.print, found > 0);
        if (found > 0)
            QCOMPARE(count(printout.pages, [](const ColumnPage::Op &op) { return op.column == 7; }), found);
    } else if (file == kAerobicCatalogue) {
        in.choice.options[1] = true;
        in.choice.category = QStringLiteral("Cardio");
        in.choice.entries = {QStringLiteral("Running"), QStringLiteral("Squash ")};
        in.choice.selectedRows = {0, 1};
        const TemplateReport report;
        const ReportPage page = report.page(in, 1, PageWay::Opening);
        shown.append({page, report.printout(in), count(page.page, heading)});
    } else {
        in.choice.entries = {QStringLiteral("Barbell Curl"), QStringLiteral("Dip")};
        in.choice.selectedRows = {0, 1};
        in.choice.options[1] = true;
        in.choice.category = QStringLiteral("Weightlifting");
        const TemplateReport sheet;
        ReportPage page = sheet.page(in, 1, PageWay::Opening);
        shown.append({page, sheet.printout(in), count(page.page, heading)});
        in.choice.options[1] = false;
        in.choice.options[3] = true;
        const DescriptionReport descriptions;
        ReportPrintout printout = descriptions.printout(in);
        // The group names of the exercises found.
        shown.append({descriptions.page(in, 1, PageWay::Opening), printout,
                      count(printout.pages, [](const ColumnPage::Op &op) { return op.column == 3; })});
    }
    QVERIFY(clock.elapsed() < 1000);
    for (const Shown &s : shown) {
        QCOMPARE(s.count, found);
        QVERIFY2(s.page.message.contains(file) == named, qPrintable(s.page.message));
        QVERIFY2(s.printout.message.contains(file) == named, qPrintable(s.printout.message));
    }
    QCOMPARE(snapshot(folder), before);
}

PULSAR_TEST_MAIN_CORE(TestMalformedFiles)
#include "tst_malformedfiles.moc"
