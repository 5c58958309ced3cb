#include "common/FileBatch.h"
#include "common/Flushes.h"
#include "common/InParts.h"
#include "common/KeptForms.h"
#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "support/FileSizeLimit.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QtTest>

#include <optional>
#include <atomic>
#include <stdexcept>
#include <thread>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// The files of one action are written all or none, and a batch stopped by
// a crash is finished, or cleared, by recover().
class TestFileBatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commitWritesEveryChangedFile();
    void failingFileLeavesEveryFileAsItWas_data();
    void failingFileLeavesEveryFileAsItWas();
    void recoverFinishesOrClears_data();
    void recoverFinishesOrClears();
    void recoverOfNoFolderIsDone();
    void folderWithoutLockIsReadAsAnyOther();
    void lockFileThatIsNoFileRefusesTheSave();
    void noteThatIsNoFileIsNamedOrGoes_data();
    void noteThatIsNoFileIsNamedOrGoes();
    void unfinishedBatchStopsTheNextUntilTheStartGivesItUp();
    void batchTriesAgainOnceTheWayIsClear();
    void batchStartsFromTheFinishedOne_data();
    void batchStartsFromTheFinishedOne();
    void noteWrittenInPlaceCommitsOnlyWhenWhole();
    void noteThatCannotBeWrittenInPlaceIsMadeAnew_data();
    void noteThatCannotBeWrittenInPlaceIsMadeAnew();
    void newFilesKeepWhatTheOldOnesWere();
    void fileMadeALinkOnceNamedIsReadThroughIt();
    void newFilesTakeTheUmaskOldOnesKeepTheirMode_data();
    void newFilesTakeTheUmaskOldOnesKeepTheirMode();
    void nameTooLongIsRefusedBeforeAnyFileIsTouched_data();
    void nameTooLongIsRefusedBeforeAnyFileIsTouched();
    void appendDropsAByteOrderMark_data();
    void appendDropsAByteOrderMark();
    void removeGoesWithTheBatch_data();
    void removeGoesWithTheBatch();
    void removalIsNeverMadeAgain();
    void removalThatCannotBeFinishedIsGivenUp_data();
    void removalThatCannotBeFinishedIsGivenUp();
    void formComesBackOnlyWithTheBytesWritten_data();
    void formComesBackOnlyWithTheBytesWritten();
    void formKeptForTheNextRun_data();
    void formKeptForTheNextRun();
    void keptFormsReadBackOnlyWhole_data();
    void keptFormsReadBackOnlyWhole();
    void digestTellsEveryChange_data();
    void digestTellsEveryChange();
    void checkLeftToTheSave_data();
    void checkLeftToTheSave();
    void checkLeftThrowing_data();
    void checkLeftThrowing();
    void startedCheckGivenUp();
    void writeErrorStaysWithItsBatch();
    void flushedFileGoesWhenALaterOneRefuses();
    void flushesAskedTogetherAnswerEachOne_data();
    void flushesAskedTogetherAnswerEachOne();
    void flushesOfThreadsThatEndHoldNothing();
    void flushFailureRefusesTheSave_data();
    void flushFailureRefusesTheSave();

private:
    using Files = QMap<QString, QByteArray>;
    // The form and the bytes a batch's make is handed for `path` ("none"
    // for no make), which it saves with a line more.
    static std::pair<QByteArray, QByteArray> nextSaveSees(const QString &path);
    // Every file of the folder, hidden ones too, but the folder's lock file
    // (empty, and there for good once a batch has saved there).
    static Files files(const QString &folder);
    // The same, less a note made but left empty, which is no note.
    static Files filesLeft(const QString &folder);
    // A commit note as a batch writes it: hidden name, file name, and so on,
    // each ended by a NUL.
    static QByteArray noteOf(const QList<QByteArray> &names);
    // The same under the heading a batch writes today: the names' length
    // and digest.
    static QByteArray headedNoteOf(const QList<QByteArray> &names);
    // A committed save of Log.txt ("new log") that cannot be finished: a
    // folder stands where the file should go.
    static void leaveUnfinishableSave(const QString &folder);
};

QByteArray TestFileBatch::noteOf(const QList<QByteArray> &names)
{
    QByteArray note;
    for (const QByteArray &name : names)
        note += name + '\0';
    return note;
}

QByteArray TestFileBatch::headedNoteOf(const QList<QByteArray> &names)
{
    const QByteArray body = noteOf(names);
    return "pulsar-commit 2 " + QByteArray::number(body.size()) + ' '
           + QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex() + QByteArray("\0\0", 2) + body;
}

void TestFileBatch::leaveUnfinishableSave(const QString &folder)
{
    TestEnvironment::writeFile(folder, QStringLiteral(".pulsar-commit"), noteOf({".pulsar-k1-0.saving", "Log.txt"}));
    TestEnvironment::writeFile(folder, QStringLiteral(".pulsar-k1-0.saving"), "new log");
    QVERIFY(QDir(folder).mkpath(QStringLiteral("Log.txt/in the way")));
}

TestFileBatch::Files TestFileBatch::filesLeft(const QString &folder)
{
    Files left = files(folder);
    if (left.value(FileBatch::kCommitFileName, "-").isEmpty())
        left.remove(FileBatch::kCommitFileName);
    return left;
}

TestFileBatch::Files TestFileBatch::files(const QString &folder)
{
    Files out;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (name != FileBatch::kLockFileName)
            out.insert(name, TestEnvironment::readFile(folder, name));
    }
    return out;
}

void TestFileBatch::commitWritesEveryChangedFile()
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, QStringLiteral("Log.txt"), "\"01-Dec-26\",5\r\n");
    TestEnvironment::writeFile(folder, QStringLiteral("Same.txt"), "same\r\n");
    auto batch = std::make_unique<FileBatch>();
    batch->transform(RecordFile::path(folder, QStringLiteral("Log.txt")),
                    [](const QByteArray &before) { return "\"02-Dec-26\",6\r\n" + before; });
    batch->transform(RecordFile::path(folder, QStringLiteral("Log.txt")),
                    [](const QByteArray &before) { return before + "\"30-Nov-26\",4\r\n"; });
    batch->append(RecordFile::path(folder, QStringLiteral("New.txt")), "\"x\"\r\n");
    batch->write(RecordFile::path(folder, QStringLiteral("Same.txt")), "same\r\n");
    // What the batch will leave is readable before the commit.
    QCOMPARE(batch->read(RecordFile::path(folder, QStringLiteral("New.txt"))), QByteArray("\"x\"\r\n"));
    batch->commit();
    batch.reset();
    const Files want{{QStringLiteral("Log.txt"), "\"02-Dec-26\",6\r\n\"01-Dec-26\",5\r\n\"30-Nov-26\",4\r\n"},
               {QStringLiteral("New.txt"), "\"x\"\r\n"},
               {QStringLiteral("Same.txt"), "same\r\n"}};
    // The note of the batch stays beside them, naming no file that is left.
    Files got = files(folder);
    QVERIFY(got.remove(FileBatch::kCommitFileName) == 1);
    QCOMPARE(got, want);
    FileBatch::recover(folder);
    QCOMPARE(files(folder), want);
}

void TestFileBatch::failingFileLeavesEveryFileAsItWas_data()
{
    QTest::addColumn<QString>("failing"); // how the second file, or the note, fails
    QTest::addColumn<QString>("named");   // the file the refusal names
    QTest::newRow("a folder in its place") << "folder" << "B.txt";
    QTest::newRow("unreadable contents") << "damaged" << "B.txt";
    QTest::newRow("no room on the disk") << "full" << "B.txt";
    QTest::newRow("no room for a file written while the others are made") << "full-large" << "B.txt";
    QTest::newRow("no room for the note") << "note" << "A.txt";
}

void TestFileBatch::failingFileLeavesEveryFileAsItWas()
{
    QFETCH(QString, failing);
    QFETCH(QString, named);
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, QStringLiteral("A.txt"), "a\r\n");
    TestEnvironment::writeFile(folder, QStringLiteral("C.txt"), "c\r\n");
    if (failing == QLatin1String("folder"))
        QVERIFY(QDir(folder).mkdir(QStringLiteral("B.txt")));
    else
        TestEnvironment::writeFile(folder, QStringLiteral("B.txt"),
                                   failing == QLatin1String("note") ? "b\r\n" : "damaged\r\n");
    const Files before = files(folder);
    auto batch = std::make_unique<FileBatch>();
    batch->write(RecordFile::path(folder, QStringLiteral("A.txt")), "new a\r\n");
    batch->transform(RecordFile::path(folder, QStringLiteral("B.txt")), [](const QByteArray &b) -> QByteArray {
        if (b.startsWith("damaged"))
            throw RecordFileError(RecordFileError::TypeMismatch, QStringLiteral("B.txt"), QStringLiteral("damaged"));
        return "new b\r\n";
    });
    batch->transform(RecordFile::path(folder, QStringLiteral("C.txt")), [](const QByteArray &) { return "new c\r\n"; });
    // A file-size limit makes the write of the large new B fail, which
    // permissions can not do for root.
    if (failing == QLatin1String("full"))
        batch->write(RecordFile::path(folder, QStringLiteral("B.txt")), QByteArray(4096, 'b'));
    if (failing == QLatin1String("full-large"))
        batch->write(RecordFile::path(folder, QStringLiteral("B.txt")), QByteArray(9 * 1024 * 1024, 'b'));
    QString message;
    {
        // The note, longer than the new files, is the one not written whole.
        std::optional<FileSizeLimit> limit;
        if (failing.startsWith(QLatin1String("full")) || failing == QLatin1String("note")) {
            limit.emplace(64);
            QVERIFY(limit->set());
        }
        try {
            batch->commit();
        } catch (const RecordFileError &e) {
            message = e.message();
        }
        batch.reset();
    }
    QVERIFY2(message.contains(named), qPrintable(message));
    QCOMPARE(filesLeft(folder), before);
    QVERIFY(FileBatch::recover(folder));
    QCOMPARE(files(folder), before);
}

