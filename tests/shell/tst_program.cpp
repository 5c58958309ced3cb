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

private:
    QStringList m_messages;
};

PULSAR_TEST_MAIN(TestProgram)
#include "tst_program.moc"
