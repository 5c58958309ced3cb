#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class RecordFileError;

// One activity of the aerobic catalogue AerobicDescription.txt: its class
// code, its name exactly as shown (a trailing blank is part of it, as in
// "Squash "), and what its log records.
struct AerobicActivity
{
    QString code; // "In" indoor, "Ou" outdoor, "Aq" aquatic
    QString name;
    bool hasTime = true;
    bool hasDistance = false;
    bool hasTerrain = false;

    bool operator==(const AerobicActivity &) const = default;
};

// The three aerobic classes: their codes, the title the entry window shows
// and the item of the custom-activity window's class box.
namespace AerobicClass {

inline const QString kIndoor = QStringLiteral("In");
inline const QString kOutdoor = QStringLiteral("Ou");
inline const QString kAquatic = QStringLiteral("Aq");

// "In", "Ou", "Aq" in the order the windows list them.
QStringList codes();
bool isClassCode(const QString &code);

} // namespace AerobicClass

// The aerobic catalogue file: one record of five fields per activity (code,
// name, HasTime, HasDistance, HasTerrain), in the order they were added.
class AerobicCatalogue
{
public:
    static const QString kFileName; // "AerobicDescription.txt"

    // Every record of the file's bytes; throws RecordFileError naming the
    // file when a record is incomplete or a flag is no Boolean. With
    // `complete` given it does not throw: it gives the records before the
    // failing one and sets *complete to false.
    static QList<AerobicActivity> parse(const QByteArray &bytes, const QString &fileName,
                                        bool *complete = nullptr);
    // The catalogue in the data folder; a missing file is an empty catalogue.
    static QList<AerobicActivity> read(const QString &dataFolder);
    // The records before the first that cannot be read, with that damage in
    // `damage`, as WeightCatalogue::readUpToDamage.
    static QList<AerobicActivity> readUpToDamage(const QString &dataFolder, std::optional<RecordFileError> &damage);
    static QString path(const QString &dataFolder);

    // The record as one line: "In","Squash ",#TRUE#,#FALSE#,#FALSE#
    static QByteArray line(const AerobicActivity &activity);
    static QByteArray bytes(const QList<AerobicActivity> &activities);

    // The first record of that class and name, names compared exactly.
    static std::optional<AerobicActivity> find(const QList<AerobicActivity> &activities,
                                               const QString &code, const QString &name);
    // Whether any record, of any class, has exactly that name.
    static bool containsName(const QList<AerobicActivity> &activities, const QString &name);
    // The names of one class, in file order.
    static QStringList namesOf(const QList<AerobicActivity> &activities, const QString &code);
};