void TestFileBatch::recoverFinishesOrClears_data()
{
    // The folder as a crash left it: A.txt and B.txt hold "old", each new
    // version stands under its hidden name; the note commits them or not.
    QTest::addColumn<Files>("left");
    QTest::addColumn<Files>("want");
    const QByteArray note = noteOf({".pulsar-k1-0.saving", "A.txt", ".pulsar-k1-1.saving", "B.txt"});
    QTest::newRow("committed, nothing replaced yet")
        << Files{{".pulsar-commit", note}, {".pulsar-k1-0.saving", "new a"}, {".pulsar-k1-1.saving", "new b"},
                 {"A.txt", "old"}, {"B.txt", "old"}}
        << Files{{"A.txt", "new a"}, {"B.txt", "new b"}};
    QTest::newRow("committed, one replaced")
        << Files{{".pulsar-commit", note}, {".pulsar-k1-1.saving", "new b"}, {"A.txt", "new a"}, {"B.txt", "old"}}
        << Files{{"A.txt", "new a"}, {"B.txt", "new b"}};
    QTest::newRow("never committed")
        << Files{{".pulsar-k2-note.saving", "half a no"}, {".pulsar-k2-0.saving", "new a"}, {"A.txt", "old"},
                 {"B.txt", "old"}}
        << Files{{"A.txt", "old"}, {"B.txt", "old"}};
    QTest::newRow("note of a finished batch beside a later uncommitted one")
        << Files{{".pulsar-commit", note}, {".pulsar-k2-0.saving", "newer a"}, {"A.txt", "new a"}, {"B.txt", "new b"}}
        << Files{{"A.txt", "new a"}, {"B.txt", "new b"}};
    const QByteArray oddNames =
        noteOf({".pulsar-k3-0.saving", "Bench\tPress.txt", ".pulsar-k3-1.saving", "Two\r\nLines.txt"});
    QTest::newRow("names with a tab and a line end")
        << Files{{".pulsar-commit", oddNames}, {".pulsar-k3-0.saving", "new bench"}, {".pulsar-k3-1.saving", "new two"},
                 {"Bench\tPress.txt", "old"}, {"Two\r\nLines.txt", "old"}}
        << Files{{"Bench\tPress.txt", "new bench"}, {"Two\r\nLines.txt", "new two"}};
    // A file the batch removes has no hidden name; a committed note removes
    // it once every file is replaced, an uncommitted one removes nothing.
    const QByteArray removing = noteOf({".pulsar-k4-0.saving", "A.txt", "", "Log.txt", "", "Gone.txt"});
    QTest::newRow("committed with removals, nothing done yet")
        << Files{{".pulsar-commit", removing}, {".pulsar-k4-0.saving", "new a"}, {"A.txt", "old"},
                 {"Log.txt", "log"}}
        << Files{{"A.txt", "new a"}};
    QTest::newRow("committed with removals, all done but the note")
        << Files{{".pulsar-commit", removing}, {"A.txt", "new a"}} << Files{{"A.txt", "new a"}};
    QTest::newRow("committed removals alone")
        << Files{{".pulsar-commit", noteOf({"", "Log.txt", "", "B.txt"})}, {"A.txt", "old"}, {"Log.txt", "log"},
                 {"B.txt", "old"}}
        << Files{{"A.txt", "old"}};
    QTest::newRow("never committed, with a removal")
        << Files{{".pulsar-k5-note.saving", removing}, {".pulsar-k5-0.saving", "new a"}, {"A.txt", "old"},
                 {"Log.txt", "log"}}
        << Files{{"A.txt", "old"}, {"Log.txt", "log"}};
    // A note is written over the last one in place: one a power cut left
    // cut short, or mixed with the last, commits nothing.
    const QByteArray headed = headedNoteOf({".pulsar-k6-0.saving", "A.txt", ".pulsar-k6-1.saving", "B.txt"});
    const auto headedLeft = [](const QByteArray &note) {
        return Files{{".pulsar-commit", note}, {".pulsar-k6-0.saving", "new a"}, {".pulsar-k6-1.saving", "new b"},
                     {"A.txt", "old"}, {"B.txt", "old"}};
    };
    const Files old{{"A.txt", "old"}, {"B.txt", "old"}};
    QTest::newRow("committed under a heading")
        << headedLeft(headed) << Files{{"A.txt", "new a"}, {"B.txt", "new b"}};
    QTest::newRow("heading, names cut short")
        << headedLeft(headed.chopped(4)) << old;
    QByteArray mixed = headed;
    mixed.replace("k6-1", "k1-1"); // the tail of the last note
    QTest::newRow("heading, names mixed with the last note's")
        << headedLeft(mixed) << old;
    QTest::newRow("heading cut short") << headedLeft(headed.left(20)) << old;
    QTest::newRow("note made, nothing written yet") << headedLeft("") << old;
    QTest::newRow("note made, its beginning not written")
        << headedLeft(QByteArray(24, '\0') + headed.mid(24)) << old;
    // An earlier version's note is taken only in the shape it wrote.
    QTest::newRow("earlier note naming the files of two batches")
        << (Files{{".pulsar-commit", noteOf({".pulsar-k6-0.saving", "A.txt", ".pulsar-k7-1.saving", "B.txt"})},
                  {".pulsar-k6-0.saving", "new a"}, {".pulsar-k7-1.saving", "new b"}, {"A.txt", "old"}, {"B.txt", "old"}})
        << old;
    QTest::newRow("earlier note naming a data file as a new one")
        << (Files{{".pulsar-commit", noteOf({"A.txt", "B.txt"})}, {"A.txt", "old"}, {"B.txt", "old"}}) << old;
    QTest::newRow("hidden files of the user's own")
        << Files{{".notes.saving", "mine"}, {".A.txt.saving", "mine too"}, {"A.txt", "old"}}
        << Files{{".notes.saving", "mine"}, {".A.txt.saving", "mine too"}, {"A.txt", "old"}};
}

void TestFileBatch::recoverFinishesOrClears()
{
    QFETCH(Files, left);
    QFETCH(Files, want);
    const QString folder = TestEnvironment::freshFolder();
    for (auto it = left.cbegin(); it != left.cend(); ++it)
        TestEnvironment::writeFile(folder, it.key(), it.value());
    QVERIFY(FileBatch::recover(folder));
    QCOMPARE(files(folder), want);
}

// A folder where no lock file can be made (here: none at all) is read as
// any other; writing there fails on its own.
void TestFileBatch::folderWithoutLockIsReadAsAnyOther()
{
    const QString missing = TestEnvironment::freshFolder() + QStringLiteral("/not there");
    FileBatch batch;
    QCOMPARE(batch.read(RecordFile::path(missing, QStringLiteral("Log.txt"))), QByteArray());
    batch.write(RecordFile::path(missing, QStringLiteral("Log.txt")), "new");
    QVERIFY_THROWS_EXCEPTION(RecordFileError, batch.commit());
    QVERIFY(!QFileInfo::exists(missing));
}

// Where something else stands in the lock file's place of a folder that can
// be written, a save without the lock could lose another copy's records:
// it is refused, naming the lock file, and nothing is written.
void TestFileBatch::lockFileThatIsNoFileRefusesTheSave()
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, QStringLiteral("Log.txt"), "old");
    QVERIFY(QDir(folder).mkdir(FileBatch::kLockFileName));
    const Files before = files(folder);
    FileBatch batch;
    try {
        batch.write(RecordFile::path(folder, QStringLiteral("Log.txt")), "new");
        batch.commit();
        QFAIL("saved without the folder's lock");
    } catch (const RecordFileError &e) {
        QVERIFY2(e.message().contains(FileBatch::kLockFileName), qPrintable(e.message()));
    }
    QCOMPARE(files(folder), before);
}

// No save makes anything but a file where it keeps its note: an empty
// folder there goes, at a save or at the start; anything else stops the
// saves, both naming it, without a word of an earlier save to finish.
void TestFileBatch::noteThatIsNoFileIsNamedOrGoes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("atStart");
    QTest::addColumn<bool>("locked"); // the folder's lock held by another copy at the start
    for (const bool atStart : {false, true}) {
        const char *when = atStart ? "at the start" : "at a save";
        QTest::addRow("an empty folder, %s", when) << "empty folder" << atStart << false;
        QTest::addRow("a folder holding a file, %s", when) << "folder" << atStart << false;
        QTest::addRow("a FIFO, %s", when) << "fifo" << atStart << false;
    }
    // The start waits its ten seconds for the lock first.
    QTest::addRow("a folder holding a file, at the start beside another copy") << "folder" << true << true;
}

void TestFileBatch::noteThatIsNoFileIsNamedOrGoes()
{
    QFETCH(QString, kind);
    QFETCH(bool, atStart);
    QFETCH(bool, locked);
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, QStringLiteral("Log.txt"), "old");
    const QString note = QDir(folder).filePath(FileBatch::kCommitFileName);
    if (kind == QLatin1String("fifo")) {
        QVERIFY(::mkfifo(QFile::encodeName(note).constData(), 0600) == 0);
    } else {
        QVERIFY(QDir(folder).mkdir(FileBatch::kCommitFileName));
        if (kind == QLatin1String("folder"))
            TestEnvironment::writeFile(note, QStringLiteral("Mine.txt"), "mine");
    }
    const bool goes = kind == QLatin1String("empty folder");
    if (atStart) {
        // Another copy's lock: one of its own on the lock file.
        const int other = locked ? ::open(QFile::encodeName(QDir(folder).filePath(FileBatch::kLockFileName)).constData(),
                                          O_RDWR | O_CREAT | O_CLOEXEC, 0666)
                                 : -1;
        QVERIFY(!locked || (other >= 0 && ::flock(other, LOCK_EX | LOCK_NB) == 0));
        const FileBatch::Recovery recovery = FileBatch::recoverFolder(folder);
        if (other >= 0)
            ::close(other);
        QCOMPARE(recovery.ok(), goes);
        QCOMPARE(recovery.notAFile, !goes);
        QVERIFY(!recovery.kept && !recovery.givenUp);
    }
    // Besides the folder's lock, which stays.
    const auto names = [&folder] {
        QStringList out = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        out.removeAll(FileBatch::kLockFileName);
        return out;
    };
    const QStringList before = names();
    try {
        RecordFile::write(RecordFile::path(folder, QStringLiteral("Log.txt")), "new");
        QVERIFY(goes);
        QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("Log.txt")), QByteArray("new"));
        QVERIFY(!QFileInfo::exists(note));
    } catch (const RecordFileError &e) {
        QVERIFY2(!goes, qPrintable(e.message()));
        QCOMPARE(e.message(), QStringLiteral("The file Log.txt could not be saved: something other than a file "
                                             "stands at .pulsar-commit in its folder, where every save keeps its "
                                             "note, and it must go first. Nothing was changed."));
        QCOMPARE(names(), before);
        QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("Log.txt")), QByteArray("old"));
        QVERIFY(!QFileInfo(note).isFile() && QFileInfo::exists(note));
    }
}

