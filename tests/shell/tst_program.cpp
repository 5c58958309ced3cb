#include "support/TestEnvironment.h"

#include "Program.h"
#include "common/DataFolder.h"
#include "shell/MDIFitness.h"
#include "shell/MsgBox.h"
#include "shell/WorkingWindow.h"
#include "shell/mFormProcedures.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTest>

#include <cerrno>
#include <cstring>

// The program as main() starts it.
class TestProgram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        mFormProcedures::setPauses(0, 0);
        MsgBox::setRecorder([this](const QString &text) { m_messages << text; });
    }

    // The first start on a machine: no data folder yet, nothing to say.
    void firstStartMakesTheFolderWithoutAMessage()
    {
        const QString folder = DataFolder::location();
        QVERIFY(QDir(folder).removeRecursively());
        QPointer<MDIFitness> main = createProgram();
        QVERIFY(main);
        QVERIFY(QFile::exists(folder + "/ExerciseDescription.txt"));
        QCOMPARE(m_messages, QStringList());
        main->item("itmExit")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(main.isNull());
    }

    void startsMaximisedWithTheStartUpPageOnASeededFolder()
    {
        const QString folder = DataFolder::location();
        // A file the user already has is kept.
        TestEnvironment::writeFile(folder, "PersonalInformation.txt", "\"mine\"\r\n");

        QPointer<MDIFitness> main = createProgram();
        QVERIFY(main);
        QVERIFY(main->isVisible());
        QVERIFY(main->windowState() & Qt::WindowMaximized);
        QCOMPARE(main->dataFolder(), folder);
        QVERIFY(main->form("frmIntroPage"));
        QVERIFY(main->form("frmIntroPage")->isShownWindow());
        QVERIFY(QFile::exists(folder + "/ExerciseDescription.txt"));
        QCOMPARE(TestEnvironment::readFile(folder, "PersonalInformation.txt"), QByteArray("\"mine\"\r\n"));
        QVERIFY(m_messages.isEmpty());

        // File > Exit closes every window and the program's main window.
        main->item("itmExit")->trigger();
        QVERIFY(main->loadedWindows().isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(main.isNull());
    }

    // A save that a stop left committed and that still cannot be finished
    // (a folder stands where one of its files should go) is given up at the
    // start, in one message naming its files; the folder takes saves again
    // and the next start has nothing to say.
    void startGivesUpASaveItCannotFinish()
    {
        const QString folder = DataFolder::location();
        QVERIFY(QDir().mkpath(folder + "/BiStuck.txt/in the way"));
        const QByteArray note(".pulsar-k1-0.saving\0ExerciseCalories.txt\0.pulsar-k1-1.saving\0BiStuck.txt\0", 73);
        TestEnvironment::writeFile(folder, ".pulsar-commit", note);
        TestEnvironment::writeFile(folder, ".pulsar-k1-1.saving", "\"07-Dec-26\",100,10\r\n");
        m_messages.clear();

        QPointer<MDIFitness> main = createProgram();
        QVERIFY(main);
        QCOMPARE(m_messages,
                 QStringList{QStringLiteral("A save into the data folder %1 was stopped before it ended and could not "
                                            "be finished (%2), so it was given up; the next saves go on as usual. "
                                            "Files it saved: ExerciseCalories.txt. Files it could not save: "
                                            "BiStuck.txt. These files may not agree.")
                                 .arg(folder, QString::fromLocal8Bit(std::strerror(EISDIR)))});
        const QStringList hidden = QDir(folder).entryList({".pulsar-*"}, QDir::Files | QDir::Hidden);
        QCOMPARE(hidden, QStringList{".pulsar-lock"});
        main->item("itmExit")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        m_messages.clear();
        main = createProgram();
        QCOMPARE(m_messages, QStringList());
        main->item("itmExit")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Something no save makes where every save keeps its note is named at
    // the start, before the shipped files it kept from being copied, and
    // stays; once it is gone the next start copies them and says nothing.
    void startNamesWhatStandsInTheNotesPlace()
    {
        const QString folder = DataFolder::location();
        QVERIFY(QDir().mkpath(folder + "/.pulsar-commit"));
        TestEnvironment::writeFile(folder + "/.pulsar-commit", "Mine.txt", "mine");
        QVERIFY(QFile::remove(folder + "/Exercise.txt"));
        m_messages.clear();
        QPointer<MDIFitness> main = createProgram();
        QVERIFY(main);
        QCOMPARE(m_messages, (QStringList{QStringLiteral("Something other than a file stands at .pulsar-commit in the "
                                                         "data folder %1, where every save keeps its note: nothing "
                                                         "can be saved there until it goes.")
                                              .arg(folder),
                                          QStringLiteral("These files could not be copied into the data folder %1: "
                                                         "Exercise.txt.")
                                              .arg(folder)}));
        QCOMPARE(TestEnvironment::readFile(folder + "/.pulsar-commit", "Mine.txt"), QByteArray("mine"));
        main->item("itmExit")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QVERIFY(QDir(folder + "/.pulsar-commit").removeRecursively());
        m_messages.clear();
        main = createProgram();
        QCOMPARE(m_messages, QStringList());
        QVERIFY(QFileInfo(folder + "/Exercise.txt").isFile());
        main->item("itmExit")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private:
    QStringList m_messages;
};

PULSAR_TEST_MAIN(TestProgram)
#include "tst_program.moc"
