#include "CrashSaves.h"

#include "common/RecordFile.h"
#include "common/RecordFileError.h"
#include "profile/WeightHistory.h"
#include "common/RecordWriter.h"
#include "workouts/AerobicCatalogue.h"
#include "workouts/AerobicWorkout.h"
#include "workouts/CalorieFactors.h"
#include "workouts/CalorieJournal.h"
#include "workouts/CustomExercise.h"
#include "workouts/ExerciseLogName.h"
#include "workouts/WeightCatalogue.h"
#include "workouts/WeightWorkout.h"

#include <QDate>
#include <QFile>

#include <iterator>

namespace CrashSaves {

namespace {

struct Exercise
{
    const char *name;
    int sets;
};
constexpr Exercise kExercises[] = {{"Barbell Curl", 1}, {"Hammer Curl", 3}, {"Cable Curl", 5}};

void writeFile(const QString &folder, const QString &name, const QByteArray &bytes)
{
    RecordFile::write(RecordFile::path(folder, name), bytes);
}

// The saves made so far: each adds one record, to the journal, the history
// or the catalogue.
int savesIn(const QString &folder)
{
    const int journal = int(CalorieJournal::read(RecordFile::path(folder, CalorieJournal::kExerciseFileName)).size());
    const int weighings = int(WeightHistory(folder).read().records.size()) - 1;
    const int custom = int(WeightCatalogue::read(folder).size()) - int(std::size(kExercises));
    return journal + weighings + custom;
}

} // namespace

void prepare(const QString &folder)
{
    RecordWriter weights;
    for (const Exercise &e : kExercises) {
        const QString name = QString::fromLatin1(e.name);
        weights.write({RecordValue::text(QStringLiteral("Bi")), RecordValue::text(name),
                       RecordValue::text(QStringLiteral("Curl it")), RecordValue::text(QString::number(e.sets))});
        writeFile(folder, ExerciseLogName::fileName(QStringLiteral("Bi"), name), QByteArray());
    }
    writeFile(folder, WeightCatalogue::kFileName, weights.bytes());
    writeFile(folder, AerobicCatalogue::kFileName,
              AerobicCatalogue::line({QStringLiteral("Ou"), QStringLiteral("Running"), true, true, true}));
    writeFile(folder, ExerciseLogName::fileName(QStringLiteral("Ou"), QStringLiteral("Running")), QByteArray());
    writeFile(folder, CalorieFactors::kFileName,
              CalorieFactors::line(CalorieFactors::kWeightTraining, 0.05)
                  + CalorieFactors::line(QStringLiteral("Running"), 0.0659));
    writeFile(folder, CalorieJournal::kExerciseFileName, QByteArray());
    writeFile(folder, WeightHistory::kFileName, "\"Initializer\",0,0,0\r\n");
}

Kind nextKind(const QString &folder)
{
    return Kind(savesIn(folder) % KindCount);
}

void saveNext(const QString &folder, const Settings &settings)
{
    const int n = savesIn(folder);
    // Dates jump about, so records go into the middle of the files too.
    const QDate date = QDate(2026, 1, 1).addDays((n * 37) % 365);
    QString refusal;
    switch (Kind(n % KindCount)) {
    case WeightWorkout: {
        QList<WeightWorkout::Row> rows;
        for (const Exercise &e : kExercises) {
            WeightWorkout::Row row{QStringLiteral("Bi"), QString::fromLatin1(e.name), {}, {}};
            for (int k = 0; k < e.sets; ++k) {
                row.weights.append(QString::number(50 + (n + k) % 200));
                row.reps.append(QString::number(1 + (n + k) % 12));
            }
            rows.append(row);
        }
        refusal = ::WeightWorkout::save(folder, settings, date, rows).refusal;
        break;
    }
    case AerobicWorkout: {
        ::AerobicWorkout::Boxes boxes;
        boxes.hours = QString::number(n % 3);
        boxes.minutes = QString::number(1 + n % 59);
        boxes.distance = QString::number(n % 20);
        boxes.terrain = QStringLiteral("Hilly ");
        refusal = ::AerobicWorkout::save(folder, settings, QStringLiteral("Ou"), QStringLiteral("Running"), date,
                                         boxes)
                      .refusal;
        break;
    }
    case Weighing:
        try {
            WeightHistory(folder).addFirst(date, qint16(20 + n % 60), qint16(100 + n % 150), 70);
        } catch (const RecordFileError &e) {
            refusal = e.message();
        }
        break;
    case CustomExercise:
    case KindCount:
        refusal = ::CustomExercise::add(folder, {QStringLiteral("Biceps"), QStringLiteral("Curl %1").arg(n),
                                               QStringLiteral("Curl it"), QString::number(1 + n % 5)})
                      .refusal;
        break;
    }
    if (!refusal.isEmpty())
        qFatal("save %d refused: %s", n, qPrintable(refusal));
}

} // namespace CrashSaves
