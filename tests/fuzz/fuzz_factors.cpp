// The calorie factors: bytes either fail to read with a RecordFileError or
// give pairs; the lookup finds the first pair of a name; the pairs written
// as the custom windows append them read back the same.
#include "FuzzCheck.h"

#include "common/RecordFileError.h"
#include "workouts/CalorieFactors.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString name = QStringLiteral("BurnnedCalories.txt");
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<CalorieFactors::Pair> pairs;
    try {
        pairs = CalorieFactors::parse(bytes, name);
    } catch (const RecordFileError &e) {
        FUZZ_CHECK(!e.message().isEmpty());
        return 0;
    }
    QByteArray again;
    for (const CalorieFactors::Pair &p : pairs) {
        qsizetype first = 0;
        while (pairs[first].name != p.name)
            ++first;
        FUZZ_CHECK(CalorieFactors::lookup(pairs, p.name) == pairs[first].factor);
        if (!p.name.contains(u'"'))
            again += CalorieFactors::line(p.name, p.factor);
    }
    const QList<CalorieFactors::Pair> back = CalorieFactors::parse(again, name);
    qsizetype j = 0;
    for (const CalorieFactors::Pair &p : pairs) {
        if (p.name.contains(u'"'))
            continue;
        FUZZ_CHECK(j < back.size() && back[j].name == p.name);
        // Written with at most 15 significant digits.
        FUZZ_CHECK(back[j].factor == p.factor || qAbs(back[j].factor - p.factor) <= 1e-14 * qAbs(p.factor));
        ++j;
    }
    FUZZ_CHECK(j == back.size());
    return 0;
}
