#include "FoodDay.h"

#include "FoodRecords.h"

#include "common/DateText.h"
#include "common/NumberText.h"
#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "common/RecordWriter.h"
#include "workouts/RecordList.h"

#include <QLocale>

const QString FoodDay::kJournalFileName = QStringLiteral("FoodEnergy.txt");

double FoodDayRecord::eaten() const
{
    return FoodDay::itemCalories(caloriesValue, servingsValue);
}

QString FoodDayRecord::productText() const
{
    return NumberText::dbl(product());
}

QString FoodDayRecord::productShown() const
{
    const QLocale locale;
    QString text = productText();
    text.replace(u'.', locale.decimalPoint());
    if (text.startsWith(u'-'))
        text.replace(0, 1, locale.negativeSign());
    return text;
}

bool FoodDayRecord::sameFood(const FoodDayRecord &other) const
{
    return category == other.category && food == other.food && calories == other.calories
           && servings == other.servings;
}

QString FoodDay::fileName(const QDate &date)
{
    return QStringLiteral("Food") + DateText::medium(date) + QStringLiteral(".txt");
}

QString FoodDay::path(const QString &dataFolder, const QDate &date)
{
    return RecordFile::path(dataFolder, fileName(date));
}

namespace {

// A number field of a day record: a number of 0 or more.
double numberOf(const QString &text, const char *what, const RecordReader &r, int line)
{
    const auto value = NumberText::parse(text);
    if (!value || *value < 0)
        throw RecordFileError(RecordFileError::TypeMismatch, r.fileName(),
                              QStringLiteral("\"%1\" is not a number of %2").arg(text, QLatin1String(what)), line);
    return *value;
}

FoodDayRecord readRecord(RecordReader &r)
{
    FoodDayRecord rec;
    rec.line = r.line();
    rec.date = r.readText();
    rec.category = r.readText();
    rec.food = r.readText();
    int line = r.line();
    rec.calories = r.readText();
    rec.caloriesValue = numberOf(rec.calories, "calories", r, line);
    line = r.line();
    rec.servings = r.readText();
    rec.servingsValue = numberOf(rec.servings, "servings", r, line);
    return rec;
}

} // namespace

QList<FoodDayRecord> FoodDay::parse(const QByteArray &bytes, const QString &fileName, bool *complete)
{
    return readRecords<FoodDayRecord>(bytes, fileName, readRecord, complete);
}

QList<FoodDayRecord> FoodDay::read(const QString &dataFolder, const QDate &date)
{
    const QString file = path(dataFolder, date);
    return parse(RecordFile::read(file), file);
}

FoodDay::Reading FoodDay::readAll(const QString &dataFolder, const QDate &date)
{
    const QString file = path(dataFolder, date);
    Reading reading;
    reading.records = foodRecordsOf<FoodDayRecord>(file, readRecord, reading.problem);
    return reading;
}

std::optional<RecordFileError> FoodDay::scan(const QByteArray &bytes, const QString &fileName, const Visit &visit)
{
    return forEachReadable<FoodDayRecord>(bytes, fileName, readRecord, [&visit](const FoodDayRecord &record) {
        visit(record);
        return true;
    });
}

QString FoodDay::sum(const QString &dataFolder, const QDate &date, const Add &add)
{
    const QString file = path(dataFolder, date);
    try {
        std::optional<RecordFileError> tooLarge;
        auto damage = scan(RecordFile::read(file), file, [&](const FoodDayRecord &food) {
            if (!add(food) && !tooLarge)
                tooLarge = RecordFileError(RecordFileError::Overflow, file,
                                           QStringLiteral("%1 calories do not fit").arg(food.productText()),
                                           food.line);
        });
        if (tooLarge && (!damage || tooLarge->line() < damage->line()))
            damage = tooLarge;
        if (damage)
            return damage->message() + QStringLiteral(" The foods that could not be read are left out.");
    } catch (const RecordFileError &e) {
        return e.message();
    }
    return QString();
}

QByteArray FoodDay::line(const FoodDayRecord &record)
{
    return line(record.date, record.category, record.food, record.calories, record.servings);
}

QByteArray FoodDay::line(const QString &dateText, const QString &category, const QString &food,
                         const QString &calories, const QString &servings)
{
    return RecordWriter::line({RecordValue::text(dateText), RecordValue::text(category), RecordValue::text(food),
                               RecordValue::text(calories), RecordValue::text(servings)});
}

double FoodDay::itemCalories(double calories, double servings)
{
    return NumberText::roundHalfEven(calories * servings);
}
