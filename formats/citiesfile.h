#pragma once

#include "plan/problem.h"

#include <QList>
#include <QString>

#include <optional>

// The cities file behind the location chooser: a heading line, then one place a line in four
// comma-separated fields: first name part, second name part, latitude, longitude (decimal
// degrees, positive north and east), and maybe a fifth, the place's IANA time zone
// ("Europe/Paris"). Nothing is quoted or escaped, and the numbers are carried as the text found.

inline const QString DefaultCitiesFile = QStringLiteral("cities.csv");

struct City {
    QString firstNamePart;
    QString secondNamePart;
    QString latitude;
    QString longitude;
    QString timeZone;  // an IANA name the system knows, or empty: none given or not known here

    // The two name parts as one: "Tucson,AZ", no blank around the comma.
    QString name() const;
};

// Fields 1 to 3 end at the first, second and third comma; field 4 is the rest of the line,
// further commas included, unless the text after the fourth comma is a time zone: a name the
// system knows, or one of the form of the IANA names ("Area/Place", the areas of the tz
// database). That text is then field 5, and field 4 ends at the fourth comma. A zone of that form
// that the system does not know (misspelt, or newer than its tz database) leaves the city without
// a zone, as a line with four fields. Every field is trimmed of blanks. A tab counts as a blank:
// the city is shown and handed on as one-line texts, where a tab has no place. A line with fewer
// than three commas is no city: nullopt.
std::optional<City> splitPlaceLine(const QString &line);

// The first line is the heading and is dropped whatever it holds; lines that are no city are
// skipped. A file that is missing or cannot be read gives no cities and says why.
Result<QList<City>> readCitiesFile(const QString &path);
