#include "AerobicCatalogue.h"

#include "ExerciseLogName.h"

#include "RecordList.h"

#include "common/LastParse.h"
#include "common/RecordFile.h"
#include "common/RecordWriter.h"

QStringList AerobicClass::codes()
{
    return {kIndoor, kOutdoor, kAquatic};
}

bool AerobicClass::isClassCode(const QString &code)
{
    return codes().contains(code);
}

const QString AerobicCatalogue::kFileName = QStringLiteral("AerobicDescription.txt");

QString AerobicCatalogue::path(const QString &dataFolder)
{
    return RecordFile::path(dataFolder, kFileName);
}

QList<AerobicActivity> AerobicCatalogue::parse(const QByteArray &bytes, const QString &fileName,
                                               bool *complete)
{
    const auto read = [&] {
        return readRecords<AerobicActivity>(bytes, fileName, [&fileName](RecordReader &r) {
            AerobicActivity a;
            ExerciseLogName::readCodeAndName(r, a, fileName);
            a.hasTime = r.readBool();
            a.hasDistance = r.readBool();
            a.hasTerrain = r.readBool();
            return a;
        }, complete);
    };
    // Every save of a workout reads the catalogue again, as it was.
    static LastParse<QList<AerobicActivity>> last;
    return complete ? last.get(bytes, fileName, complete, read) : last.get(bytes, fileName, read);
}

QList<AerobicActivity> AerobicCatalogue::read(const QString &dataFolder)
{
    const QString p = path(dataFolder);
    return parse(RecordFile::read(p), p);
}

QList<AerobicActivity> AerobicCatalogue::readUpToDamage(const QString &dataFolder,
                                                        std::optional<RecordFileError> &damage)
{
    const QByteArray bytes = RecordFile::read(path(dataFolder));
    return readAsFarAsWhole([&](bool *complete) { return parse(bytes, kFileName, complete); }, damage);
}

QByteArray AerobicCatalogue::line(const AerobicActivity &a)
{
    return RecordWriter::line({RecordValue::text(a.code), RecordValue::text(a.name),
                               RecordValue::boolean(a.hasTime), RecordValue::boolean(a.hasDistance),
                               RecordValue::boolean(a.hasTerrain)});
}

QByteArray AerobicCatalogue::bytes(const QList<AerobicActivity> &activities)
{
    QByteArray out;
    for (const AerobicActivity &a : activities)
        out += line(a);
    return out;
}

std::optional<AerobicActivity> AerobicCatalogue::find(const QList<AerobicActivity> &activities,
                                                      const QString &code, const QString &name)
{
    for (const AerobicActivity &a : activities) {
        if (a.code == code && a.name == name)
            return a;
    }
    return std::nullopt;
}

bool AerobicCatalogue::containsName(const QList<AerobicActivity> &activities, const QString &name)
{
    for (const AerobicActivity &a : activities) {
        if (a.name == name)
            return true;
    }
    return false;
}

QStringList AerobicCatalogue::namesOf(const QList<AerobicActivity> &activities, const QString &code)
{
    QStringList out;
    for (const AerobicActivity &a : activities) {
        if (a.code == code)
            out.append(a.name);
    }
    return out;
}
