#pragma once

#include "plan/problem.h"
#include "sky/horizonprofile.h"

#include <QString>
#include <QStringView>

// Horizon files: one "azimuth altitude" pair of degrees a line, the two separated by any run of
// blanks, tabs, commas and semicolons, with "." as the decimal point. A "#" starts a comment that
// runs to the end of its line, wherever it stands; blank lines and lines starting with ";" are
// skipped. This is the two-column export of other planning and imaging programs, so their files
// load as they are.

// A pair every 0.0036 degrees: more than any horizon needs, and few enough to read in a moment.
// A file with more is refused as soon as its reading passes the limit.
inline constexpr qsizetype MaxHorizonPoints = 100000;

// A problem names the line it is on, counting from 1, or none when it is not on one line. A
// character that cannot be shown is named by its code.
Result<HorizonProfile> parseHorizonProfile(QStringView text);

// Reads a horizon file. A problem names the file and the line: "garden.hzn, line 4: ...", or
// says why the file itself could not be read.
Result<HorizonProfile> readHorizonProfileFile(const QString &path);
