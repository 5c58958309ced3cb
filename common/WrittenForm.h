#pragma once

#include "FileBatch.h"
#include "RecordFileError.h"
#include "RecordWriter.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <utility>

// The form a record file this program wrote stands in, for the next save
// into it (see FileBatch::MakeChecked): every record on a line of its own as
// the writer writes it, each one the next save copies as it stands, but for
// the record written new, between `begin` and `end`, which that save writes
// back as it writes any older record. `kind` names the file's kind, its
// layout and whatever else the form promises (the dates' order).
namespace WrittenForm {

QByteArray of(QByteArrayView kind, qsizetype begin, qsizetype end);
// Where the record written new stands in a file of `kind` in that form and
// of `size` bytes; none when `form` is another.
std::optional<std::pair<qsizetype, qsizetype>> newRecord(QByteArrayView form, QByteArrayView kind, qsizetype size);

// The new contents of a file of `kind` in its written form `form` whose
// record written new last time stands first, with a new record first:
// `writeNew(out)` writes the new record, `writeOlder(out, head)` the head,
// that record, back as an older one (false when it then does not stand as
// the next save copies it); the rest is copied unchecked. None when the
// file is not as the form promises.
template <typename WriteNew, typename WriteOlder>
std::optional<FileBatch::Checked> withNewFirst(const QByteArray &bytes, QByteArrayView form, QByteArrayView kind,
                                               WriteNew writeNew, WriteOlder writeOlder)
{
    const auto last = newRecord(form, kind, bytes.size());
    if (!last || last->first != 0)
        return std::nullopt;
    RecordWriter out;
    out.reserve(bytes.size() + 64);
    writeNew(out);
    const qsizetype newEnd = out.bytes().size();
    if (!writeOlder(out, QByteArray::fromRawData(bytes.constData(), last->second)))
        return std::nullopt;
    out.writeRaw(QByteArrayView(bytes).sliced(last->second));
    return FileBatch::Checked{out.bytes(), of(kind, 0, newEnd)};
}

// The first line of `bytes`, its line feed with it (none when there is no
// line feed): where a form one record stands for is presumed from.
inline QByteArrayView firstLine(QByteArrayView bytes)
{
    return bytes.first(bytes.indexOf('\n') + 1);
}

// `form`, or when none was kept, the one `find(bytes, false)` finds in the
// file `bytes` (none when the file is in no written form, or too small to
// pay for checking it before the record-by-record pass). While a save makes
// the file (FileBatch::checksDeferred()), the form `presume(bytes)` takes
// from the file's first record alone stands for it instead, and the check
// that `find(bytes, true)` (which checks a small file too) finds that very
// form is left to the save, which makes the file again when it does not.
// `find` and `presume` are copied, with what they hold.
template <typename Find, typename Presume>
QByteArray orFound(QByteArrayView form, const QByteArray &bytes, Find find, Presume presume)
{
    if (!form.isEmpty())
        return form.toByteArray();
    if (FileBatch::checksDeferred()) {
        QByteArray presumed = presume(bytes);
        if (!presumed.isEmpty()
            && FileBatch::deferCheck([bytes, find, presumed] { return QByteArray(find(bytes, true)) == presumed; }))
            return presumed;
    }
    return QByteArray(find(bytes, false));
}

// The new contents `known()` makes of a file in its written form `form`; none
// when there is no form, when `known` finds the file not as the form
// promises, or when it refuses a record: the record-by-record pass then
// makes them, or refuses that record naming its line.
template <typename Known>
std::optional<FileBatch::Checked> madeKnown(QByteArrayView form, Known known)
{
    if (form.isEmpty())
        return std::nullopt;
    try {
        return known();
    } catch (const RecordFileError &) {
        return std::nullopt;
    }
}

} // namespace WrittenForm
