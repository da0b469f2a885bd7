#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The cities file behind the location chooser: a heading line, then one place a line in four
// comma-separated fields: first name part, second name part, latitude, longitude (decimal
// degrees, positive north and east). Nothing is quoted or escaped, and the numbers are carried
// as the text found.

inline const QString DefaultCitiesFile = QStringLiteral("cities.csv");

struct PlaceFields {
    QString firstNamePart;
    QString secondNamePart;
    QString latitude;
    QString longitude;
};

// Fields 1 to 3 end at the first, second and third comma; field 4 is the rest of the line,
// further commas included. Every field is trimmed of blanks. A line with fewer than three
// commas is no place: nullopt.
std::optional<PlaceFields> splitPlaceLine(const QString &line);

// The city grid's row for a place: "first,second" (no blank around the comma), latitude and
// longitude, separated by TABs.
QString cityRowText(const PlaceFields &place);

struct CityRows {
    QStringList rows;
    QString problem;  // why the file could not be read; empty when it was

    bool ok() const { return problem.isEmpty(); }
};

// The grid rows for every place line of the file, in file order. The first line is the heading
// and is dropped whatever it holds; lines that are no place are skipped. A tab in a field becomes
// a blank. A file that is missing or cannot be read gives no rows and says why.
CityRows readCityRows(const QString &path);
