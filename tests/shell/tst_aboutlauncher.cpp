#include "support/TestEnvironment.h"
#include "shell/SystemInfoLauncher.h"

#include <QDir>
#include <QFile>
#include <QTest>

// Finding and starting the system's information tool.
class TestAboutLauncher : public QObject
{
    Q_OBJECT

private:
    // A file `name` in `folder`, executable when `executable` is set.
    static QString makeProgram(const QString &folder, const QString &name, const QByteArray &body,
                               bool executable = true)
    {
        TestEnvironment::writeFile(folder, name, body);
        const QString path = QDir(folder).filePath(name);
        QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
        if (executable)
            permissions |= QFile::ExeOwner;
        QFile::setPermissions(path, permissions);
        return path;
    }

private Q_SLOTS:
    void findsTheFirstKnownToolOnThePath_data()
    {
        QTest::addColumn<QStringList>("programs");
        QTest::addColumn<QStringList>("notExecutable");
        QTest::addColumn<QString>("expected");

        QTest::newRow("none") << QStringList() << QStringList() << QString();
        QTest::newRow("unknown programs only")
            << QStringList{"sysinfo", "msinfo32"} << QStringList() << QString();
        QTest::newRow("the last known one")
            << QStringList{"gnome-system-monitor"} << QStringList() << "gnome-system-monitor";
        QTest::newRow("preference order")
            << QStringList{"kinfocenter", "hardinfo", "lshw-gtk"} << QStringList() << "hardinfo";
        QTest::newRow("newest first") << QStringList{"hardinfo", "hardinfo2"} << QStringList()
                                      << "hardinfo2";
        QTest::newRow("a file that cannot run is no program")
            << QStringList{"kinfocenter"} << QStringList{"hardinfo"} << "kinfocenter";
    }
    void findsTheFirstKnownToolOnThePath()
    {
        QFETCH(QStringList, programs);
        QFETCH(QStringList, notExecutable);
        QFETCH(QString, expected);

        const QString bin = TestEnvironment::freshFolder(QStringLiteral("bin"));
        for (const QString &name : programs)
            makeProgram(bin, name, "#!/bin/sh\n");
        for (const QString &name : notExecutable)
            makeProgram(bin, name, "#!/bin/sh\n", false);

        QStringList started;
        const SystemInfoLauncher launcher({bin}, [&](const QString &program) {
            started << program;
            return true;
        });
        const QString found = launcher.find();
        QCOMPARE(found, expected.isEmpty() ? QString() : QDir(bin).filePath(expected));
        QCOMPARE(launcher.launch(), !expected.isEmpty());
        QCOMPARE(started, expected.isEmpty() ? QStringList() : QStringList{found});
    }

    // A tool that is found but whose start fails is a failure, not a success.
    void aFailedStartIsReported()
    {
        const QString bin = TestEnvironment::freshFolder(QStringLiteral("bin"));
        makeProgram(bin, QStringLiteral("hardinfo"), "#!/bin/sh\n");
        int starts = 0;
        const SystemInfoLauncher launcher({bin}, [&](const QString &) {
            ++starts;
            return false;
        });
        QVERIFY(!launcher.launch());
        QCOMPARE(starts, 1);
    }

    // The real start: the tool runs on its own, and a file that the system
    // cannot execute is reported as a failure.
    void startsTheToolDetached()
    {
        const QString bin = TestEnvironment::freshFolder(QStringLiteral("bin"));
        const QString marker = QDir(bin).filePath(QStringLiteral("started"));
        makeProgram(bin, QStringLiteral("lshw-gtk"),
                    "#!/bin/sh\necho started > '" + marker.toUtf8() + "'\n");
        QVERIFY(SystemInfoLauncher({bin}).launch());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);

        const QString broken = TestEnvironment::freshFolder(QStringLiteral("broken"));
        makeProgram(broken, QStringLiteral("hardinfo"), QByteArray("\x7f\x01\x02 not a program"));
        QVERIFY(!SystemInfoLauncher({broken}).find().isEmpty());
        QVERIFY(!SystemInfoLauncher({broken}).launch());
    }
};

PULSAR_TEST_MAIN_CORE(TestAboutLauncher)
#include "tst_aboutlauncher.moc"
