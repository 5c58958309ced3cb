#include "Windows1252.h"

#include <algorithm>
#include <array>

namespace {
// Characters of the bytes 0x80 to 0x9F; the undefined ones keep the C1
// control of the same value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
}

QString Windows1252::decode(QByteArrayView bytes)
{
    // Latin-1 but for the bytes 0x80 to 0x9F, which most texts never hold.
    // An empty text is never a null one, whatever it was decoded from.
    if (bytes.isEmpty())
        return QString(0, Qt::Uninitialized);
    QString out = QString::fromLatin1(bytes);
    const auto high = [](char c) { return static_cast<unsigned char>(c) >= 0x80 && static_cast<unsigned char>(c) <= 0x9F; };
    qsizetype i = std::find_if(bytes.begin(), bytes.end(), high) - bytes.begin();
    if (i == bytes.size())
        return out;
    QChar *dst = out.data();
    for (; i < bytes.size(); ++i) {
        if (high(bytes[i]))
            dst[i] = QChar(kHigh[static_cast<unsigned char>(bytes[i]) - 0x80]);
    }
    return out;
}

QByteArray Windows1252::encode(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    appendEncoded(out, text);
    return out;
}

void Windows1252::appendEncoded(QByteArray &out, QStringView text)
{
    const qsizetype start = out.size();
    out.resize(start + text.size());
    encodeInto(out.data() + start, text);
}

char *Windows1252::encodeInto(char *to, QStringView text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            *to++ = char(u);
            continue;
        }
        char byte = '?';
        for (int i = 0; i < 32; ++i) {
            if (kHigh[i] == u) {
                byte = char(0x80 + i);
                break;
            }
        }
        *to++ = byte;
    }
    return to;
}
