#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

// Every test program runs on folders of its own: a temporary data folder,
// settings and runtime folder, set before the application object exists, so
// no test ever touches the user's real files.
class TestEnvironment
{
public:
    // Points PULSAR_DATA_DIR, XDG_CONFIG_HOME, XDG_DATA_HOME and
    // XDG_RUNTIME_DIR at a fresh temporary folder.
    static void install();
    // The root of that folder.
    static QString root();
    // A new, empty data folder below the root (one per test case).
    static QString freshFolder(const QString &name = QStringLiteral("case"));
    // The same in a folder the system holds in memory (/dev/shm), for what a
    // save does differently there; empty where the machine has none.
    static QString freshMemoryFolder(const QString &name = QStringLiteral("case"));
    // Writes `bytes` to `folder/fileName`.
    static void writeFile(const QString &folder, const QString &fileName, const QByteArray &bytes);
    static QByteArray readFile(const QString &folder, const QString &fileName);
    // Puts a FIFO in the place of the file `folder/fileName`, which must
    // exist; false when either step fails.
    static bool putFifo(const QString &folder, const QString &fileName);
};

// QTEST_MAIN with the test environment installed first.
#define PULSAR_TEST_MAIN(TestObject)                                                             \
    int main(int argc, char *argv[])                                                             \
    {                                                                                            \
        TestEnvironment::install();                                                              \
        QApplication app(argc, argv);                                                            \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                 \
        TestObject tc;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                               \
        return QTest::qExec(&tc, argc, argv);                                                    \
    }

// The same for tests of plain code that need no windows.
#define PULSAR_TEST_MAIN_CORE(TestObject)                                                        \
    int main(int argc, char *argv[])                                                             \
    {                                                                                            \
        TestEnvironment::install();                                                              \
        QCoreApplication app(argc, argv);                                                        \
        TestObject tc;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                               \
        return QTest::qExec(&tc, argc, argv);                                                    \
    }