// The first start: the data folder is not there yet.
void TestFileBatch::recoverOfNoFolderIsDone()
{
    const QString folder = TestEnvironment::freshFolder() + QStringLiteral("/not yet");
    QVERIFY(FileBatch::recover(folder));
    QVERIFY(!QFileInfo::exists(folder));
}

// A committed batch that cannot be finished (here a folder stands where its
// file should go) stops every later batch before it reads a file: a later
// save must not be undone by the earlier one. The start tries it once more
// and gives it up, naming its files, and the folder takes saves again.
void TestFileBatch::unfinishedBatchStopsTheNextUntilTheStartGivesItUp()
{
    const QString folder = TestEnvironment::freshFolder();
    leaveUnfinishableSave(folder);
    TestEnvironment::writeFile(folder, QStringLiteral("Done.txt"), "done");
    // The note names a second file, replaced before the save stopped.
    TestEnvironment::writeFile(folder, QStringLiteral(".pulsar-commit"),
                               noteOf({".pulsar-k1-0.saving", "Log.txt", ".pulsar-k1-1.saving", "Done.txt"}));
    const Files before = files(folder);
    const QString journal = RecordFile::path(folder, QStringLiteral("Journal.txt"));
    QString message;
    try {
        FileBatch batch;
        batch.write(journal, "journal");
        batch.commit();
    } catch (const RecordFileError &e) {
        message = e.message();
    }
    QVERIFY2(message.contains(QLatin1String("could not be finished")), qPrintable(message));
    QCOMPARE(files(folder), before);

    const FileBatch::Recovery recovery = FileBatch::recoverFolder(folder);
    QVERIFY(recovery.givenUp);
    QVERIFY(!recovery.ok());
    QCOMPARE(recovery.saved, QStringList{QStringLiteral("Done.txt")});
    QCOMPARE(recovery.unsaved, QStringList{QStringLiteral("Log.txt")});
    QVERIFY2(!recovery.why.isEmpty(), "no reason given");
    QCOMPARE(files(folder), (Files{{QStringLiteral("Done.txt"), "done"}}));

    // Free again: the next save goes through, and the next start has
    // nothing to say.
    {
        FileBatch batch;
        batch.write(journal, "journal");
        batch.write(RecordFile::path(folder, QStringLiteral("Done.txt")), "done again");
        batch.commit();
    }
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("Journal.txt")), QByteArray("journal"));
    QVERIFY(FileBatch::recoverFolder(folder).ok());
}

// A batch whose first file failed to start it (an earlier save could not be
// finished) takes the folder again once the way is clear.
void TestFileBatch::batchTriesAgainOnceTheWayIsClear()
{
    const QString folder = TestEnvironment::freshFolder();
    leaveUnfinishableSave(folder);
    FileBatch batch;
    const QString journal = RecordFile::path(folder, QStringLiteral("Journal.txt"));
    QVERIFY_THROWS_EXCEPTION(RecordFileError, batch.write(journal, "journal"));
    QVERIFY(QDir(RecordFile::path(folder, QStringLiteral("Log.txt"))).removeRecursively());
    batch.write(journal, "journal");
    batch.commit();
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("Log.txt")), QByteArray("new log"));
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("Journal.txt")), QByteArray("journal"));
}

// A batch starts from the files as the committed batch before it left them,
// also when that batch is another copy's, noted over a note of this
// program's own of the very same length.
void TestFileBatch::batchStartsFromTheFinishedOne_data()
{
    QTest::addColumn<bool>("afterOwn");
    QTest::newRow("first save") << false;
    QTest::newRow("after a save of its own") << true;
}

void TestFileBatch::batchStartsFromTheFinishedOne()
{
    QFETCH(bool, afterOwn);
    const QString folder = TestEnvironment::freshFolder();
    const QString log = RecordFile::path(folder, QStringLiteral("Log.txt"));
    const QString other = RecordFile::path(folder, QStringLiteral("Other.txt"));
    QByteArray note = noteOf({".pulsar-k1-0.saving", "Log.txt"});
    if (afterOwn) {
        FileBatch batch;
        batch.write(log, "own log\r\n");
        batch.write(other, "own other\r\n");
        batch.commit();
        const QByteArray own = TestEnvironment::readFile(folder, QStringLiteral(".pulsar-commit"));
        note = headedNoteOf({".pulsar-zzzzzzzzzzzzz-0.saving", "Log.txt", ".pulsar-zzzzzzzzzzzzz-1.saving", "Other.txt"});
        QCOMPARE(note.size(), own.size());
        TestEnvironment::writeFile(folder, QStringLiteral(".pulsar-zzzzzzzzzzzzz-1.saving"), "new other\r\n");
    }
    TestEnvironment::writeFile(folder, QStringLiteral(".pulsar-commit"), note);
    const QByteArray saving = afterOwn ? ".pulsar-zzzzzzzzzzzzz-0.saving" : ".pulsar-k1-0.saving";
    TestEnvironment::writeFile(folder, QString::fromLatin1(saving), "new log\r\n");
    TestEnvironment::writeFile(folder, QStringLiteral("Log.txt"), "old log\r\n");
    {
        FileBatch batch;
        batch.append(log, "appended\r\n");
        batch.commit();
    }
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("Log.txt")), QByteArray("new log\r\nappended\r\n"));
    if (afterOwn)
        QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("Other.txt")), QByteArray("new other\r\n"));
}

// A batch writes its note over the last one in place (one of an earlier
// version is dropped first): a power cut after the commit leaves a note the
// start carries out, one that cuts the note short leaves every file as it
// was.
void TestFileBatch::noteWrittenInPlaceCommitsOnlyWhenWhole()
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, QStringLiteral("A.txt"), "old a");
    TestEnvironment::writeFile(folder, QStringLiteral("B.txt"), "old b");
    const QByteArray earlier = noteOf({".pulsar-k1-0.saving", "A.txt", ".pulsar-k1-1.saving", "B.txt",
                                       ".pulsar-k1-2.saving", "A long name to make this note the longer one.txt"});
    TestEnvironment::writeFile(folder, QStringLiteral(".pulsar-commit"), earlier);
    // The folder as a power cut after the commit of a batch that wrote
    // `contents` into A.txt and B.txt would leave it, the files not yet
    // replaced: the note the batch wrote, the files old, the new ones under
    // the hidden names the note gives.
    auto cutAfterCommit = [&](const QByteArray &note, const QByteArray &a, const QByteArray &b) {
        const QList<QByteArray> names = note.mid(note.indexOf(QByteArrayView("\0\0", 2)) + 2).split('\0');
        QCOMPARE(names.size(), 5);
        const Files before = files(folder);
        for (int i = 0; i < 4; i += 2) {
            TestEnvironment::writeFile(folder, QString::fromUtf8(names[i]), before.value(QString::fromUtf8(names[i + 1])));
            TestEnvironment::writeFile(folder, QString::fromUtf8(names[i + 1]), names[i + 1] == "A.txt" ? a : b);
        }
        TestEnvironment::writeFile(folder, QStringLiteral(".pulsar-commit"), note);
    };
    auto save = [&](const QByteArray &a, const QByteArray &b) {
        FileBatch batch;
        batch.write(RecordFile::path(folder, QStringLiteral("A.txt")), a);
        batch.write(RecordFile::path(folder, QStringLiteral("B.txt")), b);
        batch.commit();
        return TestEnvironment::readFile(folder, QStringLiteral(".pulsar-commit"));
    };

    const QByteArray first = save("new a", "new b");
    QVERIFY2(first.startsWith("pulsar-commit 2 "), first.constData());
    cutAfterCommit(first, "old a", "old b");
    QVERIFY(FileBatch::recover(folder));
    QCOMPARE(files(folder), (Files{{"A.txt", "new a"}, {"B.txt", "new b"}}));

    // A later batch's note over the last one, its second half not yet
    // written when the power went: not committed.
    save("new a", "new b");
    const QByteArray second = save("newer a", "newer b");
    QCOMPARE(second.size(), first.size());
    QVERIFY(second != first);
    cutAfterCommit(second.left(second.size() / 2) + first.mid(first.size() / 2), "new a", "new b");
    QVERIFY(FileBatch::recover(folder));
    QCOMPARE(files(folder), (Files{{"A.txt", "new a"}, {"B.txt", "new b"}}));

    // A note shorter than the last one, cut to its own length: carried out.
    {
        FileBatch batch;
        batch.write(RecordFile::path(folder, QStringLiteral("A.txt")), "long a");
        batch.write(RecordFile::path(folder, QStringLiteral("B.txt")), "long b");
        batch.write(RecordFile::path(folder, QStringLiteral("C.txt")), "c");
        batch.commit();
    }
    QVERIFY(QFile::remove(RecordFile::path(folder, QStringLiteral("C.txt"))));
    const QByteArray longer = TestEnvironment::readFile(folder, QStringLiteral(".pulsar-commit"));
    const QByteArray shorter = save("short a", "short b");
    QVERIFY(shorter.size() < longer.size());
    cutAfterCommit(shorter, "long a", "long b");
    QVERIFY(FileBatch::recover(folder));
    QCOMPARE(files(folder), (Files{{"A.txt", "short a"}, {"B.txt", "short b"}}));
}

// Something in the note's place that cannot be written over in place (a
// symbolic link, to a file elsewhere or to nothing)
// makes way for a new note: the save goes on, and nothing elsewhere is
// written.
void TestFileBatch::noteThatCannotBeWrittenInPlaceIsMadeAnew_data()
{
    QTest::addColumn<QString>("inPlace");
    QTest::newRow("a link to a file elsewhere") << "link";
    QTest::newRow("a link to nothing") << "dangling";
}

