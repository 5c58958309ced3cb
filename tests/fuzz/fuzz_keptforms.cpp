// Feeds arbitrary bytes to the reader of the forms a run keeps for the next
// one. Any input must be read whole or refused, never crash or hang, and
// what is read back must be written again as the very same bytes.
#include "FuzzCheck.h"

#include "common/KeptForms.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto entries = KeptForms::decode(bytes);
    if (entries) {
        FUZZ_CHECK(KeptForms::encode(*entries) == bytes);
        for (const KeptForms::Entry &e : *entries)
            FUZZ_CHECK(!e.name.isEmpty() && !e.name.contains('/') && !e.form.isEmpty() && e.size >= 0);
    }
    // The input as the body of a file that is whole: read back entry by
    // entry, or refused when it does not split into entries.
    const QByteArray body = bytes.toByteArray();
    const QByteArray whole = "pulsar-forms 1 " + QByteArray::number(body.size()) + ' '
                             + QByteArray::number(KeptForms::digest(body), 16).rightJustified(16, '0') + '\n' + body;
    if (const auto read = KeptForms::decode(whole))
        FUZZ_CHECK(KeptForms::decode(KeptForms::encode(*read)) == read);
    return 0;
}
