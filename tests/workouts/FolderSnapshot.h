#pragma once

#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>

// Every file of a data folder with its bytes, to show that an action left
// the folder exactly as it was.
inline QMap<QString, QByteArray> folderSnapshot(const QString &folder)
{
    QMap<QString, QByteArray> out;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            out.insert(name, f.readAll());
    }
    return out;
}
