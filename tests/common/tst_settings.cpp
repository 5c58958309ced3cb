#include "common/DataFolder.h"
#include "common/RecordFile.h"
#include "common/Settings.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QtTest>

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keysMatchWithoutCase();
    void missingValuesGiveTheDefault();
    void userSettingsLiveInTheConfigFolder();
    void writeThatCannotBeStoredIsToldOnce();
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
