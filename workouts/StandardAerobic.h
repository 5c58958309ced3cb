#pragma once

#include "AerobicCatalogue.h"

#include <QList>
#include <QString>

// The 26 standard aerobic activities the user can install from a list, and
// their installation into the aerobic catalogue.
namespace StandardAerobic {

constexpr int kCount = 26;

// Index 0 to 10 outdoor, 11 to 21 indoor, 22 to 25 aquatic; six names end in
// a blank ("Football ", "Squash ", ...), which is part of the name.
const QList<AerobicActivity> &activities();

struct InstallResult
{
    QList<int> installed;  // the indexes installed, in order
    QString duplicateName; // the name that stopped the install, if any
    QString error;         // a sentence naming the file that failed, if any

    // The install went through every ticked activity.
    bool complete() const { return duplicateName.isEmpty() && error.isEmpty(); }
};

// Installs the ticked activities in index order: each gets its catalogue
// record and an empty log. A name already in the catalogue, in any class,
// stops the install there; the activities before it stay installed. A log
// that exists already keeps its entries. When the catalogue does not read
// back whole, or a write fails, every file is left as it was.
InstallResult install(const QString &dataFolder, const QList<int> &ticked);

} // namespace StandardAerobic
