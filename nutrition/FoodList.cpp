#include "FoodList.h"

#include "FoodRecords.h"

#include "common/FileBatch.h"
#include "common/NumberText.h"
#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "common/RecordReader.h"
#include "common/RecordWriter.h"
#include "common/Windows1252.h"
#include "workouts/ExerciseLogName.h"
#include "workouts/RecordList.h"

#include <cmath>

const QString FoodList::kNamePrompt = QStringLiteral("Enter Name of Food");
const QString FoodList::kNoServing = QStringLiteral("You must enter in the amount of serving");
const QString FoodList::kNoCalories = QStringLiteral("You must enter in the calories");
const QString FoodList::kNoName = QStringLiteral("You must select a name for the food to be entered");
const QString FoodList::kTooLarge =
    QStringLiteral("One serving can have at most 32767 calories: enter more servings or fewer calories.");
const QString FoodList::kNoGroup = QStringLiteral("You must choose one of the five food groups.");
const QString FoodList::kEntered = QStringLiteral("Your Food Has Been Entered Into The Kestrava Pulsar Database");

QString FoodListRecord::caloriesText() const
{
    return heading ? QString() : NumberText::dbl(calories);
}

QString FoodList::path(const QString &dataFolder, const FoodGroup &group)
{
    return RecordFile::path(dataFolder, group.listFile);
}

namespace {

FoodListRecord readRecord(RecordReader &r)
{
    FoodListRecord rec;
    rec.line = r.line();
    rec.name = r.readText();
    const int line = r.line();
    const QByteArray calories = r.readField().bytes.trimmed();
    // Only an empty field makes a heading: a food may have 0 calories.
    if (calories.isEmpty()) {
        rec.heading = true;
        return rec;
    }
    const auto value = NumberText::parse(QByteArrayView(calories));
    if (!value || *value < 0)
        throw RecordFileError(RecordFileError::TypeMismatch, r.fileName(),
                              QStringLiteral("\"%1\" is not a number of calories").arg(Windows1252::decode(calories)),
                              line);
    rec.calories = *value;
    return rec;
}

} // namespace

QList<FoodListRecord> FoodList::parse(const QByteArray &bytes, const QString &fileName, bool *complete)
{
    return readRecords<FoodListRecord>(bytes, fileName, readRecord, complete);
}

FoodList::Reading FoodList::read(const QString &dataFolder, const FoodGroup &group)
{
    const QString file = path(dataFolder, group);
    Reading reading;
    reading.records = foodRecordsOf<FoodListRecord>(file, readRecord, reading.problem);
    return reading;
}

double FoodList::perServing(double calories, double servings)
{
    return NumberText::roundHalfEven(calories / servings);
}

QByteArray FoodList::line(const QString &name, qint64 calories)
{
    return RecordWriter::line({RecordValue::text(name), RecordValue::whole(calories)});
}

QByteArray FoodList::headingLine(const QString &title)
{
    return RecordWriter::line({RecordValue::text(title), RecordValue()});
}

FoodList::Outcome FoodList::check(const QString &groupName, const QString &name, const QString &servingsText,
                                  const QString &caloriesText)
{
    // Neither number may be nothing, no number or below 0.
    const auto servings = NumberText::parse(servingsText);
    if (!servings || *servings <= 0)
        return Outcome{kNoServing};
    const auto calories = NumberText::parse(caloriesText);
    if (!calories || *calories <= 0)
        return Outcome{kNoCalories};
    if (name == kNamePrompt || !ExerciseLogName::usableName(name))
        return Outcome{kNoName};
    const double each = perServing(*calories, *servings);
    if (!std::isfinite(each) || each > kMostCalories)
        return Outcome{kTooLarge};
    if (!FoodGroups::byName(groupName))
        return Outcome{kNoGroup};
    return Outcome{QString(), qint64(each)};
}

FoodList::Outcome FoodList::add(const QString &dataFolder, const QString &groupName, const QString &name,
                                const QString &servingsText, const QString &caloriesText)
{
    const Outcome checked = check(groupName, name, servingsText, caloriesText);
    if (!checked.added())
        return checked;
    try {
        FileBatch batch;
        batch.append(path(dataFolder, *FoodGroups::byName(groupName)), line(name, checked.perServing));
        batch.commit();
    } catch (const RecordFileError &e) {
        return Outcome{e.message()};
    }
    return checked;
}
