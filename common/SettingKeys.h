#pragma once

#include <QString>

// Sections and keys of the settings store that more than one folder uses.
// Each is written once, here; a window's own keys live beside the window.
namespace SettingKeys {

inline const QString Fitness = QStringLiteral("Fitness");
inline const QString Scrolling = QStringLiteral("Scrolling");

inline const QString PersonalInformation = QStringLiteral("Personal Information");
inline const QString FirstName = QStringLiteral("FirstName");
inline const QString LastName = QStringLiteral("LastName");
inline const QString Weight = QStringLiteral("Weight");
inline const QString Age = QStringLiteral("Age");
inline const QString HFeet = QStringLiteral("HFeet");
inline const QString HInches = QStringLiteral("HInches");
inline const QString Sex = QStringLiteral("Sex");
inline const QString Met = QStringLiteral("Met");

inline const QString Goals = QStringLiteral("Goals");
inline const QString ChartInfo = QStringLiteral("Chart Info");
inline const QString BMIInfo = QStringLiteral("BMI Info");
inline const QString BMIChart = QStringLiteral("BMI Chart");
inline const QString FitnessGraph = QStringLiteral("Fitness Graph");

} // namespace SettingKeys
