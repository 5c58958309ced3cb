#pragma once

#include <QString>
#include <QStringList>

// The folder that holds the user's data files, and the shipped data that
// seeds it.
class DataFolder
{
public:
    // $PULSAR_DATA_DIR when set, else ~/.local/share/Kestrava/Pulsar.
    static QString location();
    // The data that ships with the program: share/kestrava-pulsar beside
    // the installed program, else the source tree's data folder.
    static QString shipped();
    // Creates `folder` when missing and copies in every shipped file that is
    // missing there; existing files are never touched. Returns the names of
    // files that could not be copied (empty on success).
    static QStringList seed(const QString &shippedFolder, const QString &folder);
};
