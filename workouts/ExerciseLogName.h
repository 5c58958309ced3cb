#pragma once

#include "common/RecordReader.h"

#include <QString>

// Names of the per-exercise logs and the checks on the names and texts the
// user gives to exercises and activities of their own.
class ExerciseLogName
{
public:
    // The log of an exercise or activity: its category code and its name run
    // together, blanks kept, then ".txt" ("Bi" + "Barbell Curl" gives
    // "BiBarbell Curl.txt", "In" + "Squash " gives "InSquash .txt").
    static QString fileName(const QString &code, const QString &name);
    static QString path(const QString &dataFolder, const QString &code, const QString &name);
    // A catalogue's code and name, run together, as a log's file name in the
    // data folder: one holding "/" or a NUL would name a file elsewhere, so
    // it is the TypeMismatch error naming the catalogue and line instead.
    static void requireFileNamePart(const QString &codeAndName, const QString &catalogue, int line);
    // Reads the code and name a catalogue's record starts with into `entry`
    // (a `code` and a `name`), checked as requireFileNamePart() checks them.
    template <typename Entry>
    static void readCodeAndName(RecordReader &r, Entry &entry, const QString &catalogue)
    {
        const int line = r.line();
        entry.code = r.readText();
        entry.name = r.readText();
        requireFileNamePart(entry.code + entry.name, catalogue, line);
    }

    // Whether a name can be a catalogue field and part of a log's file name:
    // not empty after trimming, no double quote, "/", "\" or control
    // character, and only characters the data files' code page holds.
    static bool usableName(const QString &name);
    // Whether a free text (a description) can be a record field: no double
    // quote, no control character but line breaks and tabs, and only
    // characters the data files' code page holds.
    static bool usableText(const QString &text);

    // Whether the log of a name can be made in the data folder: its file
    // name no longer than the folder's file system takes.
    static bool fitsFileName(const QString &dataFolder, const QString &code, const QString &name);
    // The refusal of a name that does not: "The name is too long for a file name."
    static const QString kTooLong;

    // The refusal of a name that already has its log in either catalogue:
    // "You've already created a database for <name>.  Go to ...".
    static QString alreadyCreated(const QString &name);
};
