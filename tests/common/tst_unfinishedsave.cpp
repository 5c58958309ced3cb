#include "common/FileBatch.h"
#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "support/StuckFiles.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QtTest>

#include <cstdio>

using StuckFiles::stuck;

// A save whose files cannot all be replaced or removed after its commit is
// kept, stops the saves after it, and is finished by the next start, or
// given up there when it still cannot be finished; the folder then takes
// saves again.
class TestUnfinishedSave : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { stuck = false; }
    void fileFailingAfterTheCommit_data();
    void fileFailingAfterTheCommit();

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

void TestUnfinishedSave::fileFailingAfterTheCommit_data()
{
    QTest::addColumn<bool>("stuckAtStart");
    QTest::addColumn<bool>("removed"); // Stuck.txt is removed by the save, not rewritten
    QTest::newRow("the start finishes it") << false << false;
    QTest::newRow("the start gives it up") << true << false;
    QTest::newRow("a removal the start finishes") << false << true;
    QTest::newRow("a removal the start gives up") << true << true;
}

void TestUnfinishedSave::fileFailingAfterTheCommit()
{
    QFETCH(bool, stuckAtStart);
    QFETCH(bool, removed);
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, QStringLiteral("Log.txt"), "old log");
    TestEnvironment::writeFile(folder, QStringLiteral("Stuck.txt"), "old journal");
    stuck = true;
    QString message;
    QString named;
    try {
        FileBatch batch;
        batch.write(RecordFile::path(folder, QStringLiteral("Log.txt")), "new log");
        if (removed)
            batch.remove(RecordFile::path(folder, QStringLiteral("Stuck.txt")));
        else
            batch.write(RecordFile::path(folder, QStringLiteral("Stuck.txt")), "new journal");
        batch.commit();
    } catch (const RecordFileError &e) {
        QCOMPARE(e.code(), RecordFileError::Unfinished);
        message = e.message();
        named = e.fileName();
    }
    QCOMPARE(named, RecordFile::path(folder, QStringLiteral("Stuck.txt")));
    if (!removed) // a removal's caller tells it in its own words
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
    stuck = stuckAtStart;
    const FileBatch::Recovery recovery = FileBatch::recoverFolder(folder);
    QCOMPARE(recovery.givenUp, stuckAtStart);
    QVERIFY(!recovery.kept);
    if (stuckAtStart) {
        QCOMPARE(recovery.saved, QStringList{QStringLiteral("Log.txt")});
        QCOMPARE(recovery.unsaved, QStringList{QStringLiteral("Stuck.txt")});
        QCOMPARE(recovery.why, QString::fromLocal8Bit(std::strerror(EIO)));
    }
    Files want{{QStringLiteral("Log.txt"), "new log"},
               {QStringLiteral("Stuck.txt"), stuckAtStart ? "old journal" : "new journal"}};
    if (removed && !stuckAtStart)
        want.remove(QStringLiteral("Stuck.txt"));
    QCOMPARE(files(folder), want);
    QVERIFY(!QFileInfo::exists(RecordFile::path(folder, FileBatch::kCommitFileName)));

    // The folder takes saves again.
    stuck = false;
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
