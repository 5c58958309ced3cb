#include "BodyWeight.h"

#include "NumberText.h"
#include "SettingKeys.h"
#include "Settings.h"

std::optional<double> BodyWeight::stored(const Settings &settings)
{
    return NumberText::parse(
        settings.get(SettingKeys::PersonalInformation, SettingKeys::Weight, QString::number(kDefault)));
}

float BodyWeight::pounds(const Settings &settings)
{
    const auto v = stored(settings);
    if (!v || *v < kLowest || *v > kHighest)
        return kDefault;
    return float(*v);
}

qint16 BodyWeight::wholePounds(const Settings &settings)
{
    const auto v = stored(settings);
    if (!v)
        return kDefault;
    const double whole = NumberText::roundHalfEven(*v);
    if (whole < kLowest || whole > kHighest)
        return kDefault;
    return qint16(whole);
}