void TestFileBatch::noteThatCannotBeWrittenInPlaceIsMadeAnew()
{
    QFETCH(QString, inPlace);
    const QString folder = TestEnvironment::freshFolder();
    const QString elsewhere = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(elsewhere, QStringLiteral("Mine.txt"), "mine");
    const QByteArray note = QFile::encodeName(QDir(folder).filePath(FileBatch::kCommitFileName));
    QVERIFY(QFile::link(inPlace == QLatin1String("link") ? QDir(elsewhere).filePath(QStringLiteral("Mine.txt"))
                                                          : QDir(elsewhere).filePath(QStringLiteral("None.txt")),
                        QFile::decodeName(note)));
    {
        FileBatch batch;
        batch.write(RecordFile::path(folder, QStringLiteral("A.txt")), "new a");
        batch.write(RecordFile::path(folder, QStringLiteral("B.txt")), "new b");
        batch.commit();
    }
    const QFileInfo made(QFile::decodeName(note));
    QVERIFY(made.isFile() && !made.isSymLink());
    QVERIFY(TestEnvironment::readFile(folder, FileBatch::kCommitFileName).startsWith("pulsar-commit 2 "));
    QCOMPARE(files(elsewhere), (Files{{"Mine.txt", "mine"}}));
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("A.txt")), QByteArray("new a"));
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("B.txt")), QByteArray("new b"));
}

// The new files keep what the old ones were: their permissions, a symbolic
// link to the file elsewhere, a long name.
void TestFileBatch::newFilesKeepWhatTheOldOnesWere()
{
    const QString folder = TestEnvironment::freshFolder();
    const QString elsewhere = TestEnvironment::freshFolder(QStringLiteral("elsewhere"));
    const QString longName = QString(240, u'x') + QStringLiteral(".txt");
    TestEnvironment::writeFile(folder, QStringLiteral("Private.txt"), "old");
    QVERIFY(QFile::setPermissions(RecordFile::path(folder, QStringLiteral("Private.txt")),
                                  QFile::ReadOwner | QFile::WriteOwner));
    TestEnvironment::writeFile(elsewhere, QStringLiteral("Real.txt"), "old");
    QVERIFY(QFile::link(RecordFile::path(elsewhere, QStringLiteral("Real.txt")),
                        RecordFile::path(folder, QStringLiteral("Linked.txt"))));
    {
        FileBatch batch;
        batch.write(RecordFile::path(folder, QStringLiteral("Private.txt")), "new private");
        batch.write(RecordFile::path(folder, QStringLiteral("Linked.txt")), "new real");
        batch.write(RecordFile::path(folder, longName), "new long");
        batch.commit();
    }
    QCOMPARE(QFile::permissions(RecordFile::path(folder, QStringLiteral("Private.txt")))
                 & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
             QFile::Permissions());
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("Private.txt")), QByteArray("new private"));
    QVERIFY(QFileInfo(RecordFile::path(folder, QStringLiteral("Linked.txt"))).isSymLink());
    QCOMPARE(TestEnvironment::readFile(elsewhere, QStringLiteral("Real.txt")), QByteArray("new real"));
    QCOMPARE(TestEnvironment::readFile(folder, longName), QByteArray("new long"));
}

// A file made a symbolic link between the batch naming it and reading it is
// read through the link, as any link is, not refused.
void TestFileBatch::fileMadeALinkOnceNamedIsReadThroughIt()
{
    const QString folder = TestEnvironment::freshFolder();
    const QString elsewhere = TestEnvironment::freshFolder(QStringLiteral("elsewhere"));
    const QString log = RecordFile::path(folder, QStringLiteral("Log.txt"));
    TestEnvironment::writeFile(folder, QStringLiteral("Log.txt"), "old\r\n");
    TestEnvironment::writeFile(elsewhere, QStringLiteral("Real.txt"), "real\r\n");
    FileBatch batch;
    batch.transform(log, [](const QByteArray &before) { return before + "appended\r\n"; });
    QVERIFY(QFile::remove(log));
    QVERIFY(QFile::link(RecordFile::path(elsewhere, QStringLiteral("Real.txt")), log));
    batch.commit();
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("Log.txt")), QByteArray("real\r\nappended\r\n"));
    QCOMPARE(TestEnvironment::readFile(elsewhere, QStringLiteral("Real.txt")), QByteArray("real\r\n"));
}

void TestFileBatch::newFilesTakeTheUmaskOldOnesKeepTheirMode_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("existing"); // the old file's mode; 0: no old file
    QTest::addColumn<int>("mode");
    QTest::newRow("new file, umask 022") << 022 << 0 << 0644;
    QTest::newRow("new file, umask 077") << 077 << 0 << 0600;
    QTest::newRow("new file, umask 002") << 002 << 0 << 0664;
    QTest::newRow("private file, umask 022") << 022 << 0600 << 0600;
    QTest::newRow("shared file, umask 077") << 077 << 0664 << 0664;
}

// A new file gets what the user's umask gives, as any program's; a file
// that exists keeps its own permissions, whatever the umask. Alone in its
// save or beside another file.
void TestFileBatch::newFilesTakeTheUmaskOldOnesKeepTheirMode()
{
    QFETCH(int, mask);
    QFETCH(int, existing);
    QFETCH(int, mode);
    const QString folder = TestEnvironment::freshFolder();
    const QString file = RecordFile::path(folder, QStringLiteral("File.txt"));
    const QString other = RecordFile::path(folder, QStringLiteral("Other.txt"));
    if (existing) {
        TestEnvironment::writeFile(folder, QStringLiteral("File.txt"), "old");
        QCOMPARE(::chmod(QFile::encodeName(file).constData(), mode_t(existing)), 0);
    }
    const mode_t saved = ::umask(mode_t(mask));
    auto modeOf = [](const QString &path) {
        struct stat st;
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
    };
    RecordFile::write(file, "alone");
    const int alone = modeOf(file);
    {
        FileBatch batch;
        batch.write(file, "beside another");
        batch.write(other, "other");
        batch.commit();
    }
    ::umask(saved);
    QCOMPARE(alone, mode);
    QCOMPARE(modeOf(file), mode);
    QCOMPARE(modeOf(other), 0666 & ~mask);
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("File.txt")), QByteArray("beside another"));
}

void TestFileBatch::nameTooLongIsRefusedBeforeAnyFileIsTouched_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("fits");
    // The file system here takes names of up to 255 bytes.
    QTest::newRow("255 bytes") << QString(251, u'x') + QStringLiteral(".txt") << true;
    QTest::newRow("256 bytes") << QString(252, u'x') + QStringLiteral(".txt") << false;
    QTest::newRow("300 characters") << QString(296, u'x') + QStringLiteral(".txt") << false;
    // Counted in the bytes the name is written in, not in characters.
    QTest::newRow("130 characters, 256 bytes") << QString(126, QChar(0xE9)) + QStringLiteral(".txt") << false;
}

// A name the file system does not take is refused when the batch commits,
// before any file is written or replaced: nothing is committed that could
// not be finished, and the next save goes through.
void TestFileBatch::nameTooLongIsRefusedBeforeAnyFileIsTouched()
{
    QFETCH(QString, name);
    QFETCH(bool, fits);
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, QStringLiteral("Catalogue.txt"), "old\r\n");
    const Files before = files(folder);
    QVERIFY(RecordFile::nameFits(RecordFile::path(folder, name)) == fits);
    QString message;
    try {
        FileBatch batch;
        batch.append(RecordFile::path(folder, QStringLiteral("Catalogue.txt")), "new\r\n");
        batch.create(RecordFile::path(folder, name));
        batch.write(RecordFile::path(folder, QStringLiteral("Factors.txt")), "new\r\n");
        batch.commit();
    } catch (const RecordFileError &e) {
        QCOMPARE(e.code(), RecordFileError::WriteFailed);
        message = e.message();
    }
    if (fits) {
        QVERIFY2(message.isEmpty(), qPrintable(message));
        QVERIFY(QFileInfo::exists(RecordFile::path(folder, name)));
        return;
    }
    QCOMPARE(message, QStringLiteral("The file %1 could not be saved: its name is too long for a file name. "
                                     "Nothing was changed.")
                          .arg(name));
    QCOMPARE(files(folder), before);
    FileBatch batch;
    batch.append(RecordFile::path(folder, QStringLiteral("Catalogue.txt")), "new\r\n");
    batch.write(RecordFile::path(folder, QStringLiteral("Factors.txt")), "new\r\n");
    batch.commit();
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("Catalogue.txt")), QByteArray("old\r\nnew\r\n"));
}

// A file another program began with a UTF-8 byte-order mark is written
// back without it: the record reader skips it anyway. One followed by the
// same bytes as text stays, so that the text keeps them.
void TestFileBatch::appendDropsAByteOrderMark_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("a mark") << QByteArray("\xEF\xBB\xBF\"a\"\r\n") << QByteArray("\"a\"\r\n\"b\"\r\n");
    QTest::newRow("a mark, then its bytes as text")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF-a\",1\r\n")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF-a\",1\r\n\"b\"\r\n");
}

void TestFileBatch::appendDropsAByteOrderMark()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, QStringLiteral("List.txt"), before);
    RecordFile::append(RecordFile::path(folder, QStringLiteral("List.txt")), "\"b\"\r\n");
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("List.txt")), after);
}

std::pair<QByteArray, QByteArray> TestFileBatch::nextSaveSees(const QString &path)
{
    QByteArray seen("none");
    QByteArray seenBytes;
    FileBatch batch;
    batch.transformChecked(path, [&](const QByteArray &before, QByteArrayView was) {
        seen = was.toByteArray();
        seenBytes = before;
        return FileBatch::Checked{before + "d\r\n", QByteArray()};
    });
    batch.commit();
    return {seen, seenBytes};
}

void TestFileBatch::formComesBackOnlyWithTheBytesWritten_data()
{
    // A batch writes Log.txt ("a\r\nb\r\n") in the form "checked"; then
    // `meanwhile` happens, and the next batch's make is handed `form`.
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<QByteArray>("form");
    QTest::newRow("nothing") << QString() << QByteArray("checked");
    QTest::newRow("the same bytes written by another program") << QStringLiteral("same") << QByteArray("checked");
    QTest::newRow("one byte changed, the size kept") << QStringLiteral("byte") << QByteArray();
    QTest::newRow("a byte more") << QStringLiteral("longer") << QByteArray();
    QTest::newRow("a byte less") << QStringLiteral("shorter") << QByteArray();
    QTest::newRow("removed") << QStringLiteral("removed") << QByteArray();
    // A form goes with a save that knows none, even when the bytes come
    // back.
    QTest::newRow("plain saves of other bytes, then of the same") << QStringLiteral("plain saves") << QByteArray();
    QTest::newRow("a batch that failed after it was read") << QStringLiteral("failed") << QByteArray("checked");
}

