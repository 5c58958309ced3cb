#pragma once

#include "ReportChoice.h"

#include <QString>
#include <QStringList>

// What the report choice offers: the categories of each report and the
// exercises listed for a choice.
namespace ReportLists {

// The exercise log's nine: the six muscle groups and the three aerobic
// classes ("Biceps" ... "Legs", "Indoor Activities", "Outdoor Activites",
// "Aquatic Activities").
QStringList logCategories();
// The template's two: "Weightlifting", "Cardio".
QStringList templateCategories();
// The descriptions' two: "Weightlifting", "Abdomens".
QStringList descriptionCategories();

inline const QString kWeightlifting = QStringLiteral("Weightlifting");

struct Exercises
{
    QStringList names;
    // One message naming the catalogue of the category's exercises when it
    // could not be read at all or damage cut it short; empty when it was
    // read whole.
    QString problem;
};

// The names the exercise list holds for the options and the category, in
// catalogue order: for the exercise log the weight-training exercises and
// then the aerobic activities of the category's code; for the template
// every weight-training exercise ("Weightlifting") or every aerobic
// activity (any other category); otherwise every weight-training exercise.
// A catalogue lists the records before any damage; one that cannot be read
// lists nothing.
Exercises exercises(const QString &dataFolder, const ReportChoice &choice);

} // namespace ReportLists
