#include "CustomAerobic.h"

#include "AerobicCatalogue.h"
#include "CalorieFactors.h"
#include "ExerciseLogName.h"
#include "common/BodyWeight.h"
#include "common/FileBatch.h"

#include "common/NumberText.h"
#include "common/RecordFileError.h"

#include <cmath>

const QString CustomAerobic::kNamePrompt = QStringLiteral("Place Excersice Name Here");
const QString CustomAerobic::kIncomplete = QStringLiteral("You must fill in all the information correctly");
const QString CustomAerobic::kAdded = QStringLiteral("Your Custom Excercise Has Been Added");
const QString CustomAerobic::kBadName =
    QStringLiteral("The name of the activity may not hold a double quote, a slash, a backslash or a "
                   "control character.");
const QString CustomAerobic::kNoWeight =
    QStringLiteral("Your body weight is 0. Please enter it under File > Setup before you make an "
                   "activity of your own.");

namespace {

// The factor is kept as a fixed-point number with four decimals; beyond its
// range it cannot be stored.
constexpr double kLargestFactor = 922337203685477.0;

// A box's number when it lies within its spinner's range.
std::optional<double> within(const QString &text, double lowest, double highest)
{
    const auto v = NumberText::parse(text);
    if (!v || !std::isfinite(*v) || *v < lowest || *v > highest)
        return std::nullopt;
    return v;
}

} // namespace

double CustomAerobic::factor(double calories, double minutes, double bodyWeight)
{
    double f = NumberText::roundHalfEven(calories / minutes / bodyWeight, 4);
    if (f > 1)
        f = NumberText::roundHalfEven(f / 10, 4);
    return f;
}

CustomAerobic::Outcome CustomAerobic::add(const QString &dataFolder, const Settings &settings,
                                          const Input &input)
{
    const QString name = input.name;
    if (name == kNamePrompt || name.trimmed().isEmpty() || !AerobicClass::isClassCode(input.code)
        || (!input.distanceAndTime && !input.timeOnly))
        return Outcome{kIncomplete};
    if (!ExerciseLogName::usableName(name))
        return Outcome{kBadName};
    if (!ExerciseLogName::fitsFileName(dataFolder, input.code, name))
        return Outcome{ExerciseLogName::kTooLong};
    const auto calories = within(input.calories, kLeastCalories, kMostCalories);
    const auto minutes = within(input.minutes, kLeastMinutes, kMostMinutes);
    if (!calories || !minutes)
        return Outcome{kIncomplete};
    const double weight = BodyWeight::pounds(settings);
    if (weight <= 0)
        return Outcome{kNoWeight};
    const double perMinute = *calories / *minutes / weight;
    if (!std::isfinite(perMinute) || perMinute > kLargestFactor)
        return Outcome{kIncomplete};
    const double f = factor(*calories, *minutes, weight);
    const QString pairName = name.trimmed();

    try {
        FileBatch batch;
        const QString cataloguePath = AerobicCatalogue::path(dataFolder);
        const QString factorsPath = CalorieFactors::path(dataFolder);
        const QList<AerobicActivity> catalogue =
            AerobicCatalogue::parse(batch.read(cataloguePath), cataloguePath);
        if (AerobicCatalogue::containsName(catalogue, name))
            return Outcome{ExerciseLogName::alreadyCreated(name)};
        // The lookup takes the first pair of a name, so a second pair of the
        // same name would never be used.
        for (const CalorieFactors::Pair &p : CalorieFactors::parse(batch.read(factorsPath), factorsPath)) {
            if (p.name == pairName)
                return Outcome{QStringLiteral("%1 has a calorie factor already, which would be used "
                                              "in place of yours. Please choose another name.")
                                   .arg(pairName)};
        }
        const AerobicActivity activity{input.code, name, true, input.distanceAndTime, input.terrain};
        batch.append(cataloguePath, AerobicCatalogue::line(activity));
        batch.create(ExerciseLogName::path(dataFolder, activity.code, activity.name));
        batch.append(factorsPath, CalorieFactors::line(pairName, f));
        batch.commit();
    } catch (const RecordFileError &e) {
        return Outcome{e.message()};
    }
    return Outcome{};
}
