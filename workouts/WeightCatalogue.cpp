#include "WeightCatalogue.h"

#include "ExerciseLogName.h"

#include "RecordList.h"

#include "common/LastParse.h"
#include "common/NumberText.h"
#include "common/RecordFile.h"
#include "common/RecordWriter.h"

#include <cmath>

const QString WeightCatalogue::kFileName = QStringLiteral("ExerciseDescription.txt");

qint16 WeightExercise::setCount() const
{
    return WeightCatalogue::setCount(sets);
}

const QStringList &WeightCatalogue::groups()
{
    static const QStringList names = {QStringLiteral("Biceps"), QStringLiteral("Triceps"),
                                      QStringLiteral("Shoulders"), QStringLiteral("Back"),
                                      QStringLiteral("Chest"), QStringLiteral("Legs")};
    return names;
}

QStringList WeightCatalogue::codes()
{
    QStringList out;
    for (const QString &g : groups())
        out.append(codeOf(g));
    return out;
}

bool WeightCatalogue::isGroupCode(const QString &code)
{
    return codes().contains(code);
}

QString WeightCatalogue::codeOf(const QString &group)
{
    return group.left(2);
}

qint16 WeightCatalogue::setCount(const QString &stored)
{
    const auto v = NumberText::parse(stored);
    if (!v)
        return kMostSets;
    const double whole = NumberText::roundHalfEven(*v);
    if (whole >= 1 && whole <= 4)
        return qint16(whole);
    return kMostSets;
}

std::optional<qint16> WeightCatalogue::setsFromBox(const QString &text)
{
    const auto v = NumberText::parse(text);
    if (!v)
        return std::nullopt;
    const double whole = std::floor(*v);
    if (whole < 1 || whole > kMostSets)
        return std::nullopt;
    return qint16(whole);
}

QString WeightCatalogue::path(const QString &dataFolder)
{
    return RecordFile::path(dataFolder, kFileName);
}

QList<WeightExercise> WeightCatalogue::parse(const QByteArray &bytes, const QString &fileName,
                                             bool *complete)
{
    const auto read = [&] {
        return readRecords<WeightExercise>(
            bytes, fileName,
            [&fileName](RecordReader &r) {
                WeightExercise e;
                ExerciseLogName::readCodeAndName(r, e, fileName);
                e.description = r.readText();
                e.sets = r.readText(); // a bare 3 gives its characters too
                return e;
            },
            complete);
    };
    // Every save of a workout reads the catalogue again, as it was.
    static LastParse<QList<WeightExercise>> last;
    return complete ? last.get(bytes, fileName, complete, read) : last.get(bytes, fileName, read);
}

QList<WeightExercise> WeightCatalogue::read(const QString &dataFolder)
{
    const QString p = path(dataFolder);
    return parse(RecordFile::read(p), p);
}

QList<WeightExercise> WeightCatalogue::readUpToDamage(const QString &dataFolder,
                                                     std::optional<RecordFileError> &damage)
{
    const QByteArray bytes = RecordFile::read(path(dataFolder));
    return readAsFarAsWhole([&](bool *complete) { return parse(bytes, kFileName, complete); }, damage);
}

QByteArray WeightCatalogue::line(const WeightExercise &e, SetsAs setsAs)
{
    const RecordValue sets = setsAs == SetsAs::Number ? RecordValue::whole(e.setCount())
                                                      : RecordValue::text(e.sets);
    return RecordWriter::line({RecordValue::text(e.code), RecordValue::text(e.name),
                               RecordValue::text(e.description), sets});
}

std::optional<WeightExercise> WeightCatalogue::find(const QList<WeightExercise> &exercises,
                                                    const QString &code, const QString &name)
{
    for (const WeightExercise &e : exercises) {
        if (e.code == code && e.name == name)
            return e;
    }
    return std::nullopt;
}

bool WeightCatalogue::containsName(const QList<WeightExercise> &exercises, const QString &name)
{
    for (const WeightExercise &e : exercises) {
        if (e.name == name)
            return true;
    }
    return false;
}

QList<WeightExercise> WeightCatalogue::ofGroup(const QList<WeightExercise> &exercises,
                                               const QString &code)
{
    QList<WeightExercise> out;
    for (const WeightExercise &e : exercises) {
        if (e.code == code)
            out.append(e);
    }
    return out;
}
