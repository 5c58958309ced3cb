#include "StandardAerobic.h"

#include "ExerciseLogName.h"
#include "common/FileBatch.h"

#include "common/RecordFile.h"
#include "common/RecordFileError.h"

#include <algorithm>

namespace {

AerobicActivity activity(const QString &code, const char *name, bool distance, bool terrain)
{
    return AerobicActivity{code, QString::fromLatin1(name), true, distance, terrain};
}

} // namespace

const QList<AerobicActivity> &StandardAerobic::activities()
{
    using namespace AerobicClass;
    static const QList<AerobicActivity> list = {
        activity(kOutdoor, "Running", true, true),
        activity(kOutdoor, "Biking", true, true),
        activity(kOutdoor, "Walking", true, true),
        activity(kOutdoor, "Golf", false, false),
        activity(kOutdoor, "Horesback riding", false, false),
        activity(kOutdoor, "Gardening", false, false),
        activity(kOutdoor, "Tennis", false, false),
        activity(kOutdoor, "Football ", false, false),
        activity(kOutdoor, "Skiing", false, true),
        activity(kOutdoor, "Cross Country Skiing", true, true),
        activity(kOutdoor, "Jogging", true, true),
        activity(kIndoor, "Squash ", false, false),
        activity(kIndoor, "Handball ", false, false),
        activity(kIndoor, "Badminton", false, false),
        activity(kIndoor, "Bowling", false, false),
        activity(kIndoor, "Volleyball ", false, false),
        activity(kIndoor, "Table Tennis", false, false),
        activity(kIndoor, "Ice Skating", false, false),
        activity(kIndoor, "Aerobics", false, false),
        activity(kIndoor, "Racquetball ", false, false),
        activity(kIndoor, "Basketball ", false, false),
        activity(kIndoor, "Rollerskating", true, true),
        activity(kAquatic, "Swimming", true, true),
        activity(kAquatic, "Canoeing", true, true),
        activity(kAquatic, "Scull rowing (race)", true, true),
        activity(kAquatic, "Water Sking", false, true),
    };
    return list;
}

StandardAerobic::InstallResult StandardAerobic::install(const QString &dataFolder,
                                                        const QList<int> &ticked)
{
    InstallResult result;
    QList<int> order = ticked;
    std::sort(order.begin(), order.end());
    order.erase(std::unique(order.begin(), order.end()), order.end());

    try {
        // Read under the folder's lock, as it is written.
        FileBatch batch;
        const QString cataloguePath = AerobicCatalogue::path(dataFolder);
        QList<AerobicActivity> catalogue = AerobicCatalogue::parse(batch.read(cataloguePath), cataloguePath);
        // The activities before the first name the catalogue holds already,
        // in any class, go in; that name ends the install.
        QByteArray lines;
        for (int index : order) {
            if (index < 0 || index >= kCount)
                continue;
            const AerobicActivity &a = activities().at(index);
            if (AerobicCatalogue::containsName(catalogue, a.name)) {
                result.duplicateName = a.name;
                break;
            }
            catalogue.append(a);
            lines += AerobicCatalogue::line(a);
            // A log that exists already keeps its entries.
            batch.create(ExerciseLogName::path(dataFolder, a.code, a.name));
            result.installed.append(index);
        }
        if (!lines.isEmpty()) {
            batch.append(cataloguePath, lines);
            batch.commit();
        }
    } catch (const RecordFileError &e) {
        result = InstallResult();
        result.error = e.message();
    }
    return result;
}
