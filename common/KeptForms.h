#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

// What one run of the program leaves the next about the files it wrote in a
// checked form (see FileBatch::MakeChecked): for each file its name, its
// size, the digest of its bytes and the form they stand in. The next run
// gives a file that form again only when the file still has that size and
// digest, so that its first save need not check every record again. The
// digest only has to tell a file this program wrote from one changed since
// in any way, by any hand; it is no defence against someone who means to
// forge one.
namespace KeptForms {

// The hidden file of a folder that keeps the forms of its files.
inline constexpr QByteArrayView kFileName(".pulsar-forms");

// A 64-bit digest of `bytes`, the same on every run and every machine of
// this byte order. Fast enough to go over a file about as fast as it is
// read from memory.
quint64 digest(QByteArrayView bytes);

struct Entry
{
    QByteArray name; // the file's name in the folder
    qint64 size = 0;
    quint64 digest = 0;
    QByteArray form;

    bool operator==(const Entry &) const = default;
};

// The bytes of the file that keeps `entries`, ordered by name: the same
// entries always give the same bytes.
QByteArray encode(QList<Entry> entries);
// The entries of such a file; none when it is not whole (cut short, mixed
// with another, edited): then no file's form is known.
std::optional<QList<Entry>> decode(QByteArrayView bytes);

} // namespace KeptForms
