#pragma once

#include "common/FileBatch.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>

// Every file of a data folder with its bytes, hidden ones too (a save must
// leave no temporary file), to show that an action left the folder exactly
// as it was. The note the last save of several files leaves and the
// folder's lock file are the saves' own bookkeeping, not data.
inline QMap<QString, QByteArray> folderSnapshot(const QString &folder)
{
    QMap<QString, QByteArray> out;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (name == FileBatch::kCommitFileName || name == FileBatch::kLockFileName)
            continue;
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            out.insert(name, f.readAll());
    }
    return out;
}
