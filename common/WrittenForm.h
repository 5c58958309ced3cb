#pragma once

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

} // namespace WrittenForm
