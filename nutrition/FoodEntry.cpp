#include "FoodEntry.h"

#include "FoodDay.h"
#include "FoodRecords.h"

#include "common/DateText.h"
#include "common/FileBatch.h"
#include "common/NumberText.h"
#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "common/RecordWriter.h"
#include "workouts/CalorieJournal.h"

#include <algorithm>
#include <cmath>

const QString FoodEntry::kBadServings = QStringLiteral("The servings must be a number from 0 to 100.");
const QString FoodEntry::kTooMuch =
    QStringLiteral("The foods picked can have at most 32767 calories: enter them before picking more.");
const QString FoodEntry::kPicksChanged =
    QStringLiteral("The file TempFood.txt no longer holds the foods chosen here: another copy of the program may "
                   "have changed it. Nothing was entered; clear the list and choose the foods again.");

std::optional<QString> FoodEntry::servingsText(const QString &typed)
{
    const auto value = NumberText::parse(typed);
    if (!value || !std::isfinite(*value) || *value < 0 || *value > kMostServings)
        return std::nullopt;
    return NumberText::dbl(*value);
}

FoodEntry::Pick FoodEntry::pick(const QString &dataFolder, const QDate &date, const FoodGroup &group,
                                const FoodListRecord &food, const QString &multiplier, qint32 total)
{
    const auto servings = servingsText(multiplier);
    if (!servings)
        return Pick{kBadServings, {}, 0};
    const double calories = FoodDay::itemCalories(food.calories, *NumberText::parse(*servings));
    if (!std::isfinite(calories) || double(total) + calories > kMostTotal)
        return Pick{kTooMuch, {}, 0};
    const PendingFoodRecord record{date, group.category, food.name, food.caloriesText(), *servings};
    try {
        // A name a hand edit left with a double quote would not read back.
        RecordWriter::requireWritable(food.name, group.listFile, food.line);
        FileBatch batch;
        const QString path = PendingFoods::path(dataFolder);
        if (batch.read(path).isEmpty())
            batch.write(path, PendingFoods::emptyForm());
        batch.append(path, PendingFoods::line(record));
        batch.commit();
    } catch (const RecordFileError &e) {
        return Pick{e.message(), {}, 0};
    }
    return Pick{QString(), record, qint32(calories)};
}

QString FoodEntry::reset(const QString &dataFolder)
{
    try {
        FileBatch batch;
        batch.write(PendingFoods::path(dataFolder), PendingFoods::emptyForm());
        batch.commit();
    } catch (const RecordFileError &e) {
        return e.message();
    }
    return QString();
}

namespace {

// The calories of a pending food; its texts must be numbers of 0 or more.
double caloriesOf(const PendingFoodRecord &p, const QString &file)
{
    const auto calories = NumberText::parse(p.calories);
    const auto servings = NumberText::parse(p.servings);
    if (!calories || *calories < 0 || !servings || *servings < 0)
        throw RecordFileError(RecordFileError::TypeMismatch, file,
                              QStringLiteral("\"%1\" and \"%2\" are not numbers of calories and servings")
                                  .arg(p.calories, p.servings),
                              p.line);
    return FoodDay::itemCalories(*calories, *servings);
}

} // namespace

FoodEntry::Entered FoodEntry::enter(const QString &dataFolder, const QDate &date,
                                    const QList<PendingFoodRecord> &picks)
{
    try {
        FileBatch batch;
        const QString pendingPath = PendingFoods::path(dataFolder);
        const QList<PendingFoodRecord> pending = PendingFoods::parse(batch.read(pendingPath), pendingPath);
        Entered entered;
        if (!picks.isEmpty()) {
            // What is filed is what the window shows, and the file agrees.
            if (!std::equal(pending.cbegin(), pending.cend(), picks.cbegin(), picks.cend(),
                            [](const PendingFoodRecord &a, const PendingFoodRecord &b) { return a.samePick(b); }))
                return Entered{kPicksChanged};
            double total = 0;
            for (const PendingFoodRecord &p : picks) {
                total += caloriesOf(p, pendingPath);
                for (const QString *text : {&p.category, &p.food, &p.calories, &p.servings})
                    RecordWriter::requireWritable(*text, pendingPath, p.line);
            }
            if (total > kMostTotal)
                return Entered{kTooMuch};
            // The day file is read and checked before anything is written.
            const QString dayPath = FoodDay::path(dataFolder, date);
            const QByteArray dayBytes = batch.read(dayPath);
            const QString day = DateText::medium(date);
            QByteArray lines;
            for (const PendingFoodRecord &p : picks)
                lines += FoodDay::line(day, p.category, p.food, p.calories, p.servings);
            batch.write(dayPath, appendRecords(dayBytes, lines, dayPath, FoodDay::count));
            entered.foods = picks.size();
            entered.total = qint32(total);
            if (entered.total != 0)
                CalorieJournal::stageInsert(batch, RecordFile::path(dataFolder, FoodDay::kJournalFileName), date,
                                            float(entered.total));
        }
        batch.write(pendingPath, PendingFoods::emptyForm());
        batch.commit();
        return entered;
    } catch (const RecordFileError &e) {
        return Entered{e.message()};
    }
}
