#include "CustomExercise.h"

#include "CalorieFactors.h"
#include "ExerciseLogName.h"
#include "common/FileBatch.h"
#include "WeightCatalogue.h"

#include "common/NumberText.h"
#include "common/RecordFileError.h"

const QString CustomExercise::kNamePrompt = QStringLiteral("Enter Exercise Name");
const QString CustomExercise::kNoName =
    QStringLiteral("You must enter a name for the exercise you have picked.");
const QString CustomExercise::kAdded = QStringLiteral("Your Custom Excercise Has Been Added");
const QString CustomExercise::kBadName =
    QStringLiteral("The name of the exercise may not hold a double quote, a slash, a backslash or a "
                   "control character.");
const QString CustomExercise::kBadText =
    QStringLiteral("The description of the exercise may not hold a double quote or a control character.");
const QString CustomExercise::kBadSets =
    QStringLiteral("The number of sets must be a whole number from 1 to 5.");
const QString CustomExercise::kBadGroup =
    QStringLiteral("The muscle category must be one of Biceps, Triceps, Shoulders, Back, Chest and Legs.");

CustomExercise::Outcome CustomExercise::add(const QString &dataFolder, const Input &input)
{
    if (input.name == kNamePrompt || input.name.trimmed().isEmpty())
        return {kNoName};
    if (!ExerciseLogName::usableName(input.name))
        return {kBadName};
    if (!ExerciseLogName::usableText(input.description))
        return {kBadText};
    if (!WeightCatalogue::groups().contains(input.group))
        return {kBadGroup};
    const auto sets = WeightCatalogue::setsFromBox(input.sets);
    if (!sets)
        return {kBadSets};

    const QString name = input.name.trimmed();
    const WeightExercise exercise{WeightCatalogue::codeOf(input.group), name, input.description,
                                  NumberText::whole(*sets)};
    if (!ExerciseLogName::fitsFileName(dataFolder, exercise.code, exercise.name))
        return {ExerciseLogName::kTooLong};
    const QString cataloguePath = WeightCatalogue::path(dataFolder);
    const QString factorPath = CalorieFactors::path(dataFolder);
    FileBatch batch;
    try {
        const QList<WeightExercise> catalogue =
            WeightCatalogue::parse(batch.read(cataloguePath), cataloguePath);
        if (WeightCatalogue::containsName(catalogue, name))
            return {ExerciseLogName::alreadyCreated(name)};
        CalorieFactors::parse(batch.read(factorPath), factorPath);

        batch.append(cataloguePath, WeightCatalogue::line(exercise, WeightCatalogue::SetsAs::Number));
        batch.create(ExerciseLogName::path(dataFolder, exercise.code, exercise.name));
        batch.append(factorPath, CalorieFactors::line(name, CalorieFactors::kCustomWeightFactor));
        batch.commit();
    } catch (const RecordFileError &e) {
        return {e.message()};
    }
    return {};
}
