#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The 18 standard weight-training exercises the user can install from a
// list, their descriptions in the shipped Exercise.txt, and their
// installation into the weight-training catalogue.
namespace StandardExercises {

constexpr int kCount = 18;

// Index 0-2 Biceps, 3-5 Triceps, 6-8 Shoulders, 9-11 Back, 12-14 Chest,
// 15-17 Legs: three a group, in menu order.
struct Standard
{
    QString group; // "Biceps"
    QString name;  // "Barbell Curl"
    QString code() const; // "Bi"
};
const QList<Standard> &all();

// The shipped (name, description) pairs; the program never writes it.
inline const QString kTextFileName = QStringLiteral("Exercise.txt");

// The caption of the catalogue windows' Create button: runs of blanks wrap
// its three words onto lines of their own in the middle of the circle.
inline const QString kCreateCaption = QString(30, u' ') + QStringLiteral("Create") + QString(20, u' ')
    + QStringLiteral("Exercise") + QString(20, u' ') + QStringLiteral("Table");

// The confirmation the window shows after an install.
inline const QString kDone = QStringLiteral("The exercise(s) you have selected where made.");

// One ticked exercise and the text of its sets box.
struct Tick
{
    int index = 0;
    QString sets;
};

struct InstallResult
{
    QList<int> installed;   // the indexes installed, in order
    QStringList duplicates; // the names skipped as already in the catalogue, in order
    QString refusal;        // a sentence for the user; nothing was written

    bool complete() const { return refusal.isEmpty(); }
};

// Installs the ticked exercises in index order: each gets its catalogue
// record (code, name, its description from Exercise.txt, the sets as a
// text) and an empty log; a log that exists already keeps its entries. A
// name already in the catalogue, in any group, is skipped and the others go
// on. Every sets box is checked and every file read before anything is
// written: a sets box that is no whole number from 1 to 5, or a file that
// cannot be read whole, gives a refusal and writes nothing.
InstallResult install(const QString &dataFolder, const QList<Tick> &ticked);

// The description Exercise.txt gives a standard name; empty when it has none.
QString descriptionOf(const QString &dataFolder, const QString &name);

// "The number of sets of <name> must be a whole number from 1 to 5."
QString badSets(const QString &name);

} // namespace StandardExercises
