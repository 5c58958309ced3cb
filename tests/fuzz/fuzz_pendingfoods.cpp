// The pending-food file TempFood.txt: any bytes either fail to read with a
// RecordFileError naming the file or give picks. Enter of the picks the file
// holds, as a window showing them makes it, files every one of them after
// the day's foods, texts unchanged, with their total in the journal, and
// empties the file, or is refused and changes no file; Enter of picks the
// file does not hold is refused with the message naming the file (none
// shown: nothing is filed, the file is emptied).
#include "FuzzCheck.h"

#include "common/DateText.h"
#include "common/RecordFileError.h"
#include "nutrition/FoodDay.h"
#include "nutrition/FoodEntry.h"
#include "nutrition/PendingFoods.h"
#include "workouts/CalorieJournal.h"

#include <QFileInfo>

#include <cstddef>
#include <cstdint>

namespace {

const QDate kDay(2026, 12, 7);

bool exists(const QString &name)
{
    return QFileInfo::exists(QDir(Fuzz::folder()).filePath(name));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString name = PendingFoods::kFileName;
    const QString dayFile = FoodDay::fileName(kDay);
    const QString journal = FoodDay::kJournalFileName;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<PendingFoodRecord> picks;
    try {
        picks = PendingFoods::parse(bytes, name);
    } catch (const RecordFileError &e) {
        FUZZ_CHECK(e.message().contains(name));
        return 0;
    }
    for (const PendingFoodRecord &p : picks)
        FUZZ_CHECK(p.date.isValid());

    // A window showing one pick fewer than the file holds.
    if (!picks.isEmpty()) {
        Fuzz::putOnly(name, bytes);
        const FoodEntry::Entered e = FoodEntry::enter(Fuzz::folder(), kDay, picks.first(picks.size() - 1));
        if (picks.size() == 1) {
            FUZZ_CHECK(e.ok() && e.foods == 0);
            FUZZ_CHECK(Fuzz::contents(name) == PendingFoods::emptyForm());
        } else {
            FUZZ_CHECK(e.refusal == FoodEntry::kPicksChanged);
            FUZZ_CHECK(Fuzz::contents(name) == bytes);
        }
        FUZZ_CHECK(!exists(dayFile) && !exists(journal));
    }

    // A window showing what the file holds.
    Fuzz::putOnly(name, bytes);
    const FoodEntry::Entered e = FoodEntry::enter(Fuzz::folder(), kDay, picks);
    if (!e.ok()) {
        FUZZ_CHECK(Fuzz::contents(name) == bytes);
        FUZZ_CHECK(!exists(dayFile) && !exists(journal));
        return 0;
    }
    FUZZ_CHECK(Fuzz::contents(name) == PendingFoods::emptyForm());
    FUZZ_CHECK(e.foods == picks.size());
    if (picks.isEmpty()) {
        FUZZ_CHECK(!exists(dayFile) && !exists(journal));
        return 0;
    }
    const QList<FoodDayRecord> filed = FoodDay::parse(Fuzz::contents(dayFile), dayFile);
    FUZZ_CHECK(filed.size() == picks.size());
    double total = 0;
    for (qsizetype i = 0; i < filed.size(); ++i) {
        const FoodDayRecord &f = filed[i];
        const PendingFoodRecord &p = picks[i];
        FUZZ_CHECK(f.date == DateText::medium(kDay) && f.category == p.category && f.food == p.food
                   && f.calories == p.calories && f.servings == p.servings);
        total += f.eaten();
    }
    FUZZ_CHECK(total == e.total && total <= FoodEntry::kMostTotal);
    const QList<CalorieJournalEntry> entries = CalorieJournal::parse(Fuzz::contents(journal), journal);
    FUZZ_CHECK(entries.size() == (e.total != 0 ? 1 : 0));
    if (e.total != 0)
        FUZZ_CHECK(entries.first().date == kDay && entries.first().calories == e.total);
    return 0;
}
