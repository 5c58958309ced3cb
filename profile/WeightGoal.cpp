#include "WeightGoal.h"

#include "BoxNumber.h"

#include "common/DateText.h"
#include "common/SettingKeys.h"
#include "common/Settings.h"

#include <limits>

const QString WeightGoal::kGoalWeightKey = QStringLiteral("GoalWeight");
const QString WeightGoal::kGoalDateKey = QStringLiteral("GoalDate");
const QString WeightGoal::kDefaultGoalWeight = QStringLiteral("95");

const QString WeightGoal::kTodayMessage = QStringLiteral(
    "You cannot use today's date as your goal date to reach your preferred weight");
const QString WeightGoal::kTooFastMessage =
    QStringLiteral("you can't loose that much weight in that short a time");
const QString WeightGoal::kAcceptedMessage =
    QStringLiteral("Kestrava Pulsar will help you to achieve your goal, Good luck.");
const QString WeightGoal::kNotANumberMessage =
    QStringLiteral("Your goal weight must be a number of pounds from 1 to 32767.");

namespace {

constexpr double kLowestGoal = 1;
constexpr double kHighestGoal = 32767;

std::optional<double> usableGoal(const QString &text)
{
    const auto v = BoxNumber::value(text);
    if (!v || *v < kLowestGoal || *v > kHighestGoal)
        return std::nullopt;
    return v;
}

} // namespace

WeightGoal::Verdict WeightGoal::judge(double currentWeight, double goalWeight, qint64 days)
{
    if (days == 0)
        return Verdict::GoalDateIsToday;
    const double rate = (currentWeight - goalWeight) / double(days);
    return rate > kMostLossPerDay ? Verdict::TooFast : Verdict::Accepted;
}

WeightGoal::Outcome WeightGoal::enter(Settings &settings, qint16 currentWeight,
                                      const QString &goalText, const QDate &goalDate,
                                      const QDate &today)
{
    Outcome out;
    const auto goal = usableGoal(goalText);
    if (!goal) {
        out.message = kNotANumberMessage;
        return out;
    }
    switch (judge(currentWeight, *goal, today.daysTo(goalDate))) {
    case Verdict::GoalDateIsToday:
        out.message = kTodayMessage;
        break;
    case Verdict::TooFast:
        out.message = kTooFastMessage;
        out.goalBoxText = settings.get(SettingKeys::Goals, kGoalWeightKey, kDefaultGoalWeight);
        break;
    case Verdict::Accepted:
        out.message = kAcceptedMessage;
        settings.set(SettingKeys::Goals, kGoalWeightKey, goalText);
        settings.set(SettingKeys::Goals, kGoalDateKey, DateText::shortDate(goalDate));
        out.stored = true;
        break;
    }
    return out;
}

QString WeightGoal::storedGoalWeight(const Settings &settings, const QString &fallback)
{
    const QString text = settings.get(SettingKeys::Goals, kGoalWeightKey, fallback);
    return usableGoal(text) ? text : fallback;
}

QDate WeightGoal::storedGoalDate(const Settings &settings, const QDate &today)
{
    const QString text = settings.get(SettingKeys::Goals, kGoalDateKey, QString());
    return DateText::parseShort(text).value_or(today);
}

qint16 WeightGoal::storedMet(const Settings &settings)
{
    const QString text = settings.get(SettingKeys::PersonalInformation, SettingKeys::Met,
                                      QStringLiteral("0"));
    return BoxNumber::nearest(text, std::numeric_limits<qint16>::min(),
                              std::numeric_limits<qint16>::max())
        .value_or(0);
}

QString WeightGoal::saveMet(Settings &settings, const QString &metText)
{
    const auto v = BoxNumber::nearest(metText, std::numeric_limits<qint16>::min(),
                                      std::numeric_limits<qint16>::max());
    if (!v)
        return QStringLiteral("The metabolic adjustment must be a whole number from -32768 to "
                              "32767. The stored adjustment was kept.");
    settings.set(SettingKeys::PersonalInformation, SettingKeys::Met, QString::number(*v));
    return QString();
}
