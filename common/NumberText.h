#pragma once

#include <QString>
#include <optional>

// Numbers as the data files and the windows write them: "." as the decimal
// point in every locale, a whole value without a point, the shortest form
// otherwise, a leading zero below one.
namespace NumberText {

// Rounds to the nearest whole number, a half going to the even neighbour
// (2.5 gives 2, 3.5 gives 4, -6.5 gives -6).
double roundHalfEven(double value);

// Rounds to the given number of decimals, halves to even.
double roundHalfEven(double value, int decimals);

// The value rounded to a whole number (halves to even) when that is a whole
// number of 32 bits, as the journals hold their values; none otherwise (not
// a number, infinite, or beyond 32 bits).
std::optional<qint32> whole32(double value);

// Text of a single-precision value (at most 7 significant digits).
QString single(float value);
// Text of a double-precision value (at most 15 significant digits).
QString dbl(double value);
// Text of a whole number.
QString whole(qint64 value);

// Reads a number written with "." ("35", "-3", "0.05", ".05", "1E+10").
// Blanks around it are allowed; anything else gives no value.
std::optional<double> parse(QStringView text);
std::optional<double> parse(QByteArrayView ascii);

} // namespace NumberText
