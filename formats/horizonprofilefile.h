#pragma once

#include "plan/problem.h"
#include "sky/horizonprofile.h"

#include <QString>
#include <QStringList>

// Horizon files: one "azimuth altitude" pair of degrees a line, the two separated by any run of
// blanks, tabs, commas and semicolons, with "." as the decimal point. Blank lines and lines
// starting with "#" or ";" are skipped. This is the two-column export of other planning and
// imaging programs, so their files load as they are.

// A problem names the line it is on, counting from 1, or none when it is not on one line.
Result<HorizonProfile> parseHorizonProfile(const QStringList &lines);

// Reads a horizon file. A problem names the file and the line: "garden.hzn, line 4: ...", or
// says why the file itself could not be read.
Result<HorizonProfile> readHorizonProfileFile(const QString &path);
