#pragma once

#include <QLocale>
#include <QStringView>

#include <optional>

// How every number an observer types (or a file gives) is read: blanks around it are allowed,
// the locale's decimal separator first and then ".", so that "42.93" from the cities table or a
// defaults file written elsewhere reads the same under a comma locale. Group separators are
// never accepted ("42.93" must not become 4293 where "." groups thousands), and only finite
// numbers are numbers: "nan", "inf" and "1e400" are not.
std::optional<double> readFieldNumber(QStringView text, const QLocale &locale);

// The same, only from minValue to maxValue (both included): a field's limits.
std::optional<double> readFieldNumberWithin(QStringView text, const QLocale &locale, double minValue, double maxValue);

// A number as the catalog and horizon files write it, the same on every system: plain ASCII with
// "." ("-12.5", "+5.3"), read without QLocale, for it is read for every object of a whole sky
// and every point of a horizon.
std::optional<double> readPlainNumber(QStringView text);

// A text written as a number whose value no double holds: "nan", "inf", "-infinity", and numbers
// beyond the double's range ("1e400", "1e-400"). readPlainNumber reads none of them, as it reads
// no plain text either; this tells the two apart.
bool spellsUnboundedNumber(QStringView text);
