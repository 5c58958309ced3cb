#include "common/FileBatch.h"
#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

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

private:
    using Files = QMap<QString, QByteArray>;
    // Every file of the folder, hidden ones too.
    static Files files(const QString &folder);
};

TestFileBatch::Files TestFileBatch::files(const QString &folder)
{
    Files out;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        out.insert(name, TestEnvironment::readFile(folder, name));
    return out;
}

void TestFileBatch::commitWritesEveryChangedFile()
{
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, QStringLiteral("Log.txt"), "\"01-Dec-26\",5\r\n");
    TestEnvironment::writeFile(folder, QStringLiteral("Same.txt"), "same\r\n");
    FileBatch batch;
    batch.transform(RecordFile::path(folder, QStringLiteral("Log.txt")),
                    [](const QByteArray &before) { return "\"02-Dec-26\",6\r\n" + before; });
    batch.transform(RecordFile::path(folder, QStringLiteral("Log.txt")),
                    [](const QByteArray &before) { return before + "\"30-Nov-26\",4\r\n"; });
    batch.append(RecordFile::path(folder, QStringLiteral("New.txt")), "\"x\"\r\n");
    batch.write(RecordFile::path(folder, QStringLiteral("Same.txt")), "same\r\n");
    // What the batch will leave is readable before the commit.
    QCOMPARE(batch.read(RecordFile::path(folder, QStringLiteral("New.txt"))), QByteArray("\"x\"\r\n"));
    batch.commit();
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
    QTest::addColumn<QString>("failing"); // how the second file fails
    QTest::newRow("a folder in its place") << "folder";
    QTest::newRow("unreadable contents") << "damaged";
    QTest::newRow("no room on the disk") << "full";
}

void TestFileBatch::failingFileLeavesEveryFileAsItWas()
{
    QFETCH(QString, failing);
    const QString folder = TestEnvironment::freshFolder();
    TestEnvironment::writeFile(folder, QStringLiteral("A.txt"), "a\r\n");
    TestEnvironment::writeFile(folder, QStringLiteral("C.txt"), "c\r\n");
    if (failing == QLatin1String("folder"))
        QVERIFY(QDir(folder).mkdir(QStringLiteral("B.txt")));
    else
        TestEnvironment::writeFile(folder, QStringLiteral("B.txt"), "damaged\r\n");
    const Files before = files(folder);
    FileBatch batch;
    batch.write(RecordFile::path(folder, QStringLiteral("A.txt")), "new a\r\n");
    batch.transform(RecordFile::path(folder, QStringLiteral("B.txt")), [](const QByteArray &b) -> QByteArray {
        if (b.startsWith("damaged"))
            throw RecordFileError(RecordFileError::TypeMismatch, QStringLiteral("B.txt"), QStringLiteral("damaged"));
        return "new b\r\n";
    });
    batch.transform(RecordFile::path(folder, QStringLiteral("C.txt")), [](const QByteArray &) { return "new c\r\n"; });
    // A file-size limit makes the write of the large new B fail, which
    // permissions can not do for root.
    if (failing == QLatin1String("full"))
        batch.write(RecordFile::path(folder, QStringLiteral("B.txt")), QByteArray(4096, 'b'));
    struct rlimit saved;
    QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    if (failing == QLatin1String("full")) {
        struct rlimit small = saved;
        small.rlim_cur = 64;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    }
    QString message;
    try {
        batch.commit();
    } catch (const RecordFileError &e) {
        message = e.message();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    QVERIFY2(message.contains(QLatin1String("B.txt")), qPrintable(message));
    QCOMPARE(files(folder), before);
}

void TestFileBatch::recoverFinishesOrClears_data()
{
    // The folder as a crash left it: A.txt and B.txt hold "old", each new
    // version stands under its hidden name; the note commits them or not.
    QTest::addColumn<Files>("left");
    QTest::addColumn<Files>("want");
    const QByteArray note = ".A.txt.k1.saving\tA.txt\n.B.txt.k1.saving\tB.txt\n";
    QTest::newRow("committed, nothing replaced yet")
        << Files{{".pulsar-commit", note}, {".A.txt.k1.saving", "new a"}, {".B.txt.k1.saving", "new b"},
                 {"A.txt", "old"}, {"B.txt", "old"}}
        << Files{{"A.txt", "new a"}, {"B.txt", "new b"}};
    QTest::newRow("committed, one replaced")
        << Files{{".pulsar-commit", note}, {".B.txt.k1.saving", "new b"}, {"A.txt", "new a"}, {"B.txt", "old"}}
        << Files{{"A.txt", "new a"}, {"B.txt", "new b"}};
    QTest::newRow("never committed")
        << Files{{".pulsar-commit.k2.saving", "half a no"}, {".A.txt.k2.saving", "new a"}, {"A.txt", "old"},
                 {"B.txt", "old"}}
        << Files{{"A.txt", "old"}, {"B.txt", "old"}};
    QTest::newRow("note of a finished batch beside a later uncommitted one")
        << Files{{".pulsar-commit", note}, {".A.txt.k2.saving", "newer a"}, {"A.txt", "new a"}, {"B.txt", "new b"}}
        << Files{{"A.txt", "new a"}, {"B.txt", "new b"}};
}

void TestFileBatch::recoverFinishesOrClears()
{
    QFETCH(Files, left);
    QFETCH(Files, want);
    const QString folder = TestEnvironment::freshFolder();
    for (auto it = left.cbegin(); it != left.cend(); ++it)
        TestEnvironment::writeFile(folder, it.key(), it.value());
    FileBatch::recover(folder);
    QCOMPARE(files(folder), want);
}

PULSAR_TEST_MAIN_CORE(TestFileBatch)
#include "tst_filebatch.moc"
