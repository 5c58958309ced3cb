#include "FoodDeletion.h"

#include "common/FileBatch.h"
#include "common/NumberText.h"
#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "common/RecordWriter.h"
#include "workouts/CalorieJournal.h"

const QString FoodDeletion::kNotNumbers =
    QStringLiteral("This food cannot be deleted: its calories or servings are not numbers.");

double FoodDeletion::correction(double calories, double servings)
{
    const double v = -(calories * servings);
    return v == 0 ? 0.0 : v;
}

FoodDeletion::Outcome FoodDeletion::remove(const QString &dataFolder, const QDate &date, const FoodDayRecord &row)
{
    const auto calories = NumberText::parse(row.calories);
    const auto servings = NumberText::parse(row.servings);
    if (!calories || !servings)
        return Outcome{kNotNumbers};
    const double v = correction(*calories, *servings);
    try {
        FileBatch batch;
        const QString dayPath = FoodDay::path(dataFolder, date);
        const QByteArray bytes = batch.read(dayPath);
        const QList<FoodDayRecord> records = FoodDay::parse(bytes, dayPath);
        qsizetype found = -1;
        for (qsizetype i = 0; i < records.size() && found < 0; ++i) {
            if (records[i].sameFood(row))
                found = i;
        }
        if (found < 0)
            return Outcome{};
        // The other records in their order, as they stood.
        RecordWriter out;
        out.reserve(bytes.size());
        for (qsizetype i = 0; i < records.size(); ++i) {
            const FoodDayRecord &r = records[i];
            if (i == found || out.copy(bytes, r.verbatim))
                continue;
            for (const QString *text : {&r.date, &r.category, &r.food, &r.calories, &r.servings})
                RecordWriter::requireWritable(*text, dayPath, r.line);
            out.writeRaw(FoodDay::line(r));
        }
        batch.write(dayPath, out.bytes());
        CalorieJournal::stageInsertExact(batch, RecordFile::path(dataFolder, FoodDay::kJournalFileName), date, v);
        batch.commit();
    } catch (const RecordFileError &e) {
        return Outcome{e.message()};
    }
    return Outcome{QString(), true, v};
}
