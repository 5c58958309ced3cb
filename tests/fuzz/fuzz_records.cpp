// Feeds arbitrary bytes to the record reader, reading fields of every kind
// in turn. Any input must end in values or in a RecordFileError, never in a
// crash, a hang or a read outside the buffer. The lines of a text and whole
// numbers read many at a time are those read one by one.
#include "common/DateText.h"
#include "common/NumberText.h"
#include "common/RecordFileError.h"
#include "common/RecordReader.h"
#include "common/RecordWriter.h"
#include "FuzzCheck.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses the order of field kinds.
    const uint8_t pattern = data[0];
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    RecordReader r(bytes, QStringLiteral("fuzz.txt"));
    int field = 0;
    try {
        while (!r.atEnd() && field < 100000) {
            switch ((pattern >> (2 * (field % 4))) & 3) {
            case 0: {
                const QString t = r.readText();
                (void)DateText::parseMedium(t);
                (void)DateText::parseShort(t);
                (void)RecordWriter::line({RecordValue::text(t)});
                break;
            }
            case 1:
                (void)r.readInt16();
                break;
            case 2:
                (void)NumberText::single(r.readSingle());
                break;
            default: {
                const RecordValue v = r.readValue();
                (void)RecordWriter::line({v});
                break;
            }
            }
            ++field;
        }
    } catch (const RecordFileError &e) {
        (void)e.message();
    }
    const int numbers = 1 + pattern % 12;
    qsizetype lines = -1;
    const qsizetype taken = RecordReader::plainTextAndNumbersLines(bytes, numbers, &lines);
    FUZZ_CHECK(taken >= 0 && taken <= bytes.size());
    // One by one, with room after them for the 64 bytes the check of one
    // line looks at.
    RecordReader one = RecordReader::partOf(bytes.left(taken) + QByteArray(64, ' '), QString());
    qsizetype count = 0;
    while (one.position() < taken) {
        FUZZ_CHECK(one.skipPlainTextAndNumbers(numbers));
        ++count;
    }
    FUZZ_CHECK(one.position() == taken && count == lines);
    return 0;
}
