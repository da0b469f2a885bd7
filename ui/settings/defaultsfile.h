#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The defaults file: sixteen lines, one value a line, in a fixed order and with no keys:
// latitude, longitude, session length, minimum elevation, minimum and maximum azimuth,
// faintest magnitude, minimum and maximum size, the five type boxes (nebula, planetary,
// galaxy, globular, open) as 0 clear / 1 checked / 2 grayed, the catalog path and the
// azimuth mode caption. Lines after the sixteenth are ignored.

inline constexpr int DefaultsLineCount = 16;
inline constexpr int FirstCheckBoxLine = 10;
inline constexpr int LastCheckBoxLine = 14;
inline constexpr int CatalogFileLine = 15;

QString defaultsFileName();

// The file's text for sixteen values in file order.
QString defaultsText(const QStringList &values);

struct DefaultsReading {
    int linesApplied = 0;
    QString failure;  // what stopped the reading, with its line number; empty when all applied

    bool ok() const { return failure.isEmpty(); }
};

// Applies the lines one at a time, in file order, by calling apply(lineNumber, text,
// checkState): checkState is the box state for lines 10 to 14 (a decimal rounded to the
// nearest whole number, a half to the even one) and 0 for the others. Reading stops at the
// first line that is missing or is not a valid box state; the lines before it stay applied.
DefaultsReading applyDefaultsLines(const QStringList &lines,
                                   const std::function<void(int, const QString &, int)> &apply);
