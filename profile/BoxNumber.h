#pragma once

#include <QString>
#include <optional>

// The numbers typed into the profile and goal windows' boxes (and kept as
// texts in the settings), with "." as the decimal point.
namespace BoxNumber {

// The number the text holds; none when it is no number.
std::optional<double> value(const QString &text);

// The largest whole number not above the text's number (-2.5 gives -3), when
// it lies in [lowest, highest].
std::optional<qint16> wholePart(const QString &text, qint16 lowest, qint16 highest);

// The whole number nearest the text's number, a half going to the even
// neighbour, when it lies in [lowest, highest].
std::optional<qint16> nearest(const QString &text, qint16 lowest, qint16 highest);

} // namespace BoxNumber
