#pragma once

#include <QtGlobal>
#include <optional>

class Settings;

// The body weight in pounds kept in the settings as a text ("Personal
// Information"/"Weight"), 95 when missing, and the two ways its readers take
// it. A weight is a number from 0 to 32767; anything else reads as 95.
namespace BodyWeight {

constexpr qint16 kDefault = 95;
constexpr qint16 kLowest = 0;
constexpr qint16 kHighest = 32767;

// The stored text as a number, whatever its size; none when it is no number.
std::optional<double> stored(const Settings &settings);

// As the calorie calculations multiply by it: the number itself.
float pounds(const Settings &settings);

// As the profile and goal windows show it: the nearest whole number, a half
// going to the even one.
qint16 wholePounds(const Settings &settings);

} // namespace BodyWeight
