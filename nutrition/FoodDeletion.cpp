#include "FoodDeletion.h"

#include "common/FileBatch.h"
#include "common/NumberText.h"
#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "common/RecordReader.h"
#include "common/RecordWriter.h"
#include "common/Windows1252.h"
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
        // One pass: each record is checked and written before the next; one
        // that stands as the entry window wrote it is compared by its bytes
        // and copied as it is.
        const QByteArray category = Windows1252::encode(row.category);
        const QByteArray food = Windows1252::encode(row.food);
        const QByteArray calories = Windows1252::encode(row.calories);
        const QByteArray servings = Windows1252::encode(row.servings);
        // A text the files cannot hold matches no record's bytes.
        const bool storable = Windows1252::decode(category) == row.category && Windows1252::decode(food) == row.food
                              && Windows1252::decode(calories) == row.calories
                              && Windows1252::decode(servings) == row.servings;
        RecordWriter out;
        out.reserve(bytes.size());
        bool found = false;
        RecordReader r(bytes, dayPath);
        while (!r.atEndOrBlank()) {
            r.beginRecord();
            RecordReader::PlainField plain[5];
            if (r.readPlainLine<'t', 't', 't', 'u', 'u'>(plain)) {
                if (!found && storable && plain[1].bytes == category && plain[2].bytes == food && plain[3].bytes == calories
                    && plain[4].bytes == servings) {
                    found = true;
                    continue;
                }
                out.copy(bytes, r.verbatim());
                continue;
            }
            const FoodDayRecord record = FoodDay::readRecord(r);
            if (!found && record.sameFood(row)) {
                found = true;
                continue;
            }
            if (out.copy(bytes, r.verbatim()))
                continue;
            for (const QString *text : {&record.date, &record.category, &record.food, &record.calories, &record.servings})
                RecordWriter::requireWritable(*text, dayPath, record.line);
            out.writeRaw(FoodDay::line(record));
        }
        if (!found)
            return Outcome{};
        batch.write(dayPath, out.bytes());
        CalorieJournal::stageInsertExact(batch, RecordFile::path(dataFolder, FoodDay::kJournalFileName), date, v);
        batch.commit();
    } catch (const RecordFileError &e) {
        return Outcome{e.message()};
    }
    return Outcome{QString(), true, v};
}