void TestFileBatch::formComesBackOnlyWithTheBytesWritten()
{
    QFETCH(QString, meanwhile);
    QFETCH(QByteArray, form);
    const QString folder = TestEnvironment::freshFolder();
    const QString log = RecordFile::path(folder, QStringLiteral("Log.txt"));
    const QByteArray written("a\r\nb\r\n");
    {
        FileBatch batch;
        batch.transformChecked(log, [&](const QByteArray &before, QByteArrayView was) {
            // A file the program did not write comes without a form.
            if (!before.isEmpty() || !was.isEmpty())
                throw RecordFileError(RecordFileError::ReadFailed, log, QStringLiteral("unexpected"));
            return FileBatch::Checked{written, "checked"};
        });
        batch.commit();
    }
    if (meanwhile == u"same") {
        TestEnvironment::writeFile(folder, QStringLiteral("Log.txt"), written);
    } else if (meanwhile == u"byte") {
        TestEnvironment::writeFile(folder, QStringLiteral("Log.txt"), "a\r\nc\r\n");
    } else if (meanwhile == u"longer") {
        TestEnvironment::writeFile(folder, QStringLiteral("Log.txt"), written + 'c');
    } else if (meanwhile == u"shorter") {
        TestEnvironment::writeFile(folder, QStringLiteral("Log.txt"), written.chopped(1));
    } else if (meanwhile == u"removed") {
        QVERIFY(QFile::remove(log));
    } else if (meanwhile == u"plain saves") {
        RecordFile::write(log, "x\r\n");
        RecordFile::write(log, written);
    } else if (meanwhile == u"failed") {
        FileBatch batch;
        batch.transformChecked(log, [&](const QByteArray &, QByteArrayView) -> FileBatch::Checked {
            throw RecordFileError(RecordFileError::TypeMismatch, log, QStringLiteral("refused"));
        });
        QVERIFY_THROWS_EXCEPTION(RecordFileError, batch.commit());
    }
    const QByteArray there = QFile::exists(log) ? TestEnvironment::readFile(folder, QStringLiteral("Log.txt")) : QByteArray();
    const auto [seen, seenBytes] = nextSaveSees(log);
    QCOMPARE(seen, form);
    // Whatever came with it, the make was handed the file as it stood.
    QCOMPARE(seenBytes, there);
}

void TestFileBatch::formKeptForTheNextRun_data()
{
    // A run writes Log.txt ("a\r\nb\r\n") in the form "checked" and, as it
    // ends, keeps the forms (unless `kept` is false); then `meanwhile`
    // happens, and the next run's first batch's make is handed `form`.
    QTest::addColumn<bool>("kept");
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<QByteArray>("form");
    QTest::newRow("nothing") << true << QString() << QByteArray("checked");
    QTest::newRow("a run between that saved another file") << true << QStringLiteral("other run")
                                                            << QByteArray("checked");
    QTest::newRow("the run ended without keeping them") << false << QString() << QByteArray();
    QTest::newRow("one byte changed, the size kept") << true << QStringLiteral("byte") << QByteArray();
    QTest::newRow("a byte more") << true << QStringLiteral("longer") << QByteArray();
    QTest::newRow("a run between that saved it without a form") << true << QStringLiteral("plain run")
                                                                << QByteArray();
    QTest::newRow("kept forms cut short") << true << QStringLiteral("cut") << QByteArray();
    QTest::newRow("kept forms edited") << true << QStringLiteral("edited") << QByteArray();
}

// A new run of the program (FileBatch::forgetThisRun(), then
// recoverFolder() as the start runs it) takes up the forms the last one
// kept, for files that still hold what it wrote.
void TestFileBatch::formKeptForTheNextRun()
{
    QFETCH(bool, kept);
    QFETCH(QString, meanwhile);
    QFETCH(QByteArray, form);
    const QString folder = TestEnvironment::freshFolder();
    const QString log = RecordFile::path(folder, QStringLiteral("Log.txt"));
    const QString other = RecordFile::path(folder, QStringLiteral("Other.txt"));
    const QString keptFile = QDir(folder).filePath(QString::fromLatin1(KeptForms::kFileName));
    const auto newRun = [&] {
        FileBatch::forgetThisRun();
        QVERIFY(FileBatch::recover(folder));
    };
    const auto writeChecked = [&](const QString &path, const QByteArray &bytes) {
        FileBatch batch;
        batch.transformChecked(path, [&](const QByteArray &, QByteArrayView) {
            return FileBatch::Checked{bytes, "checked"};
        });
        batch.commit();
    };
    newRun();
    writeChecked(log, "a\r\nb\r\n");
    if (kept)
        FileBatch::keepForms(folder);
    if (meanwhile == u"other run" || meanwhile == u"plain run") {
        newRun();
        if (meanwhile == u"other run")
            writeChecked(other, "x\r\n");
        else
            RecordFile::write(log, "a\r\nc\r\n");
        FileBatch::keepForms(folder);
    } else if (meanwhile == u"byte") {
        TestEnvironment::writeFile(folder, QStringLiteral("Log.txt"), "a\r\nc\r\n");
    } else if (meanwhile == u"longer") {
        TestEnvironment::writeFile(folder, QStringLiteral("Log.txt"), "a\r\nb\r\nc");
    } else if (meanwhile == u"cut") {
        QFile f(keptFile);
        QVERIFY(f.resize(f.size() - 1));
    } else if (meanwhile == u"edited") {
        QByteArray bytes = TestEnvironment::readFile(folder, QString::fromLatin1(KeptForms::kFileName));
        bytes.replace("checked", "checkeD");
        TestEnvironment::writeFile(folder, QString::fromLatin1(KeptForms::kFileName), bytes);
    }
    newRun();
    const QByteArray there = TestEnvironment::readFile(folder, QStringLiteral("Log.txt"));
    const auto [seen, seenBytes] = nextSaveSees(log);
    QCOMPARE(seen, form);
    QCOMPARE(seenBytes, there);
    FileBatch::forgetThisRun();
}

void TestFileBatch::keptFormsReadBackOnlyWhole_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("whole");
    const QByteArray good = KeptForms::encode({{"B.txt", 12, 0xfedcba9876543210ULL, "b form, new at 0 5"},
                                               {"A.txt", 0, 1, "a"}});
    QTest::newRow("as written") << good << true;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("no entries") << KeptForms::encode({}) << true;
    QTest::newRow("cut short") << good.chopped(1) << false;
    QTest::newRow("a byte more") << good + 'x' << false;
    QByteArray flipped = good;
    flipped[flipped.size() - 3] = char(flipped[flipped.size() - 3] ^ 1);
    QTest::newRow("a byte of an entry changed") << flipped << false;
    QByteArray heading = good;
    heading.replace("pulsar-forms 1", "pulsar-forms 2");
    QTest::newRow("another version's heading") << heading << false;
    QTest::newRow("no line end") << good.left(good.indexOf('\n')) << false;
    // Whole, but not as encode() writes entries: each name once, in order.
    const auto whole = [](const QByteArray &body) {
        return "pulsar-forms 1 " + QByteArray::number(body.size()) + ' '
               + QByteArray::number(KeptForms::digest(body), 16).rightJustified(16, '0') + '\n' + body;
    };
    const QByteArray a = QByteArray("A.txt") + '\0' + "0 0000000000000001 a" + '\0';
    const QByteArray b = QByteArray("B.txt") + '\0' + "0 0000000000000001 b" + '\0';
    QTest::newRow("as encode() writes them, wrapped by hand") << whole(a + b) << true;
    QTest::newRow("names out of order") << whole(b + a) << false;
    QTest::newRow("one name twice") << whole(a + a) << false;
}

// The forms' file, read back whole or not at all.
void TestFileBatch::keptFormsReadBackOnlyWhole()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, whole);
    const auto entries = KeptForms::decode(bytes);
    QCOMPARE(entries.has_value(), whole);
    if (!whole)
        return;
    // Read back as written, in the order of their names.
    QCOMPARE(KeptForms::encode(*entries), bytes);
    for (qsizetype i = 1; i < entries->size(); ++i)
        QVERIFY(entries->at(i - 1).name < entries->at(i).name);
}

void TestFileBatch::digestTellsEveryChange_data()
{
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");
    QByteArray text;
    for (int i = 0; i < 100; ++i)
        text += char('a' + i % 26);
    QByteArray last = text;
    last[99] = 'z';
    QByteArray first = text;
    first[0] = 'b';
    // Two words of eight bytes swapped, each in another of the four lanes.
    QByteArray swapped = text;
    swapped.replace(0, 8, text.mid(8, 8)).replace(8, 8, text.mid(0, 8));
    QTest::newRow("its first byte") << text << first;
    QTest::newRow("its last byte") << text << last;
    QTest::newRow("two of its words swapped") << text << swapped;
    QTest::newRow("a zero byte more") << text << text + '\0';
    QTest::newRow("a zero byte more after a full word") << QByteArray(32, '\0') << QByteArray(33, '\0');
    QTest::newRow("no byte and one zero byte") << QByteArray() << QByteArray(1, '\0');
}

// A file changed in any of these ways never matches the digest of what was
// written: its first save then checks it record by record.
void TestFileBatch::digestTellsEveryChange()
{
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QCOMPARE(KeptForms::digest(a), KeptForms::digest(QByteArray(a.constData(), a.size())));
    QVERIFY(KeptForms::digest(a) != KeptForms::digest(b));
    // Every single bit, too.
    for (qsizetype i = 0; i < b.size() * 8; ++i) {
        QByteArray c = b;
        c[i / 8] = char(c[i / 8] ^ (1 << (i % 8)));
        QVERIFY2(KeptForms::digest(c) != KeptForms::digest(b), qPrintable(QString::number(i)));
    }
}

