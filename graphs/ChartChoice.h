#pragma once

#include "ProgressPlot.h"
#include "ProgressSampling.h"

#include <QString>

// What the chart options ask a progress graph to show, as the graph window
// reads them at drawing and at printing.
struct ChartChoice
{
    QString category; // "Biceps", "Outdoor Activites", ...
    QString exercise; // the exercise or activity chosen
    QString period;   // "Last 7 Entries" ... "Last 360 Entries"
    ChartType type = ChartType::None;
    ProgressSampling::DistanceUnit distance = ProgressSampling::DistanceUnit::None;
    ProgressSampling::TimeUnit time = ProgressSampling::TimeUnit::None;
    bool viewWeight = false;

    // The category code: the category's first two letters.
    QString code() const { return category.left(2); }
    // The aquatic activities name their terrains' legend entries apart.
    bool aquatic() const { return category == QLatin1String("Aquatic Activities"); }
};
