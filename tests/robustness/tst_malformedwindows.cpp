#include "DamagedFiles.h"

#include "common/SettingKeys.h"
#include "profile/ProfileWindows.h"
#include "shell/LabelButton.h"
#include "shell/Spinner.h"
#include "shell/TextBox.h"
#include "shell/WorkingWindow.h"
#include "support/ShellFixture.h"
#include "workouts/WorkoutWindows.h"
#include "workouts/frmEnterAero.h"
#include "workouts/frmEnterData.h"

#include <QLabel>
#include <QListWidget>
#include <QtTest>

using namespace DamagedFiles;

// The windows that save into a damaged data file, driven as the user does:
// the window shows a message naming the file and every file stays as it
// was, or it carries on and saves; nothing crashes.
class TestMalformedWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowsOnDamagedFiles_data();
    void windowsOnDamagedFiles();

private:
    // Opens the window that writes `file` and presses its Enter with a
    // workout or weighing filled in.
    static void enterInWindow(ShellFixture &f, const QString &file);
};

void TestMalformedWindows::enterInWindow(ShellFixture &f, const QString &file)
{
    if (file == kHistory) {
        QVERIFY(f.trigger(QStringLiteral("itmPersonal")));
        WorkingWindow *w = f.window(QStringLiteral("frmPersonalInformation"));
        QVERIFY(w);
        auto *enter = w->findChild<QLabel *>(QStringLiteral("lblEnter"));
        QVERIFY(enter);
        QTest::mouseClick(enter, Qt::LeftButton);
    } else if (file == kWeightCatalogue || file == kWeightLog || file == kJournal) {
        QVERIFY(f.trigger(QStringLiteral("itmBiceps")));
        auto *w = f.windowAs<frmEnterData>(frmEnterData::kName);
        QVERIFY(w);
        if (w->exercise(0)->isVisible())
            w->spinner(0, frmEnterData::Reps, 0)->setValue(10);
        w->enterButton()->click();
    } else {
        QVERIFY(f.trigger(QStringLiteral("itmOut")));
        auto *w = f.windowAs<frmEnterAero>(frmEnterAero::kName);
        QVERIFY(w);
        const auto found = w->activities()->findItems(QStringLiteral("Running"), Qt::MatchExactly);
        if (!found.isEmpty())
            w->activities()->setCurrentItem(found.first());
        w->hours()->setText(QStringLiteral("1"));
        QTest::mousePress(w->enterButton()->label(), Qt::LeftButton);
        QTest::mouseRelease(w->enterButton()->label(), Qt::LeftButton);
    }
}

void TestMalformedWindows::windowsOnDamagedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("message"); // a message naming the file, every file unchanged
    for (const QString &file : {kHistory, kWeightCatalogue, kWeightLog, kJournal, kAerobicCatalogue, kAerobicLog,
                                kFactors}) {
        const QByteArray sound = soundFiles()[file];
        // The first record alone, its last field cut off with its comma.
        const QByteArray cut = sound.left(sound.lastIndexOf(',', sound.indexOf("\r\n")));
        QTest::addRow("%s: cut-off record", qPrintable(file)) << file << cut << true;
        QTest::addRow("%s: binary bytes", qPrintable(file)) << file << sound + binaryLine() << true;
        QTest::addRow("%s: blank last line", qPrintable(file)) << file << sound + "\r\n\r\n" << false;
    }
}

void TestMalformedWindows::windowsOnDamagedFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, message);
    ShellFixture::Options options;
    options.today = QDate(2026, 12, 6);
    options.settings = {{SettingKeys::PersonalInformation, SettingKeys::Weight, QStringLiteral("160")}};
    ShellFixture f({registerWorkoutWindows, registerProfileWindows}, options);
    writeSoundFiles(f.dataFolder());
    TestEnvironment::writeFile(f.dataFolder(), file, bytes);
    const QMap<QString, QByteArray> before = snapshot(f.dataFolder());

    enterInWindow(f, file);

    const QStringList messages = f.takeMessages();
    if (message) {
        QVERIFY2(!messages.isEmpty() && messages.join(u'\n').contains(file), qPrintable(messages.join(u'\n')));
        QCOMPARE(snapshot(f.dataFolder()), before);
    } else {
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n')));
        QVERIFY(snapshot(f.dataFolder()) != before); // saved
    }
}

PULSAR_TEST_MAIN(TestMalformedWindows)
#include "tst_malformedwindows.moc"
