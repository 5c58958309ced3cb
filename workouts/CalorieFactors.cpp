#include "CalorieFactors.h"

#include "RecordList.h"

#include "common/LastParse.h"
#include "common/RecordFile.h"
#include "common/RecordWriter.h"

const QString CalorieFactors::kFileName = QStringLiteral("BurnnedCalories.txt");
const QString CalorieFactors::kWeightTraining = QStringLiteral("Weight training");

QList<CalorieFactors::Pair> CalorieFactors::parse(const QByteArray &bytes, const QString &fileName)
{
    // Every save of a workout reads the factors again, as they were.
    static LastParse<QList<Pair>> last;
    return last.get(bytes, fileName, [&] {
        return readRecords<Pair>(bytes, fileName, [](RecordReader &r) {
            Pair p;
            p.name = r.readText();
            p.factor = r.readDouble();
            return p;
        });
    });
}

QList<CalorieFactors::Pair> CalorieFactors::read(const QString &dataFolder)
{
    const QString p = path(dataFolder);
    return parse(RecordFile::read(p), p);
}

QString CalorieFactors::path(const QString &dataFolder)
{
    return RecordFile::path(dataFolder, kFileName);
}

double CalorieFactors::lookup(const QList<Pair> &pairs, const QString &name)
{
    for (const Pair &p : pairs) {
        if (p.name == name)
            return p.factor;
    }
    return 0;
}

QString CalorieFactors::tooLarge(const QString &name)
{
    return QStringLiteral("The calorie factor of %1 in %2 is too large: the calories of this workout are too "
                          "large to record.")
        .arg(name, kFileName);
}

QByteArray CalorieFactors::line(const QString &name, double factor)
{
    return RecordWriter::line({RecordValue::text(name), RecordValue::dbl(factor)});
}
