#include "FoodDay.h"

#include "FoodRecords.h"

#include "common/DateText.h"
#include "common/NumberText.h"
#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "common/RecordWriter.h"
#include "common/Windows1252.h"
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

FoodDayRecord readOne(RecordReader &r)
{
    FoodDayRecord rec;
    rec.line = r.line();
    // Nearly every record stands as the entry window wrote it: read in one
    // pass, its numbers plain ones of 0 or more.
    RecordReader::PlainField plain[5];
    if (r.readPlainLine<'t', 't', 't', 'u', 'u'>(plain)) {
        rec.date = Windows1252::decode(plain[0].bytes);
        rec.category = Windows1252::decode(plain[1].bytes);
        rec.food = Windows1252::decode(plain[2].bytes);
        rec.calories = Windows1252::decode(plain[3].bytes);
        rec.servings = Windows1252::decode(plain[4].bytes);
        rec.caloriesValue = NumberText::parse(plain[3].bytes).value_or(0);
        rec.servingsValue = NumberText::parse(plain[4].bytes).value_or(0);
        return rec;
    }
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

FoodDayRecord FoodDay::readRecord(RecordReader &reader)
{
    return readOne(reader);
}

QList<FoodDayRecord> FoodDay::parse(const QByteArray &bytes, const QString &fileName, bool *complete)
{
    return readRecords<FoodDayRecord>(bytes, fileName, readOne, complete);
}

qsizetype FoodDay::count(const QByteArray &bytes, const QString &fileName)
{
    qsizetype records = 0;
    forEachRecord<VerbatimRecord>(
        bytes, fileName,
        [](RecordReader &r) {
            if (!r.readPlainLine<'t', 't', 't', 'u', 'u'>())
                readOne(r);
            return VerbatimRecord{};
        },
        [&records](const VerbatimRecord &) { ++records; });
    return records;
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
    reading.records = foodRecordsOf<FoodDayRecord>(file, readOne, reading.problem);
    return reading;
}

std::optional<RecordFileError> FoodDay::scan(const QByteArray &bytes, const QString &fileName, const Visit &visit)
{
    return forEachReadable<FoodDayRecord>(bytes, fileName, readOne, [&visit](const FoodDayRecord &record) {
        visit(record);
        return true;
    });
}

std::optional<RecordFileError> FoodDay::scanFoods(const QByteArray &bytes, const QString &fileName,
                                                  const VisitFood &visit)
{
    // A record that stands as the entry window wrote it gives its numbers
    // in one pass; any other is read whole, with the errors of parse().
    struct Read
    {
        Food food;
        QByteArray category; // the bytes of a record read whole
    };
    return forEachReadable<Read>(
        bytes, fileName,
        [](RecordReader &r) {
            Read read;
            read.food.line = r.line();
            RecordReader::PlainField plain[5];
            if (r.readPlainLine<'t', 't', 't', 'u', 'u'>(plain)) {
                read.food.category = plain[1].bytes;
                read.food.calories = NumberText::parse(plain[3].bytes).value_or(0);
                read.food.servings = NumberText::parse(plain[4].bytes).value_or(0);
                return read;
            }
            const FoodDayRecord record = readOne(r);
            read.category = Windows1252::encode(record.category);
            read.food.calories = record.caloriesValue;
            read.food.servings = record.servingsValue;
            return read;
        },
        [&visit](Read &&read) {
            if (!read.category.isNull())
                read.food.category = read.category;
            visit(read.food);
            return true;
        });
}

namespace {

// Reads the day's file with `scan`, giving each food to `add`; a food `add`
// cannot take is left out and named by its product, as is damage.
template<typename Scan>
QString sumDay(const QString &file, Scan scan)
{
    try {
        std::optional<RecordFileError> tooLarge;
        auto damage = scan(RecordFile::read(file), [&](bool added, double product, int line) {
            if (!added && !tooLarge)
                tooLarge = RecordFileError(RecordFileError::Overflow, file,
                                           QStringLiteral("%1 calories do not fit").arg(NumberText::dbl(product)), line);
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

} // namespace

QString FoodDay::sum(const QString &dataFolder, const QDate &date, const Add &add)
{
    const QString file = path(dataFolder, date);
    return sumDay(
        file,
        [&](const QByteArray &bytes, const auto &took) {
            return scan(bytes, file, [&](const FoodDayRecord &food) { took(add(food), food.product(), food.line); });
        });
}

QString FoodDay::sumFoods(const QString &dataFolder, const QDate &date, const AddFood &add)
{
    const QString file = path(dataFolder, date);
    return sumDay(
        file,
        [&](const QByteArray &bytes, const auto &took) {
            return scanFoods(bytes, file, [&](const Food &food) {
                took(add(food), food.calories * food.servings, food.line);
            });
        });
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
