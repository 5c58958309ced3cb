#include "StandardExercises.h"

#include "ExerciseLogName.h"
#include "common/FileBatch.h"
#include "RecordList.h"
#include "WeightCatalogue.h"

#include "common/NumberText.h"
#include "common/RecordFile.h"
#include "common/RecordFileError.h"

#include <algorithm>

QString StandardExercises::Standard::code() const
{
    return WeightCatalogue::codeOf(group);
}

const QList<StandardExercises::Standard> &StandardExercises::all()
{
    static const QList<Standard> list = {
        {QStringLiteral("Biceps"), QStringLiteral("Barbell Curl")},
        {QStringLiteral("Biceps"), QStringLiteral("Dumbbell Biceps Curl")},
        {QStringLiteral("Biceps"), QStringLiteral("Staggered-Grip Pull-up")},
        {QStringLiteral("Triceps"), QStringLiteral("Triceps Pushdown")},
        {QStringLiteral("Triceps"), QStringLiteral("Seated Triceps Extension")},
        {QStringLiteral("Triceps"), QStringLiteral("Bench Triceps Pushup")},
        {QStringLiteral("Shoulders"), QStringLiteral("Barbell Upright Row")},
        {QStringLiteral("Shoulders"), QStringLiteral("Seated Dumbbell Press")},
        {QStringLiteral("Shoulders"), QStringLiteral("Shruggs")},
        {QStringLiteral("Back"), QStringLiteral("Seated Row")},
        {QStringLiteral("Back"), QStringLiteral("Lat PullDown")},
        {QStringLiteral("Back"), QStringLiteral("Seated Good Morning")},
        {QStringLiteral("Chest"), QStringLiteral("Bench Press")},
        {QStringLiteral("Chest"), QStringLiteral("Bench Pushup")},
        {QStringLiteral("Chest"), QStringLiteral("Dumbbell Fly")},
        {QStringLiteral("Legs"), QStringLiteral("Leg Curl")},
        {QStringLiteral("Legs"), QStringLiteral("Forward Dumbbell Lung")},
        {QStringLiteral("Legs"), QStringLiteral("Leg Squats")},
    };
    return list;
}

namespace {

struct TextPair
{
    QString name, description;
};

QList<TextPair> parseTexts(const QByteArray &bytes, const QString &fileName)
{
    return readRecords<TextPair>(bytes, fileName, [](RecordReader &r) {
        TextPair p;
        p.name = r.readText();
        p.description = r.readText();
        return p;
    });
}

QString descriptionIn(const QList<TextPair> &pairs, const QString &name)
{
    const QString wanted = name.trimmed();
    for (const TextPair &p : pairs) {
        if (p.name == wanted)
            return p.description;
    }
    return QString();
}

} // namespace

QString StandardExercises::descriptionOf(const QString &dataFolder, const QString &name)
{
    const QString path = RecordFile::path(dataFolder, kTextFileName);
    return descriptionIn(parseTexts(RecordFile::read(path), path), name);
}

QString StandardExercises::badSets(const QString &name)
{
    return QStringLiteral("The number of sets of %1 must be a whole number from 1 to 5.").arg(name);
}

StandardExercises::InstallResult StandardExercises::install(const QString &dataFolder,
                                                            const QList<Tick> &ticked)
{
    InstallResult result;
    QList<Tick> inOrder;
    for (const Tick &t : ticked) {
        if (t.index >= 0 && t.index < kCount)
            inOrder.append(t);
    }
    std::sort(inOrder.begin(), inOrder.end(), [](const Tick &a, const Tick &b) { return a.index < b.index; });
    if (inOrder.isEmpty())
        return result;

    const QString cataloguePath = WeightCatalogue::path(dataFolder);
    const QString textPath = RecordFile::path(dataFolder, kTextFileName);
    FileBatch batch;
    try {
        QList<WeightExercise> catalogue = WeightCatalogue::parse(batch.read(cataloguePath), cataloguePath);
        const QList<TextPair> texts = parseTexts(RecordFile::read(textPath), textPath);

        QByteArray lines;
        QList<int> installed;
        for (const Tick &t : inOrder) {
            const Standard &s = all()[t.index];
            if (WeightCatalogue::containsName(catalogue, s.name)) {
                result.duplicates.append(s.name);
                continue;
            }
            const auto sets = WeightCatalogue::setsFromBox(t.sets);
            if (!sets) {
                result.duplicates.clear();
                result.refusal = badSets(s.name);
                return result;
            }
            WeightExercise e{s.code(), s.name, descriptionIn(texts, s.name), NumberText::whole(*sets)};
            lines += WeightCatalogue::line(e, WeightCatalogue::SetsAs::Text);
            catalogue.append(e);
            installed.append(t.index);
        }
        if (!lines.isEmpty()) {
            batch.append(cataloguePath, lines);
            for (int i : installed)
                batch.create(ExerciseLogName::path(dataFolder, all()[i].code(), all()[i].name));
            batch.commit();
        }
        result.installed = installed;
    } catch (const RecordFileError &e) {
        result.duplicates.clear();
        result.refusal = e.message();
    }
    return result;
}
