#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"
#include "common/RecordingSurface.h"
#include "profile/WeightHistory.h"
#include "reports/ExerciseLogReport.h"
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

#include <QtTest>

// Every data file the program reads, damaged in the ways hand editing, a
// full disk or another program damage files: the action that reads it
// either refuses with a message (naming the file when the file is at fault)
// and leaves every file byte-identical, or goes through and leaves files
// that read back whole. Nothing crashes.
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
    void actionsOnDamagedFiles();
    void reportsOfDamagedFiles_data();
    void reportsOfDamagedFiles();

private:
    // Runs the action that reads `file`: the message it gives, or empty.
    static QString actOn(const QString &file, const QString &folder, const Settings &settings);
    static void checkReadsWhole(const QString &folder);
};

namespace {

using namespace DamagedFiles;

// The file's sound bytes with every CR LF made a lone CR.
QByteArray loneCR(const QString &file)
{
    return QByteArray(soundFiles()[file]).replace("\r\n", "\r");
}

} // namespace

QString TestMalformedFiles::actOn(const QString &file, const QString &folder, const Settings &settings)
{
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
        const WeightWorkout::Row row{QStringLiteral("Bi"), QStringLiteral("Barbell Curl"),
                                     {QStringLiteral("110"), QStringLiteral("115")},
                                     {QStringLiteral("10"), QStringLiteral("8")}};
        return WeightWorkout::save(folder, settings, date, {row}).refusal;
    }
    AerobicWorkout::Boxes boxes;
    boxes.hours = QStringLiteral("1");
    boxes.minutes = QStringLiteral("5");
    boxes.distance = QStringLiteral("6");
    boxes.terrain = QStringLiteral("Hilly ");
    return AerobicWorkout::save(folder, settings, QStringLiteral("Ou"), QStringLiteral("Running"), date, boxes).refusal;
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
}

void TestMalformedFiles::actionsOnDamagedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Outcome>("outcome");
    const QByteArray binary = binaryLine();
    const QByteArray blank("\r\n\r\n");
    auto row = [](const QString &file, const char *what, const QByteArray &bytes, Outcome outcome) {
        QTest::addRow("%s: %s", qPrintable(file), what) << file << bytes << outcome;
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
}

void TestMalformedFiles::actionsOnDamagedFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(Outcome, outcome);
    const QString folder = TestEnvironment::freshFolder();
    writeSoundFiles(folder);
    TestEnvironment::writeFile(folder, file, bytes);
    Settings settings;
    settings.set(SettingKeys::PersonalInformation, SettingKeys::Weight, QStringLiteral("160"));
    const QMap<QString, QByteArray> before = snapshot(folder);

    const QString message = actOn(file, folder, settings);

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
        // What the action only reads stays as it was.
        for (const QString &readOnly : {kWeightCatalogue, kAerobicCatalogue, kFactors})
            QCOMPARE(snapshot(folder)[readOnly], before[readOnly]);
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
    const QByteArray binary = binaryLine();
    const QByteArray blank("\r\n\r\n");
    auto row = [](const QString &file, const char *what, const QByteArray &bytes, bool found, int rows, bool told) {
        QTest::addRow("%s: %s", qPrintable(file), what) << file << bytes << found << rows << (told ? file : QString());
    };
    // Sets that are no number from 1 to 4 count as five: the two-set log
    // then reads as damaged.
    auto fiveSets = [](const char *what, const QByteArray &bytes) {
        QTest::addRow("%s: %s", qPrintable(kWeightCatalogue), what)
            << kWeightCatalogue << bytes << true << 0 << kWeightLog;
    };
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
    const bool cardio = file == kAerobicCatalogue || file == kAerobicLog;
    const QString folder = TestEnvironment::freshFolder();
    writeSoundFiles(folder);
    TestEnvironment::writeFile(folder, file, bytes);
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
    const ReportPage page = report.page(in, 1, PageWay::Opening);
    const ReportPrintout printout = report.printout(in);
    const qsizetype head = found ? 2 : 1; // the title and the heading, or the name alone
    QCOMPARE(lineCount(page.page), head + rows);
    QCOMPARE(lineCount(printout.pages), head + (cardio ? 2 : 3) * rows); // aerobic: row and rule
    QCOMPARE(page.message.isEmpty(), named.isEmpty());
    QCOMPARE(printout.message.isEmpty(), named.isEmpty());
    QVERIFY2(page.message.contains(named) && printout.message.contains(named), qPrintable(page.message));
    QCOMPARE(snapshot(folder), before);
}

PULSAR_TEST_MAIN_CORE(TestMalformedFiles)
#include "tst_malformedfiles.moc"