void TestFileBatch::removeGoesWithTheBatch_data()
{
    // The folder holds A.txt, B.txt and Log.txt ("old", "old", "log"); the
    // batch writes A.txt, appends to B.txt when `writes`, and removes the
    // files `removed`.
    QTest::addColumn<bool>("writes");
    QTest::addColumn<QStringList>("removed");
    QTest::addColumn<QString>("inTheWay"); // what stands in Log.txt's place instead
    QTest::addColumn<QStringList>("left"); // files left but A.txt and B.txt; the link's target stays always
    QTest::addColumn<QString>("error");    // the message, or empty
    const QStringList log{QStringLiteral("Log.txt")};
    QTest::newRow("alone") << false << log << QString() << QStringList() << QString();
    QTest::newRow("with writes") << true << log << QString() << QStringList() << QString();
    QTest::newRow("missing file alone") << false << QStringList{QStringLiteral("Gone.txt")} << QString() << log
                                        << QString();
    QTest::newRow("missing file with writes")
        << true << QStringList{QStringLiteral("Gone.txt"), QStringLiteral("Log.txt")} << QString() << QStringList()
        << QString();
    QTest::newRow("symbolic link") << true << log << QStringLiteral("link") << QStringList() << QString();
    QTest::newRow("symbolic link to nothing") << true << log << QStringLiteral("dangling") << QStringList()
                                              << QString();
    QTest::newRow("FIFO") << true << log << QStringLiteral("fifo") << QStringList() << QString();
    QTest::newRow("folder") << true << log << QStringLiteral("folder") << log
                            << QStringLiteral("The file Log.txt could not be saved: it is a folder. Nothing was "
                                              "changed.");
}

// A file staged for removal goes in the same commit as the batch's writes,
// all or none; a symbolic link goes itself, never the file it names.
void TestFileBatch::removeGoesWithTheBatch()
{
    QFETCH(bool, writes);
    QFETCH(QStringList, removed);
    QFETCH(QString, inTheWay);
    QFETCH(QStringList, left);
    QFETCH(QString, error);
    const QString folder = TestEnvironment::freshFolder();
    const QString elsewhere = TestEnvironment::freshFolder(QStringLiteral("elsewhere"));
    const QString logPath = RecordFile::path(folder, QStringLiteral("Log.txt"));
    const QString real = RecordFile::path(elsewhere, QStringLiteral("Real.txt"));
    TestEnvironment::writeFile(folder, QStringLiteral("A.txt"), "old");
    TestEnvironment::writeFile(folder, QStringLiteral("B.txt"), "old");
    TestEnvironment::writeFile(elsewhere, QStringLiteral("Real.txt"), "real");
    if (inTheWay.isEmpty())
        TestEnvironment::writeFile(folder, QStringLiteral("Log.txt"), "log");
    else if (inTheWay == QLatin1String("link"))
        QVERIFY(QFile::link(real, logPath));
    else if (inTheWay == QLatin1String("dangling"))
        QVERIFY(QFile::link(RecordFile::path(elsewhere, QStringLiteral("None.txt")), logPath));
    else if (inTheWay == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(logPath).constData(), 0644), 0);
    else
        QVERIFY(QDir(folder).mkpath(QStringLiteral("Log.txt/in the way")));
    const Files before = inTheWay == QLatin1String("fifo") ? Files() : files(folder); // a FIFO is not read

    QString message;
    try {
        FileBatch batch;
        if (writes) {
            batch.write(RecordFile::path(folder, QStringLiteral("A.txt")), "new a");
            batch.append(RecordFile::path(folder, QStringLiteral("B.txt")), "new b");
        }
        for (const QString &name : std::as_const(removed)) {
            batch.remove(RecordFile::path(folder, name));
            // As the batch will leave it.
            QCOMPARE(batch.read(RecordFile::path(folder, name)), QByteArray());
        }
        batch.commit();
    } catch (const RecordFileError &e) {
        message = e.message();
    }
    QCOMPARE(message, error);
    QCOMPARE(TestEnvironment::readFile(elsewhere, QStringLiteral("Real.txt")), QByteArray("real"));
    if (!error.isEmpty()) {
        QCOMPARE(files(folder), before);
        return;
    }
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.removeOne(FileBatch::kLockFileName);
    QStringList want = QStringList{QStringLiteral("A.txt"), QStringLiteral("B.txt")} + left;
    want.sort();
    // Nothing hidden is left: a batch that removes files drops its note.
    QCOMPARE(names, want);
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("A.txt")), QByteArray(writes ? "new a" : "old"));
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("B.txt")), QByteArray(writes ? "old\r\nnew b" : "old"));
    QVERIFY(FileBatch::recoverFolder(folder).ok());
}

// A removal is carried out once: a file made anew under its name after the
// batch, whether the batch finished or a crash stopped it after its commit,
// stays through later saves and starts.
void TestFileBatch::removalIsNeverMadeAgain()
{
    const QString folder = TestEnvironment::freshFolder();
    const QString log = RecordFile::path(folder, QStringLiteral("Log.txt"));
    TestEnvironment::writeFile(folder, QStringLiteral("A.txt"), "old");
    TestEnvironment::writeFile(folder, QStringLiteral("Log.txt"), "old log");
    {
        FileBatch batch;
        batch.write(RecordFile::path(folder, QStringLiteral("A.txt")), "new a");
        batch.remove(log);
        batch.commit();
    }
    QVERIFY(!QFileInfo::exists(log));
    RecordFile::write(log, "new log");
    QVERIFY(FileBatch::recover(folder));
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("Log.txt")), QByteArray("new log"));

    // Stopped after the removal, before the note was dropped: the next save
    // finishes the batch first.
    TestEnvironment::writeFile(folder, FileBatch::kCommitFileName,
                               noteOf({".pulsar-k1-0.saving", "A.txt", "", "Log.txt"}));
    QVERIFY(QFile::remove(log));
    RecordFile::write(log, "newer log");
    QVERIFY(FileBatch::recover(folder));
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("Log.txt")), QByteArray("newer log"));
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("A.txt")), QByteArray("new a"));

    // Removed, then written in the same batch: the new contents stand.
    {
        FileBatch batch;
        batch.remove(log);
        batch.append(log, "again\r\n");
        QCOMPARE(batch.read(log), QByteArray("again\r\n"));
        batch.commit();
    }
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("Log.txt")), QByteArray("again\r\n"));
}

void TestFileBatch::removalThatCannotBeFinishedIsGivenUp_data()
{
    // A committed batch that writes A.txt and removes Log.txt, with a
    // folder in the way of one of them.
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<QStringList>("saved");
    QTest::addColumn<QStringList>("unsaved");
    QTest::addColumn<Files>("want");
    // The removal waits for every file to be replaced: given up, it keeps
    // the log.
    QTest::newRow("a file cannot be replaced")
        << "A.txt" << QStringList() << QStringList{QStringLiteral("A.txt"), QStringLiteral("Log.txt")}
        << Files{{QStringLiteral("Log.txt"), "log"}};
    QTest::newRow("the file cannot be removed")
        << "Log.txt" << QStringList{QStringLiteral("A.txt")} << QStringList{QStringLiteral("Log.txt")}
        << Files{{QStringLiteral("A.txt"), "new a"}};
}

void TestFileBatch::removalThatCannotBeFinishedIsGivenUp()
{
    QFETCH(QString, blocked);
    QFETCH(QStringList, saved);
    QFETCH(QStringList, unsaved);
    QFETCH(Files, want);
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, FileBatch::kCommitFileName,
                               noteOf({".pulsar-k1-0.saving", "A.txt", "", "Log.txt"}));
    TestEnvironment::writeFile(folder, QStringLiteral(".pulsar-k1-0.saving"), "new a");
    for (const QString &name : {QStringLiteral("A.txt"), QStringLiteral("Log.txt")}) {
        if (name == blocked)
            QVERIFY(QDir(folder).mkpath(name + QStringLiteral("/in the way")));
        else if (name == QLatin1String("Log.txt"))
            TestEnvironment::writeFile(folder, name, "log");
    }
    // Every save waits for it.
    QVERIFY_THROWS_EXCEPTION(RecordFileError, RecordFile::write(RecordFile::path(folder, QStringLiteral("B.txt")), "b"));
    const FileBatch::Recovery recovery = FileBatch::recoverFolder(folder);
    QVERIFY(recovery.givenUp);
    QCOMPARE(recovery.saved, saved);
    QCOMPARE(recovery.unsaved, unsaved);
    QVERIFY2(!recovery.why.isEmpty(), "no reason given");
    QCOMPARE(files(folder), want);
    QVERIFY(QFileInfo(RecordFile::path(folder, blocked)).isDir());
}

