#pragma once

#include <QString>
#include <QStringList>
#include <array>

class Settings;

// The settings of the progress graphs: "Chart Info", where the chart options
// leave whether their unit frames were shown, and "Fitness Graph", whose
// keys the graph window sets back to "0" when it closes. Keys match without
// regard to letter case.
namespace GraphSettings {

inline const QString kTimeChecked = QStringLiteral("TimeChecked");
inline const QString kDistanceChecked = QStringLiteral("DistanceChecked");

// "True" or "False".
QString flagText(bool value);
// The stored flag; `fallback` when it is missing or neither "True" nor
// "False" (any letter case).
bool flag(const Settings &settings, const QString &key, bool fallback);
void setFlag(Settings &settings, const QString &key, bool value);

// The 25 keys of "Fitness Graph" in the order they are written: WeightOne
// ... WeightFive, SetOne ... SetFive, LastWeightOne ..., FirstWeightOne ...,
// preXOne ... preXFive.
const QStringList &fitnessGraphKeys();

// The previous X of the line series 1 to 5 that a graph starts with, read
// from preXOne to preXFive as 16-bit whole numbers (0 for anything else);
// element 0 is unused.
std::array<int, 6> previousX(const Settings &settings);

// Writes "0" into every key of "Fitness Graph".
void clearFitnessGraph(Settings &settings);

} // namespace GraphSettings
