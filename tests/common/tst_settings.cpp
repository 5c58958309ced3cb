#include "common/DataFolder.h"
#include "common/RecordFile.h"
#include "common/Settings.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QtTest>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keysMatchWithoutCase();
    void missingValuesGiveTheDefault();
    void userSettingsLiveInTheConfigFolder();
    void writeThatCannotBeStoredIsToldOnce();
    void fifoInTheFilesPlaceDoesNotHoldTheProgram_data();
    void fifoInTheFilesPlaceDoesNotHoldTheProgram();
    void seedingCopiesOnlyMissingFiles();
    void dataFolderFollowsTheEnvironment();
};

void TestSettings::keysMatchWithoutCase()
{
    const QString ini = TestEnvironment::freshFolder() + "/s.ini";
    {
        Settings s(ini);
        s.set("Fitness Graph", "preXTwo", "120");
        s.set("fitness graph", "PREXTWO", "130"); // the same key, not a second one
        s.set("Personal Information", "FirstName", "Ada, Jr.");
    }
    Settings s(ini);
    QCOMPARE(s.get("Fitness Graph", "preXtwo", "0"), QString("130"));
    QCOMPARE(s.get("FITNESS GRAPH", "prexTWO", "0"), QString("130"));
    QCOMPARE(s.get("personal information", "firstname", ""), QString("Ada, Jr."));
    QFile f(ini);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll().count("130"), 1);
}

void TestSettings::missingValuesGiveTheDefault()
{
    Settings s(TestEnvironment::freshFolder() + "/s.ini");
    QCOMPARE(s.get("Fitness", "Scrolling", "True"), QString("True"));
    s.set("Fitness", "Other", "1");
    QCOMPARE(s.get("Fitness", "Scrolling", "True"), QString("True"));
    QVERIFY(!s.contains("Fitness", "Scrolling"));
    QVERIFY(s.contains("fitness", "other"));
}

void TestSettings::userSettingsLiveInTheConfigFolder()
{
    Settings s;
    QCOMPARE(s.fileName(), TestEnvironment::root() + "/config/Kestrava/Pulsar.ini");
}

// A write that cannot be stored is kept as a failure to tell, once however
// many writes fail; the values stay in use and are stored with the first
// write that can be.
void TestSettings::writeThatCannotBeStoredIsToldOnce()
{
    const QString folder = TestEnvironment::freshFolder();
    const QString ini = folder + "/s.ini";
    Settings s(ini);
    int told = 0;
    s.onFailure([&told] { ++told; });
    QVERIFY(s.set("Personal Information", "Weight", "150"));
    QCOMPARE(s.takeFailure(), QString());
    // A folder in the file's place: nobody, root included, can write it.
    QVERIFY(QFile::remove(ini));
    QVERIFY(QDir(folder).mkdir("s.ini"));
    QVERIFY(!s.set("Personal Information", "Weight", "160"));
    QVERIFY(!s.set("Personal Information", "Age", "40"));
    QVERIFY(!s.remove("Personal Information", "Age"));
    QCOMPARE(told, 1);
    QCOMPARE(s.takeFailure(), "The settings could not be stored in " + ini + ".");
    QCOMPARE(s.takeFailure(), QString());
    QCOMPARE(s.get("Personal Information", "Weight", "0"), QString("160"));
    // The next failure is told again.
    QVERIFY(!s.set("Personal Information", "Age", "41"));
    QCOMPARE(told, 2);
    s.takeFailure();

    QVERIFY(QDir(folder).rmdir("s.ini"));
    QVERIFY(s.set("Fitness", "Scrolling", "True"));
    QCOMPARE(told, 2);
    QCOMPARE(s.takeFailure(), QString());
    QFile f(ini);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray stored = f.readAll();
    QVERIFY2(stored.contains("Weight=160") && stored.contains("Age=41") && stored.contains("Scrolling=True"),
             stored.constData());
}

// A FIFO where the settings file or its lock file stands would hold the
// program until another program wrote into it: the settings go on with the
// values in use, each write told as not stored, and once the FIFO is gone
// the next write stores every value in use, matched without regard to case
// with what the file holds. Files QSettings would read beside the user's
// are never read.
void TestSettings::fifoInTheFilesPlaceDoesNotHoldTheProgram_data()
{
    QTest::addColumn<bool>("users"); // the user's settings, else a file of its own
    QTest::addColumn<QString>("fifo"); // below the folder of the settings
    QTest::addColumn<bool>("later"); // put there after the first write
    QTest::addColumn<bool>("holds"); // in the place of a file the settings open
    QTest::newRow("a file of its own") << false << "s.ini" << false << true;
    QTest::newRow("a file of its own, after a write") << false << "s.ini" << true << true;
    QTest::newRow("its lock file") << false << "s.ini.lock" << false << true;
    QTest::newRow("its lock file, after a write") << false << "s.ini.lock" << true << true;
    QTest::newRow("the user's file") << true << "Kestrava/Pulsar.ini" << false << true;
    QTest::newRow("the maker's file, never read") << true << "Kestrava.ini" << false << false;
}