void TestFileBatch::checkLeftToTheSave_data()
{
    // Log.txt holds "a\r\n"; a second file, Other.txt, is saved in the same
    // batch or not. The make of Log.txt presumes a check of the whole file
    // passes and leaves it to the save, which runs it once the new file is
    // written.
    // "passes", "fails", "refuses"; "fails, no change": it fails, and the
    // make checking at once changes nothing.
    QTest::addColumn<QString>("check");
    QTest::addColumn<bool>("makeRefuses"); // the make refuses on its presumption
    QTest::addColumn<bool>("readFirst"); // the batch reads the file before the commit
    QTest::addColumn<bool>("twoFiles");
    QTest::addColumn<bool>("damaged"); // the make refuses when it checks at once
    QTest::addColumn<bool>("presumedSame"); // the make presumes no change
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<int>("makes"); // how often the make runs
    // The file of 8 MiB, if any, written on the writer's thread.
    QTest::addColumn<QString>("large");
    // The folder is held in memory: a large file's check starts on another
    // thread while the file is made and written.
    QTest::addColumn<bool>("inMemory");
    const QByteArray presumed("a\r\npresumed\r\n");
    const QByteArray checked("a\r\nchecked\r\n");
    const QByteArray unchanged("a\r\n");
    QTest::newRow("the check passes")
        << "passes" << false << false << false << false << false << presumed << 1 << "" << false;
    QTest::newRow("the check passes, two files")
        << "passes" << false << false << true << false << false << presumed << 1 << "" << false;
    QTest::newRow("the check fails") << "fails" << false << false << false << false << false << checked << 2 << "" << false;
    QTest::newRow("the check fails, two files")
        << "fails" << false << false << true << false << false << checked << 2 << "" << false;
    QTest::newRow("the check refuses")
        << "refuses" << false << false << false << false << false << checked << 2 << "" << false;
    QTest::newRow("the make refuses on its presumption")
        << "passes" << true << false << false << false << false << checked << 2 << "" << false;
    // A damaged file: the save is refused, and every file is as it was.
    QTest::newRow("the check fails, the file damaged")
        << "fails" << false << false << false << true << false << unchanged << 2 << "" << false;
    QTest::newRow("the check fails, the file damaged, two files")
        << "fails" << false << false << true << true << false << unchanged << 2 << "" << false;
    // Presumed to change nothing, the file is checked all the same.
    QTest::newRow("no change presumed, the check fails")
        << "fails" << false << false << false << false << true << checked << 2 << "" << false;
    QTest::newRow("no change presumed, the file damaged")
        << "fails" << false << false << false << true << true << unchanged << 2 << "" << false;
    // A file large enough to be written on the writer's thread while the
    // next is made: the save waits for it before it writes it again.
    QTest::newRow("the check fails, a large file")
        << "fails" << false << false << true << false << false << checked << 2 << "Log.txt" << false;
    QTest::newRow("the check fails, a large file damaged")
        << "fails" << false << false << true << true << false << unchanged << 2 << "Log.txt" << false;
    // A large file's check runs while the file is flushed on the writer's
    // thread: flushed once, and gone when it is not kept.
    QTest::newRow("the check passes, a large file")
        << "passes" << false << false << true << false << false << presumed << 1 << "Log.txt" << false;
    QTest::newRow("the check fails, a large file alone")
        << "fails" << false << false << false << false << false << checked << 2 << "Log.txt" << false;
    QTest::newRow("the check refuses, a large file")
        << "refuses" << false << false << false << false << false << checked << 2 << "Log.txt" << false;
    QTest::newRow("the check fails, a large file needs no change")
        << "fails, no change" << false << false << true << false << false << unchanged << 2 << "Log.txt" << false;
    // The check of a smaller file fails while the writer's thread still
    // writes a larger one: the smaller one is written again meanwhile.
    QTest::newRow("the check fails while another file is written")
        << "fails" << false << false << true << false << false << checked << 2 << "Other.txt" << false;
    // Read before the commit, the contents are made checking at once: what
    // the batch gave the caller is what it writes.
    QTest::newRow("read before the commit")
        << "fails" << false << true << false << false << false << checked << 1 << "" << false;
    // The large file's check started on another thread at once.
    QTest::newRow("in memory, the check passes, a large file")
        << "passes" << false << false << true << false << false << presumed << 1 << "Log.txt" << true;
    QTest::newRow("in memory, the check fails, a large file alone")
        << "fails" << false << false << false << false << false << checked << 2 << "Log.txt" << true;
    QTest::newRow("in memory, the check refuses, a large file")
        << "refuses" << false << false << false << false << false << checked << 2 << "Log.txt" << true;
    QTest::newRow("in memory, the check fails, a large file damaged")
        << "fails" << false << false << true << true << false << unchanged << 2 << "Log.txt" << true;
}

// A make run by a save may leave its check to it (FileBatch::deferCheck()):
// the save writes what the make presumed only when the check passes, else
// what the make makes checking at once; no other file is left, and the form
// kept is the one of the bytes written.
void TestFileBatch::checkLeftToTheSave()
{
    QFETCH(QString, check);
    QFETCH(bool, makeRefuses);
    QFETCH(bool, readFirst);
    QFETCH(bool, twoFiles);
    QFETCH(bool, damaged);
    QFETCH(bool, presumedSame);
    QFETCH(QString, large);
    QFETCH(QByteArray, after);
    QFETCH(int, makes);
    QFETCH(bool, inMemory);
    const QString folder = inMemory ? TestEnvironment::freshMemoryFolder() : TestEnvironment::freshFolder();
    if (folder.isEmpty())
        QSKIP("no folder held in memory here");
    const QString log = RecordFile::path(folder, QStringLiteral("Log.txt"));
    // A long first line before "a\r\n" in a large Log.txt.
    const QByteArray head = large == u"Log.txt" ? QByteArray(8 * 1024 * 1024, 'x') + "\r\n" : QByteArray();
    // Other.txt made large by the save, so that it goes first.
    const QByteArray otherAfter = large == u"Other.txt" ? QByteArray(9 * 1024 * 1024, 'o') + "\r\n" : QByteArray("o\r\np\r\n");
    after.prepend(head);
    TestEnvironment::writeFile(folder, QStringLiteral("Log.txt"), head + "a\r\n");
    TestEnvironment::writeFile(folder, QStringLiteral("Other.txt"), "o\r\n");
    const QByteArray presumed("a\r\npresumed\r\n");
    const QByteArray unchanged("a\r\n");
    const auto commitRefused = [](FileBatch &b) {
        try {
            b.commit();
            return false;
        } catch (const RecordFileError &) {
            return true;
        }
    };
    const auto refusal = [] {
        return RecordFileError(RecordFileError::TypeMismatch, QStringLiteral("Log.txt"),
                               QStringLiteral("not as presumed"), 9);
    };
    int made = 0;
    int checks = 0;
    bool deferredWhenChecking = false;
    {
        FileBatch batch;
        batch.transformChecked(log, [&](const QByteArray &before, QByteArrayView) -> FileBatch::Checked {
            ++made;
            const bool left = FileBatch::deferCheck([&] {
                ++checks;
                deferredWhenChecking = deferredWhenChecking || FileBatch::checksDeferred();
                if (check == u"refuses")
                    throw refusal();
                return check == u"passes";
            });
            if (!left && damaged)
                throw refusal();
            if (!left)
                return {check == u"fails, no change" ? before : before + "checked\r\n", QByteArray("checked")};
            if (makeRefuses)
                throw refusal();
            return {presumedSame ? before : before + "presumed\r\n", QByteArray("presumed")};
        });
        if (twoFiles)
            batch.write(RecordFile::path(folder, QStringLiteral("Other.txt")), otherAfter);
        if (readFirst)
            QCOMPARE(batch.read(log), after);
        QCOMPARE(commitRefused(batch), damaged);
    }
    QCOMPARE(made, makes);
    QCOMPARE(checks, readFirst || makeRefuses ? 0 : 1);
    QVERIFY(!deferredWhenChecking);
    Files expected{{QStringLiteral("Log.txt"), after}};
    if (twoFiles && !damaged) {
        // A note only where both files changed.
        if (after != head + unchanged)
            expected.insert(FileBatch::kCommitFileName, files(folder).value(FileBatch::kCommitFileName));
        expected[QStringLiteral("Other.txt")] = otherAfter;
    } else {
        expected[QStringLiteral("Other.txt")] = "o\r\n";
    }
    QCOMPARE(files(folder), expected);
    QVERIFY(!FileBatch::checksDeferred());
    QVERIFY(!FileBatch::deferCheck([] { return false; }));
    if (!damaged && check != u"fails, no change")
        QCOMPARE(nextSaveSees(log).first, after == head + presumed ? QByteArray("presumed") : QByteArray("checked"));
}

void TestFileBatch::checkLeftThrowing_data()
{
    QTest::addColumn<qsizetype>("size");
    QTest::addColumn<bool>("inMemory");
    QTest::newRow("a small file") << qsizetype(3) << false;
    QTest::newRow("a large file") << qsizetype(8 * 1024 * 1024) << false;
    // Checked on another thread while it is made and written.
    QTest::newRow("a large file in memory") << qsizetype(8 * 1024 * 1024) << true;
}

// A check left to the save that fails in another way than by refusing a
// record goes on to the caller of commit(), wherever it ran, and leaves the
// folder as it was.
void TestFileBatch::checkLeftThrowing()
{
    QFETCH(qsizetype, size);
    QFETCH(bool, inMemory);
    const QString folder = inMemory ? TestEnvironment::freshMemoryFolder() : TestEnvironment::freshFolder();
    if (folder.isEmpty())
        QSKIP("no folder held in memory here");
    TestEnvironment::writeFile(folder, QStringLiteral("Log.txt"), QByteArray(size - 2, 'a') + "\r\n");
    TestEnvironment::writeFile(folder, QStringLiteral("Other.txt"), "o\r\n");
    const Files before = files(folder);
    QString error;
    try {
        FileBatch batch;
        batch.transformChecked(RecordFile::path(folder, QStringLiteral("Log.txt")),
                               [](const QByteArray &bytes, QByteArrayView) -> FileBatch::Checked {
                                   FileBatch::deferCheck([]() -> bool { throw std::runtime_error("out of room"); });
                                   return {bytes + "new\r\n", QByteArray("presumed")};
                               });
        batch.write(RecordFile::path(folder, QStringLiteral("Other.txt")), "p\r\n");
        batch.commit();
    } catch (const std::runtime_error &e) {
        error = QString::fromLatin1(e.what());
    }
    QCOMPARE(error, QStringLiteral("out of room"));
    QCOMPARE(filesLeft(folder), before);
}

// A check started at once whose make then refuses on its presumption is
// given up: the make checking at once decides, and the check left by the
// refused make never runs when no other thread has taken it up yet.
void TestFileBatch::startedCheckGivenUp()
{
    const QString folder = TestEnvironment::freshMemoryFolder();
    if (folder.isEmpty())
        QSKIP("no folder held in memory here");
    const QByteArray large = QByteArray(8 * 1024 * 1024, 'x') + "\r\n";
    TestEnvironment::writeFile(folder, QStringLiteral("Log.txt"), large);
    // The kept thread that takes up checks kept busy meanwhile, so that the
    // check waits for it.
    std::atomic<bool> release{false};
    InParts::Started busy([&] {
        while (!release)
            std::this_thread::yield();
    });
    std::atomic<int> checks{0};
    int made = 0;
    {
        FileBatch batch;
        batch.transformChecked(RecordFile::path(folder, QStringLiteral("Log.txt")),
                               [&](const QByteArray &bytes, QByteArrayView) -> FileBatch::Checked {
                                   ++made;
                                   if (FileBatch::deferCheck([&] { return ++checks > 0; }))
                                       throw RecordFileError(RecordFileError::TypeMismatch, QStringLiteral("Log.txt"),
                                                             QStringLiteral("not as presumed"), 1);
                                   return {bytes + "checked\r\n", QByteArray("checked")};
                               });
        batch.commit();
    }
    release = true;
    busy.finish();
    QCOMPARE(made, 2);
    QCOMPARE(checks.load(), 0);
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("Log.txt")), large + "checked\r\n");
}

