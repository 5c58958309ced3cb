#include "common/FileBatch.h"
#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>

namespace {

// While set, no file whose name holds "Stuck" can be replaced, as on a file
// system that stops renaming in the middle of a save.
std::atomic<bool> g_stuck{false};

} // namespace

// This program's rename(), in place of the C library's for every caller in
// it: the batch's renames after its commit can fail here, which nothing on a
// sound disk makes them do.
extern "C" int rename(const char *from, const char *to) noexcept
{
    using Rename = int (*)(const char *, const char *);
    static const auto real = reinterpret_cast<Rename>(::dlsym(RTLD_NEXT, "rename"));
    if (g_stuck && std::strstr(to, "Stuck")) {
        errno = EIO;
        return -1;
    }
    return real(from, to);
}

// A save whose files cannot all be replaced after its commit is kept, stops
// the saves after it, and is finished by the next start, or given up there
// when it still cannot be finished; the folder then takes saves again.
class TestUnfinishedSave : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { g_stuck = false; }
    void renameFailingAfterTheCommit_data();
    void renameFailingAfterTheCommit();

private:
    using Files = QMap<QString, QByteArray>;
    static Files files(const QString &folder);
};

TestUnfinishedSave::Files TestUnfinishedSave::files(const QString &folder)
{
    Files out;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        if (name != FileBatch::kLockFileName && name != FileBatch::kCommitFileName)
            out.insert(name, TestEnvironment::readFile(folder, name));
    }
    return out;
}

void TestUnfinishedSave::renameFailingAfterTheCommit_data()
{
    QTest::addColumn<bool>("stuckAtStart");
    QTest::newRow("the start finishes it") << false;
    QTest::newRow("the start gives it up") << true;
}

void TestUnfinishedSave::renameFailingAfterTheCommit()
{
    QFETCH(bool, stuckAtStart);
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, QStringLiteral("Log.txt"), "old log");
    TestEnvironment::writeFile(folder, QStringLiteral("Stuck.txt"), "old journal");
    g_stuck = true;
    QString message;
    try {
        FileBatch batch;
        batch.write(RecordFile::path(folder, QStringLiteral("Log.txt")), "new log");
        batch.write(RecordFile::path(folder, QStringLiteral("Stuck.txt")), "new journal");
        batch.commit();
    } catch (const RecordFileError &e) {
        QCOMPARE(e.code(), RecordFileError::Unfinished);
        message = e.message();
    }
    QCOMPARE(message, QStringLiteral("The file Stuck.txt could not be replaced yet: %1. The save is kept and is "
                                     "finished when the program starts next.")
                          .arg(QString::fromLocal8Bit(std::strerror(EIO))));
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("Log.txt")), QByteArray("new log"));

    // No save starts on top of it: it would be undone by the kept one.
    QString later;
    try {
        FileBatch batch;
        batch.write(RecordFile::path(folder, QStringLiteral("Other.txt")), "other");
        batch.commit();
    } catch (const RecordFileError &e) {
        later = e.message();
    }
    QVERIFY2(later.contains(QLatin1String("an earlier save into its folder could not be finished")), qPrintable(later));
    QVERIFY(!QFileInfo::exists(RecordFile::path(folder, QStringLiteral("Other.txt"))));

    // The next start.
    g_stuck = stuckAtStart;
    const FileBatch::Recovery recovery = FileBatch::recoverFolder(folder);
    QCOMPARE(recovery.givenUp, stuckAtStart);
    QVERIFY(!recovery.kept);
    if (stuckAtStart) {
        QCOMPARE(recovery.saved, QStringList{QStringLiteral("Log.txt")});
        QCOMPARE(recovery.unsaved, QStringList{QStringLiteral("Stuck.txt")});
        QCOMPARE(recovery.why, QString::fromLocal8Bit(std::strerror(EIO)));
    }
    QCOMPARE(files(folder), (Files{{QStringLiteral("Log.txt"), "new log"},
                                   {QStringLiteral("Stuck.txt"), stuckAtStart ? "old journal" : "new journal"}}));
    QVERIFY(!QFileInfo::exists(RecordFile::path(folder, FileBatch::kCommitFileName)));

    // The folder takes saves again.
    g_stuck = false;
    {
        FileBatch batch;
        batch.write(RecordFile::path(folder, QStringLiteral("Other.txt")), "other");
        batch.write(RecordFile::path(folder, QStringLiteral("Stuck.txt")), "newest journal");
        batch.commit();
    }
    QCOMPARE(TestEnvironment::readFile(folder, QStringLiteral("Stuck.txt")), QByteArray("newest journal"));
    QVERIFY(FileBatch::recoverFolder(folder).ok());
}

PULSAR_TEST_MAIN_CORE(TestUnfinishedSave)
#include "tst_unfinishedsave.moc"
