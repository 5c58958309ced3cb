#pragma once

class Settings;

// The body weight in pounds that the calorie calculations use: the setting
// "Personal Information"/"Weight" as a number, 95 when it is missing or is
// no number from 0 to 32767.
namespace BodyWeight {

constexpr float kDefault = 95;
float pounds(const Settings &settings);

} // namespace BodyWeight
