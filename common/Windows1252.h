#pragma once

#include <QByteArray>
#include <QString>

// The byte encoding of every data file. Every byte value maps to one
// character and back, the five bytes the code page leaves undefined included,
// so a file read and rewritten keeps every byte.
namespace Windows1252 {
QString decode(QByteArrayView bytes);
QByteArray encode(QStringView text);
// encode(text) added at the end of `out`.
void appendEncoded(QByteArray &out, QStringView text);
// encode(text) written from `to`, which has room for text.size() bytes;
// where it ends.
char *encodeInto(char *to, QStringView text);
}
