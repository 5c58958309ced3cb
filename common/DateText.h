#pragma once

#include <QDate>
#include <QString>
#include <optional>

// The fixed date and percentage texts of the program. Record dates are
// "dd-MMM-yy" with English month names, whatever the locale, and a two-digit
// year reads in 1950-2049; the date pickers are limited to the same years.
namespace DateText {

inline const QDate kFirstDate(1950, 1, 1);
inline const QDate kLastDate(2049, 12, 31);

// "07-Dec-26": the text that identifies records and names daily food files.
QString medium(const QDate &date);
// Reads "07-Dec-26" (also "7-dec-26" and "07-Dec-2026"); no value otherwise.
std::optional<QDate> parseMedium(QStringView text);
// The same for a Date field's Windows-1252 bytes.
std::optional<QDate> parseMedium(QByteArrayView bytes);

// "12/7/2026": the goal date in the settings.
QString shortDate(const QDate &date);
std::optional<QDate> parseShort(QStringView text);

// "7-Dec": the date labels of the graphs.
QString dayMonth(const QDate &date);

// The long date in the user's locale, for pages and windows.
QString longDate(const QDate &date);

// "37.50%": a fraction shown as a percentage with two decimals.
QString percent(double fraction);

// English month abbreviation of month 1-12.
QString monthAbbreviation(int month);

// Any date text the data files may hold: a record date, a short date or an
// ISO date.
std::optional<QDate> parseAny(QStringView text);

} // namespace DateText
