#include "PendingFoods.h"

#include "common/RecordFile.h"
#include "common/RecordReader.h"
#include "common/RecordWriter.h"

#include <utility>

const QString PendingFoods::kFileName = QStringLiteral("TempFood.txt");

QString PendingFoods::path(const QString &dataFolder)
{
    return RecordFile::path(dataFolder, kFileName);
}

QByteArray PendingFoods::emptyForm()
{
    return RecordWriter::emptyLine();
}

QByteArray PendingFoods::line(const PendingFoodRecord &record)
{
    return RecordWriter::line({RecordValue::date(record.date), RecordValue::text(record.category),
                               RecordValue::text(record.food), RecordValue::text(record.calories),
                               RecordValue::text(record.servings)});
}

QList<PendingFoodRecord> PendingFoods::parse(const QByteArray &bytes, const QString &fileName)
{
    QList<PendingFoodRecord> out;
    out.reserve(lineCount(bytes));
    RecordReader r(bytes, fileName);
    // The empty first line is one empty field; whatever stands there is
    // dropped with it.
    if (!r.atEnd())
        r.readField();
    while (!r.atEndOrBlank()) {
        PendingFoodRecord rec;
        rec.line = r.line();
        rec.date = r.readDate();
        rec.category = r.readText();
        rec.food = r.readText();
        rec.calories = r.readText();
        rec.servings = r.readText();
        out.append(std::move(rec));
    }
    return out;
}
