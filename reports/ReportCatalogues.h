#pragma once

#include "workouts/AerobicCatalogue.h"
#include "workouts/WeightCatalogue.h"

#include <QList>
#include <QString>

#include <optional>

// The exercise catalogues as the reports read them: every record before
// any damage, and what kept the rest from being read.
namespace ReportCatalogues {

template <typename Record>
struct Read
{
    QList<Record> records;
    // A sentence naming the catalogue when damage cut it short or it could
    // not be read at all; empty when it was read whole (or is missing,
    // which is an empty catalogue).
    QString problem;
    // Nothing of it could be read (a FIFO or a folder in its place, a
    // read failure), as against damage after the records in `records`.
    bool unreadable = false;

    // The first record of that name, the code not compared: names are
    // unique in their catalogue.
    std::optional<Record> byName(const QString &name) const
    {
        for (const Record &r : records) {
            if (r.name == name)
                return r;
        }
        return std::nullopt;
    }
};

Read<WeightExercise> weights(const QString &dataFolder);
Read<AerobicActivity> aerobics(const QString &dataFolder);

} // namespace ReportCatalogues
