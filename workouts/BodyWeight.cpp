#include "BodyWeight.h"

#include "common/NumberText.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"

float BodyWeight::pounds(const Settings &settings)
{
    const QString text = settings.get(SettingKeys::PersonalInformation, SettingKeys::Weight,
                                      QStringLiteral("95"));
    const auto v = NumberText::parse(text);
    if (!v || *v < 0 || *v > 32767)
        return kDefault;
    return float(*v);
}
