#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtTest>

#include <sys/stat.h>
#include <sys/vfs.h>

namespace {
std::unique_ptr<QTemporaryDir> g_root;
std::unique_ptr<QTemporaryDir> g_memoryRoot;
int g_counter = 0;
}

void TestEnvironment::install()
{
    g_root = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/pulsar-test-XXXXXX"));
    const QString r = g_root->path();
    for (const char *sub : {"data", "config", "share", "runtime"})
        QDir().mkpath(r + u'/' + QLatin1String(sub));
    QFile::setPermissions(r + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("PULSAR_DATA_DIR", (r + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (r + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (r + QStringLiteral("/share")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (r + QStringLiteral("/runtime")).toLocal8Bit());
    qputenv("PULSAR_TEST", "1");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(false);
}

QString TestEnvironment::root()
{
    return g_root ? g_root->path() : QString();
}

QString TestEnvironment::freshFolder(const QString &name)
{
    const QString path = root() + QStringLiteral("/%1-%2").arg(name).arg(++g_counter);
    QDir().mkpath(path);
    return path;
}

QString TestEnvironment::freshMemoryFolder(const QString &name)
{
    struct statfs fs;
    constexpr decltype(fs.f_type) kTmpfs = 0x01021994;
    if (!g_memoryRoot) {
        if (::statfs("/dev/shm", &fs) != 0 || fs.f_type != kTmpfs)
            return QString();
        g_memoryRoot = std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/pulsar-test-XXXXXX"));
    }
    if (!g_memoryRoot->isValid())
        return QString();
    const QString path = g_memoryRoot->path() + QStringLiteral("/%1-%2").arg(name).arg(++g_counter);
    QDir().mkpath(path);
    return path;
}

void TestEnvironment::writeFile(const QString &folder, const QString &fileName, const QByteArray &bytes)
{
    QFile f(QDir(folder).filePath(fileName));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write test file %s", qPrintable(f.fileName()));
    f.write(bytes);
}

bool TestEnvironment::putFifo(const QString &folder, const QString &fileName)
{
    const QString path = QDir(folder).filePath(fileName);
    return QFile::remove(path) && ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

QByteArray TestEnvironment::readFile(const QString &folder, const QString &fileName)
{
    QFile f(QDir(folder).filePath(fileName));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}
