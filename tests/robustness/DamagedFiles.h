#pragma once

// The data files the program reads, each as the program writes it, for the
// tests that damage one of them.
#include "common/FileBatch.h"
#include "support/TestEnvironment.h"

#include <QByteArray>
#include <QDir>
#include <QMap>
#include <QString>

namespace DamagedFiles {

inline const QString kHistory = QStringLiteral("PersonalInformation.txt");
inline const QString kWeightCatalogue = QStringLiteral("ExerciseDescription.txt");
inline const QString kAerobicCatalogue = QStringLiteral("AerobicDescription.txt");
inline const QString kWeightLog = QStringLiteral("BiBarbell Curl.txt");
inline const QString kAerobicLog = QStringLiteral("OuRunning.txt");
inline const QString kJournal = QStringLiteral("ExerciseCalories.txt");
inline const QString kFactors = QStringLiteral("BurnnedCalories.txt");
inline const QString kFoodList = QStringLiteral("Milk.txt");
inline const QString kFoodDay = QStringLiteral("Food06-Dec-26.txt");
inline const QString kPendingFoods = QStringLiteral("TempFood.txt");
inline const QString kFoodJournal = QStringLiteral("FoodEnergy.txt");

// A two-set "Barbell Curl" with its log, "Running" (time, distance and
// terrain) with its log, the journal, the factors and the history; the milk
// list, the foods of 6 December 2026, one food picked and the food journal.
inline const QMap<QString, QByteArray> &soundFiles()
{
    static const QMap<QString, QByteArray> files = {
        {kHistory, "\"08-Dec-26\",40,160,70\r\n\"Initializer\",0,0,0\r\n"},
        {kWeightCatalogue, "\"Bi\",\"Barbell Curl\",\"Curl the bar\",\"2\"\r\n\"Tr\",\"Dip\",\"Dip down\",1\r\n"},
        {kWeightLog, "\"07-Dec-26\",100,10,105,8\r\n\"06-Dec-26\",95,10,100,8\r\n"},
        {kAerobicCatalogue, "\"Ou\",\"Running\",#TRUE#,#TRUE#,#TRUE#\r\n\"In\",\"Squash \",#TRUE#,#FALSE#,#FALSE#\r\n"},
        {kAerobicLog, "\"07-Dec-26\",30,3,\"Hilly \"\r\n\"05-Dec-26\",45,5,\"Flat - Outdoor\"\r\n"},
        {kJournal, "\"07-Dec-26\",40\r\n\"06-Dec-26\",142.5\r\n"},
        {kFactors, "\"Weight training\",0.05\r\n\"Running\",0.0659\r\n"},
        {kFoodList, "\"Dairy\",\r\n\"Skim milk (1 cup)\",83\r\n\"Whole milk (1 cup)\",149\r\n"},
        {kFoodDay, "\"06-Dec-26\",\"Milk\",\"Skim milk (1 cup)\",\"83\",\"1.5\"\r\n"
                   "\"06-Dec-26\",\"Grain\",\"Rye bread\",\"81\",\"2\"\r\n"},
        // As the entry window leaves it after picking one skim milk.
        {kPendingFoods, "\r\n#2026-12-06#,\"Milk\",\"Skim milk (1 cup)\",\"83\",\"1\"\r\n"},
        {kFoodJournal, "\"07-Dec-26\",2100\r\n\"06-Dec-26\",1800\r\n"},
    };
    return files;
}

inline void writeSoundFiles(const QString &folder)
{
    for (auto it = soundFiles().cbegin(); it != soundFiles().cend(); ++it)
        TestEnvironment::writeFile(folder, it.key(), it.value());
}

// Every file of the folder with its bytes, hidden ones too, but the note
// the last save of several files leaves and the folder's lock file (the
// saves' own bookkeeping).
inline QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> out;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (name != FileBatch::kCommitFileName && name != FileBatch::kLockFileName)
            out.insert(name, TestEnvironment::readFile(folder, name));
    }
    return out;
}

// The first record of a file's bytes alone, its last field cut off with its
// comma.
inline QByteArray cutFirstRecord(const QByteArray &bytes)
{
    return bytes.left(bytes.lastIndexOf(',', bytes.indexOf("\r\n")));
}

// The file's bytes after a UTF-8 byte-order mark, as another program may
// save them.
inline QByteArray withBOM(const QByteArray &bytes)
{
    return "\xEF\xBB\xBF" + bytes;
}

// A line of bytes no writer makes: NUL, bytes the code page leaves
// undefined, DEL.
inline QByteArray binaryLine()
{
    return QByteArray("\x00\x81\xff\xfe\x01\x9d\x7f\r\n", 9);
}

} // namespace DamagedFiles