void TestSettings::fifoInTheFilesPlaceDoesNotHoldTheProgram()
{
    QFETCH(bool, users);
    QFETCH(QString, fifo);
    QFETCH(bool, later);
    QFETCH(bool, holds);
    const QString folder = users ? TestEnvironment::root() + "/config" : TestEnvironment::freshFolder();
    const QString ini = users ? folder + "/Kestrava/Pulsar.ini" : folder + "/s.ini";
    const QString fifoPath = folder + "/" + fifo;
    QVERIFY(QDir().mkpath(QFileInfo(ini).path()));
    QFile::remove(ini);
    // What the file held before, in other cases.
    const bool fileStays = fifoPath != ini;
    if (fileStays)
        TestEnvironment::writeFile(QFileInfo(ini).path(), QFileInfo(ini).fileName(),
                                   "[fitness]\nscrolling=True\nname=Ada, Jr.\n");
    const auto putFifo = [&] {
        QFile::remove(fifoPath);
        return ::mkfifo(QFile::encodeName(fifoPath).constData(), 0600) == 0;
    };
    if (!later)
        QVERIFY(putFifo());
    // Should the settings wait on the FIFO, a writer lets them go after a
    // while, and the test fails instead of hanging.
    struct Rescue
    {
        QByteArray path;
        std::atomic<bool> done{false};
        std::atomic<bool> held{false};
        std::thread thread{[this] {
            for (int i = 0; i < 300 && !done; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            while (!done) {
                const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    held = true;
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }};
        ~Rescue()
        {
            done = true;
            thread.join();
        }
    } rescue{QFile::encodeName(fifoPath)};
    {
        std::unique_ptr<Settings> s = users ? std::make_unique<Settings>() : std::make_unique<Settings>(ini);
        int told = 0;
        s->onFailure([&told] { ++told; });
        QCOMPARE(s->get("Personal Information", "Weight", "150"), QString("150"));
        if (later) {
            QVERIFY(s->set("Personal Information", "Age", "39"));
            QVERIFY(putFifo());
        }
        QCOMPARE(s->set("Personal Information", "Weight", "160"), !holds);
        QCOMPARE(s->set("Fitness", "Scrolling", "False"), !holds);
        QCOMPARE(s->remove("Personal Information", "Age"), !holds);
        QVERIFY(!rescue.held);
        QCOMPARE(told, holds ? 1 : 0);
        QCOMPARE(s->takeFailure(), holds ? "The settings could not be stored in " + ini + "." : QString());
        QCOMPARE(s->get("personal information", "weight", "0"), QString("160"));
        QCOMPARE(s->get("FITNESS", "scrolling", "0"), QString("False"));
        QCOMPARE(s->get("Personal Information", "Age", "none"), QString("none"));
        QCOMPARE(s->fileName(), ini);

        QVERIFY(QFile::remove(fifoPath));
        QVERIFY(s->set("Fitness", "Units", "lb"));
        QCOMPARE(s->takeFailure(), QString());
        QCOMPARE(s->get("Personal Information", "Weight", "0"), QString("160"));
        // A value with a comma the file held comes back whole.
        if (fileStays)
            QCOMPARE(s->get("Fitness", "Name", "none"), QString("Ada, Jr."));
    }
    QVERIFY(!rescue.held);
    QFile f(ini);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray stored = f.readAll();
    QVERIFY2(stored.contains("Weight=160") && stored.contains("Units=lb") && !stored.contains("Age="), stored.constData());
    QVERIFY2(stored.toLower().count("scrolling=") == 1 && stored.toLower().contains("scrolling=false"),
             stored.constData());
    QVERIFY(QFile::remove(ini));
}

void TestSettings::seedingCopiesOnlyMissingFiles()
{
    const QString shipped = TestEnvironment::freshFolder("shipped");
    TestEnvironment::writeFile(shipped, "PersonalInformation.txt", "\"Initializer\",0,0,0\r\n");
    TestEnvironment::writeFile(shipped, "Exercise.txt", "\"Curl\",\"Shipped\"\r\n");
    const QString data = TestEnvironment::freshFolder("user") + "/new/folder";
    QVERIFY(DataFolder::seed(shipped, data).isEmpty());
    QCOMPARE(TestEnvironment::readFile(data, "Exercise.txt"), QByteArray("\"Curl\",\"Shipped\"\r\n"));

    TestEnvironment::writeFile(data, "PersonalInformation.txt", "\"07-Dec-26\",35,180,70\r\n");
    QFile::remove(data + "/Exercise.txt");
    QVERIFY(DataFolder::seed(shipped, data).isEmpty());
    QCOMPARE(TestEnvironment::readFile(data, "PersonalInformation.txt"), QByteArray("\"07-Dec-26\",35,180,70\r\n"));
    QCOMPARE(TestEnvironment::readFile(data, "Exercise.txt"), QByteArray("\"Curl\",\"Shipped\"\r\n"));
}

void TestSettings::dataFolderFollowsTheEnvironment()
{
    QCOMPARE(DataFolder::location(), TestEnvironment::root() + "/data");
    // The shipped data of this build holds the history with its placeholder.
    QVERIFY(RecordFile::read(DataFolder::shipped() + "/PersonalInformation.txt").startsWith("\"Initializer\""));
}

PULSAR_TEST_MAIN_CORE(TestSettings)
#include "tst_settings.moc"