// A batch's file that fails on the writer's thread refuses that batch, all
// of it, even when a batch committing on another thread meanwhile waits for
// that thread first; and that other batch saves as it should.
void TestFileBatch::writeErrorStaysWithItsBatch()
{
    const QString folder = TestEnvironment::freshFolder();
    const QString otherFolder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, QStringLiteral("Log.txt"), "a\r\n");
    TestEnvironment::writeFile(folder, QStringLiteral("Big.txt"), "b\r\n");
    TestEnvironment::writeFile(otherFolder, QStringLiteral("Other.txt"), "o\r\n");
    const Files before = files(folder);
    QString otherRefusal = QStringLiteral("not saved");
    QString refusal;
    {
        FileBatch batch;
        // Big.txt, the largest, goes to the writer's thread first, and its
        // write fails there; Log.txt's check, left to the save, runs the
        // other batch to its end.
        batch.write(RecordFile::path(folder, QStringLiteral("Big.txt")), QByteArray(9 * 1024 * 1024, 'b'));
        batch.transformChecked(RecordFile::path(folder, QStringLiteral("Log.txt")),
                               [&](const QByteArray &bytes, QByteArrayView) -> FileBatch::Checked {
                                   FileBatch::deferCheck([&] {
                                       std::thread([&] {
                                           try {
                                               FileBatch other;
                                               other.write(RecordFile::path(otherFolder, QStringLiteral("Other.txt")),
                                                           "o\r\np\r\n");
                                               other.commit();
                                               otherRefusal.clear();
                                           } catch (const RecordFileError &e) {
                                               otherRefusal = e.message();
                                           }
                                       }).join();
                                       return true;
                                   });
                                   return {bytes + "l\r\n", QByteArray()};
                               });
        const FileSizeLimit limit(1024 * 1024);
        QVERIFY(limit.set());
        try {
            batch.commit();
        } catch (const RecordFileError &e) {
            refusal = e.message();
        }
    }
    QVERIFY2(otherRefusal.isEmpty(), qPrintable(otherRefusal));
    QCOMPARE(TestEnvironment::readFile(otherFolder, QStringLiteral("Other.txt")), QByteArray("o\r\np\r\n"));
    QVERIFY2(refusal.contains(QLatin1String("Big.txt")), qPrintable(refusal));
    QCOMPARE(filesLeft(folder), before);
}

// A large file whose check passed, flushed while it was checked, goes with
// the batch when a file made after it refuses.
void TestFileBatch::flushedFileGoesWhenALaterOneRefuses()
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, QStringLiteral("Log.txt"), QByteArray(8 * 1024 * 1024, 'x') + "\r\na\r\n");
    TestEnvironment::writeFile(folder, QStringLiteral("Other.txt"), "o\r\n");
    const Files before = files(folder);
    int checks = 0;
    bool refused = false;
    {
        FileBatch batch;
        batch.transformChecked(RecordFile::path(folder, QStringLiteral("Log.txt")),
                               [&](const QByteArray &bytes, QByteArrayView) -> FileBatch::Checked {
                                   FileBatch::deferCheck([&] {
                                       ++checks;
                                       return true;
                                   });
                                   return {bytes + "l\r\n", QByteArray()};
                               });
        batch.transform(RecordFile::path(folder, QStringLiteral("Other.txt")), [](const QByteArray &) -> QByteArray {
            throw RecordFileError(RecordFileError::TypeMismatch, QStringLiteral("Other.txt"), QStringLiteral("damaged"));
        });
        try {
            batch.commit();
        } catch (const RecordFileError &e) {
            refused = e.message().contains(QLatin1String("Other.txt"));
        }
    }
    QCOMPARE(checks, 1);
    QVERIFY(refused);
    QCOMPARE(files(folder), before);
}

void TestFileBatch::flushesAskedTogetherAnswerEachOne_data()
{
    // What is flushed, in order: f a new file, d its folder, p a pipe (which
    // cannot be flushed), x a descriptor that is not open.
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("inChild"); // in a child made by fork() after a flush here
    QTest::newRow("one file") << "f" << false;
    QTest::newRow("files and their folder") << "ffd" << false;
    QTest::newRow("a pipe among them") << "fpfd" << false;
    QTest::newRow("a pipe first") << "pff" << false;
    QTest::newRow("a descriptor not open among them") << "fxf" << false;
    QTest::newRow("more than are asked for at once") << QString(70, u'f') + u'd' << false;
    QTest::newRow("in a child made by fork()") << "fpfd" << true;
}

// Flushes asked for together answer for each file and folder, in order,
// also those the system flushes no such way, and in a child process.
void TestFileBatch::flushesAskedTogetherAnswerEachOne()
{
    QFETCH(QString, what);
    QFETCH(bool, inChild);
    const QString folder = TestEnvironment::freshFolder();
    std::vector<int> fds;
    std::vector<int> expected;
    std::vector<int> closeAfter;
    int pipe[2] = {-1, -1};
    QVERIFY(::pipe(pipe) == 0);
    closeAfter = {pipe[0], pipe[1]};
    for (qsizetype i = 0; i < what.size(); ++i) {
        int fd = -1;
        int error = 0;
        switch (what[i].toLatin1()) {
        case 'f':
            fd = ::open(QFile::encodeName(QDir(folder).filePath(QStringLiteral("F%1.txt").arg(i))).constData(),
                        O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            QVERIFY(fd >= 0);
            QCOMPARE(::write(fd, "a\r\n", 3), ssize_t(3));
            closeAfter.push_back(fd);
            break;
        case 'd':
            fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            QVERIFY(fd >= 0);
            closeAfter.push_back(fd);
            break;
        case 'p':
            fd = pipe[0];
            error = EINVAL;
            break;
        case 'x':
            fd = 1 << 20; // above any this process holds
            error = EBADF;
            break;
        }
        fds.push_back(fd);
        expected.push_back(error);
    }
    QCOMPARE(Flushes::together(fds), expected);
    if (inChild) {
        // The parent's way of asking has none of its ground in the child.
        const pid_t pid = ::fork();
        if (pid == 0)
            ::_exit(Flushes::together(fds) == expected ? 0 : 1);
        QVERIFY(pid > 0);
        int status = 0;
        QCOMPARE(::waitpid(pid, &status, 0), pid);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
    }
    for (int fd : closeAfter)
        ::close(fd);
}

// The system's flush requests of a thread are ended with the thread: a
// program that saves from many threads in turn does not use up what the
// whole system has of them (after which every process flushes one by one).
void TestFileBatch::flushesOfThreadsThatEndHoldNothing()
{
    // Each context this process holds is one such mapping of its memory.
    const auto contexts = [] {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) ? maps.readAll().count("[aio]") : qsizetype(-1);
    };
    const qsizetype before = contexts();
    if (before < 0)
        QSKIP("the process's memory cannot be looked at here");
    const QString folder = TestEnvironment::freshFolder();
    const QByteArray name = QFile::encodeName(QDir(folder).filePath(QStringLiteral("F.txt")));
    bool allFlushed = true;
    for (int i = 0; i < 4; ++i) {
        std::thread([&] {
            const int file = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            allFlushed = allFlushed && Flushes::together({file, dir}) == std::vector<int>{0, 0};
            ::close(file);
            ::close(dir);
        }).join();
    }
    QVERIFY(allFlushed);
    QCOMPARE(contexts(), before);
}

void TestFileBatch::flushFailureRefusesTheSave_data()
{
    // Which answer of the flush of the new files and their folder fails:
    // the new files come largest first, then the folder.
    QTest::addColumn<int>("failing");
    QTest::addColumn<bool>("inMemory");
    QTest::newRow("the first file") << 0 << false;
    QTest::newRow("the second file") << 1 << false;
    QTest::newRow("the last file") << 2 << false;
    QTest::newRow("their folder") << 3 << false;
    QTest::newRow("in memory, the second file") << 1 << true;
}

// A save of several files whose flush fails for any one of them, or for
// their folder, is refused: every file as it was, no hidden file left, and
// no note that commits anything.
void TestFileBatch::flushFailureRefusesTheSave()
{
    QFETCH(int, failing);
    QFETCH(bool, inMemory);
    const QString folder = inMemory ? TestEnvironment::freshMemoryFolder() : TestEnvironment::freshFolder();
    if (folder.isEmpty())
        QSKIP("no folder held in memory here");
    TestEnvironment::writeFile(folder, QStringLiteral("A.txt"), "a\r\n");
    TestEnvironment::writeFile(folder, QStringLiteral("B.txt"), "b\r\n");
    TestEnvironment::writeFile(folder, QStringLiteral("C.txt"), "c\r\n");
    const Files before = files(folder);
    int asked = 0;
    Flushes::watchForTests([&](const std::vector<int> &fds, std::vector<int> &errors) {
        if (fds.size() == 4) { // three files and their folder
            ++asked;
            errors[size_t(failing)] = EIO;
        }
    });
    QString refusal;
    try {
        FileBatch batch;
        batch.write(RecordFile::path(folder, QStringLiteral("A.txt")), "a\r\nnew, the longest\r\n");
        batch.write(RecordFile::path(folder, QStringLiteral("B.txt")), "b\r\nnew, longer\r\n");
        batch.write(RecordFile::path(folder, QStringLiteral("C.txt")), "c\r\nnew\r\n");
        batch.commit();
    } catch (const RecordFileError &e) {
        refusal = e.message();
    }
    Flushes::watchForTests({});
    QCOMPARE(asked, 1);
    QVERIFY2(!refusal.isEmpty(), "the save was not refused");
    QCOMPARE(filesLeft(folder), before);
    // The next save goes on as ever.
    FileBatch next;
    next.write(RecordFile::path(folder, QStringLiteral("A.txt")), "a2\r\n");
    next.write(RecordFile::path(folder, QStringLiteral("B.txt")), "b2\r\n");
    next.commit();
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("A.txt")), QByteArray("a2\r\n"));
}

PULSAR_TEST_MAIN_CORE(TestFileBatch)
#include "tst_filebatch.moc"
