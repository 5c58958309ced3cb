#include "GraphSettings.h"

#include "common/NumberText.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"

#include <limits>

namespace GraphSettings {

namespace {

const QStringList kOrdinals = {QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three"),
                               QStringLiteral("Four"), QStringLiteral("Five")};

QString previousXKey(int series)
{
    return QStringLiteral("preX") + kOrdinals[series - 1];
}

} // namespace

QString flagText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

bool flag(const Settings &settings, const QString &key, bool fallback)
{
    const QString text = settings.get(SettingKeys::ChartInfo, key, flagText(fallback)).trimmed();
    if (text.compare(flagText(true), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(flagText(false), Qt::CaseInsensitive) == 0)
        return false;
    return fallback;
}

void setFlag(Settings &settings, const QString &key, bool value)
{
    settings.set(SettingKeys::ChartInfo, key, flagText(value));
}

const QStringList &fitnessGraphKeys()
{
    static const QStringList keys = [] {
        QStringList out;
        for (const QString &stem : {QStringLiteral("Weight"), QStringLiteral("Set"), QStringLiteral("LastWeight"),
                                    QStringLiteral("FirstWeight"), QStringLiteral("preX")})
            for (const QString &ordinal : kOrdinals)
                out.append(stem + ordinal);
        return out;
    }();
    return keys;
}

std::array<int, 6> previousX(const Settings &settings)
{
    std::array<int, 6> out{};
    for (int series = 1; series <= 5; ++series) {
        const auto value =
            NumberText::parse(settings.get(SettingKeys::FitnessGraph, previousXKey(series), QStringLiteral("0")));
        if (!value)
            continue;
        const double whole = NumberText::roundHalfEven(*value);
        if (whole >= std::numeric_limits<qint16>::min() && whole <= std::numeric_limits<qint16>::max())
            out[size_t(series)] = int(whole);
    }
    return out;
}

void clearFitnessGraph(Settings &settings)
{
    for (const QString &key : fitnessGraphKeys())
        settings.set(SettingKeys::FitnessGraph, key, QStringLiteral("0"));
}

} // namespace GraphSettings
