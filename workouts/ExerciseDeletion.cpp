#include "ExerciseDeletion.h"

#include "AerobicCatalogue.h"
#include "ExerciseLogName.h"
#include "WeightCatalogue.h"

#include "common/FileBatch.h"
#include "common/RecordFile.h"
#include "common/RecordWriter.h"
#include "common/RecordFileError.h"

#include <QFileInfo>

const QString ExerciseDeletion::kDone =
    QStringLiteral("The exercises you wished to be deleted have been done so.");

namespace {

QString catalogueFile(ExerciseDeletion::Category category)
{
    return category == ExerciseDeletion::Category::Weightlifting ? WeightCatalogue::kFileName
                                                                 : AerobicCatalogue::kFileName;
}

} // namespace

ExerciseDeletion::Category ExerciseDeletion::categoryOf(const QString &choice)
{
    return choice == QLatin1String("Weightlifting") ? Category::Weightlifting : Category::Cardio;
}

QList<ExerciseDeletion::Entry> ExerciseDeletion::entries(const QString &dataFolder, Category category)
{
    QList<Entry> out;
    const QString path = RecordFile::path(dataFolder, catalogueFile(category));
    QByteArray bytes;
    try {
        bytes = RecordFile::read(path);
    } catch (const RecordFileError &) {
        return out;
    }
    bool complete = true;
    if (category == Category::Weightlifting) {
        for (const WeightExercise &e : WeightCatalogue::parse(bytes, path, &complete)) {
            if (WeightCatalogue::isGroupCode(e.code))
                out.append(Entry{e.code, e.name});
        }
    } else {
        for (const AerobicActivity &a : AerobicCatalogue::parse(bytes, path, &complete)) {
            if (AerobicClass::isClassCode(a.code))
                out.append(Entry{a.code, a.name});
        }
    }
    return out;
}

QString ExerciseDeletion::remove(const QString &dataFolder, Category category, const QList<Entry> &chosen)
{
    if (chosen.isEmpty())
        return QString();
    const QString path = RecordFile::path(dataFolder, catalogueFile(category));
    // Every record not chosen is written back as it was read (a bare number
    // of sets as the same digits in quotes).
    QByteArray kept;
    QList<Entry> gone;
    auto sort = [&](const QString &code, const QString &name, const QStringList &texts, const QByteArray &line) {
        if (chosen.contains(Entry{code, name})) {
            gone.append(Entry{code, name});
            return;
        }
        // A text that could not be written back stops the deletion.
        for (const QString &text : texts)
            RecordWriter::requireWritable(text, path);
        kept += line;
    };
    // The catalogue is rewritten and the chosen entries' logs deleted in one
    // save, under the folder's lock: a crash leaves no log that no
    // catalogue names (a later exercise of that name would show its
    // workouts as its own), and no other copy of the program saves into a
    // log while it goes.
    FileBatch batch;
    QStringList logs;
    try {
        if (!QFileInfo::exists(path))
            throw RecordFileError(RecordFileError::FileNotFound, path, QStringLiteral("file not found"));
        const QByteArray bytes = batch.read(path);
        if (category == Category::Weightlifting) {
            for (const WeightExercise &e : WeightCatalogue::parse(bytes, path))
                sort(e.code, e.name, {e.code, e.name, e.description, e.sets},
                     WeightCatalogue::line(e, WeightCatalogue::SetsAs::Text));
        } else {
            for (const AerobicActivity &a : AerobicCatalogue::parse(bytes, path))
                sort(a.code, a.name, {a.code, a.name}, AerobicCatalogue::line(a));
        }
        if (gone.isEmpty())
            return QString();
        batch.write(path, kept);
        // A log that is already gone is fine.
        for (const Entry &e : std::as_const(gone)) {
            const QString log = ExerciseLogName::path(dataFolder, e.code, e.name);
            if (!logs.contains(log)) {
                logs.append(log);
                batch.remove(log);
            }
        }
        batch.commit();
    } catch (const RecordFileError &e) {
        if (!logs.contains(e.fileName()))
            return e.message();
        const QString log = QFileInfo(e.fileName()).fileName();
        // After the commit the catalogue stands rewritten; the save is kept,
        // for the next save or start to finish or give up.
        if (e.code() == RecordFileError::Unfinished)
            return QStringLiteral("The exercises were removed from %1, but the log %2 could not be deleted: %3.")
                .arg(catalogueFile(category), log, e.detail());
        return QStringLiteral("The log %1 could not be deleted: %2. Nothing was changed.").arg(log, e.detail());
    }
    return QString();
}
