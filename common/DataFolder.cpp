#include "DataFolder.h"

#include "RecordFile.h"
#include "RecordFileError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString DataFolder::location()
{
    const QString env = qEnvironmentVariable("PULSAR_DATA_DIR");
    if (!env.isEmpty())
        return QDir::cleanPath(env);
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                           + QStringLiteral("/Kestrava/Pulsar"));
}

QString DataFolder::shipped()
{
    QStringList candidates;
    if (QCoreApplication::instance())
        candidates << QCoreApplication::applicationDirPath() + QStringLiteral("/../share/kestrava-pulsar");
    candidates << QStringLiteral(PULSAR_INSTALL_DATA_DIR) << QStringLiteral(PULSAR_SOURCE_DATA_DIR);
    for (const QString &c : candidates) {
        if (QFileInfo(c + QStringLiteral("/PersonalInformation.txt")).isFile())
            return QDir::cleanPath(c);
    }
    return QDir::cleanPath(QStringLiteral(PULSAR_SOURCE_DATA_DIR));
}

QStringList DataFolder::seed(const QString &shippedFolder, const QString &folder)
{
    QStringList failed;
    QDir dir(folder);
    if (!dir.exists() && !QDir().mkpath(folder))
        return {folder};
    const QFileInfoList files = QDir(shippedFolder).entryInfoList(QDir::Files);
    for (const QFileInfo &file : files) {
        const QString target = dir.filePath(file.fileName());
        if (QFileInfo::exists(target))
            continue;
        try {
            RecordFile::write(target, RecordFile::readExisting(file.filePath()));
        } catch (const RecordFileError &) {
            failed << file.fileName();
        }
    }
    return failed;
}
