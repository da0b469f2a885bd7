#pragma once

#include "plan/sessionparameters.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>

// The defaults file: one value a line, in a fixed order and with no keys. Sixteen lines are
// always there; a seventeenth names the horizon profile when one is in use, so that files
// written without one stay exactly as they always were. Lines after the last are ignored.

// What the file keeps: the session's texts and boxes (not the date, time and GMT deviation,
// which come from the clock), the catalog and the horizon profile.
struct SavedDefaults : SessionParameters {
    QString CatalogFile;
    QString HorizonProfile;  // empty: a flat horizon
};

// Where one line's value lives: a text, or a type box's state (0 clear, 1 checked, 2 grayed).
struct DefaultsLine {
    QString SavedDefaults::*text = nullptr;
    int SavedDefaults::*boxState = nullptr;
};

inline constexpr std::array<DefaultsLine, 17> DefaultsLines = {{
    {&SavedDefaults::Lat},
    {&SavedDefaults::Lon},
    {&SavedDefaults::txtSessLen},
    {&SavedDefaults::MinElev},
    {&SavedDefaults::MinAz},
    {&SavedDefaults::MaxAz},
    {&SavedDefaults::MinMag},
    {&SavedDefaults::MinSize},
    {&SavedDefaults::MaxSize},
    {nullptr, &SavedDefaults::chkNebula},
    {nullptr, &SavedDefaults::chkPlanetary},
    {nullptr, &SavedDefaults::chkGalaxy},
    {nullptr, &SavedDefaults::chkGlobular},
    {nullptr, &SavedDefaults::chkOpen},
    {&SavedDefaults::CatalogFile},
    {&SavedDefaults::Included},
    {&SavedDefaults::HorizonProfile},
}};
inline constexpr int RequiredDefaultsLines = 16;

QString defaultsFileName();

// The file's text: the required lines, and the horizon profile's line only when there is one.
QString defaultsText(const SavedDefaults &defaults);

struct DefaultsReading {
    int linesApplied = 0;
    QString problem;  // what stopped the reading, with its line number; empty when all applied

    bool ok() const { return problem.isEmpty(); }
};

// Reads the lines into defaults one at a time, in file order, calling applied(line) after each
// one so that a window can show it before the next is read. A box state may be written as a
// decimal, rounded to the nearest whole number (a half to the even one). Reading stops at the
// first required line that is missing (an optional one reads as empty) or a box state that is
// not 0, 1 or 2; the lines before it stay applied.
DefaultsReading readDefaultsLines(const QStringList &lines, SavedDefaults &defaults,
                                  const std::function<void(const DefaultsLine &)> &applied = {});
