#pragma once

#include <QStringList>

class QIODevice;

// Nocturo from a shell, without a display:
//
//   nocturo list --folder DIR --date YYYY-MM-DD --time H[:MM[:SS]] --gmt-deviation G
//                [--horizon FILE] [--columns NAME,NAME]
//   nocturo night --lat LAT --lon LON --date YYYY-MM-DD --gmt-deviation G
//   nocturo windows --folder DIR --date ... --time ... --gmt-deviation G [--horizon FILE]
//                   [--darkness none|civil|nautical|astronomical]
//   nocturo seen --folder DIR --date ... --time ... --gmt-deviation G [--horizon FILE]
//                [--darkness LEVEL] [--sqm S] [--extinction K] [--aperture MM] [--magnifications A,B,...]
//   nocturo export --folder DIR --date ... --time ... --gmt-deviation G --format skylist|stellarium|cdc|csv
//                  [--output FILE]
//   nocturo import --folder DIR FILE
//   nocturo year --folder DIR --year YYYY --gmt-deviation G [--object ID] [--horizon FILE] [--darkness LEVEL]
//   nocturo COMMAND --help
//   nocturo --help | --version
//
// Each option is given once.

// Whether the arguments ask for the command line rather than the window: anything but none at
// all or the desktop menu's own option.
bool isCommandLine(const QStringList &arguments);

// Runs the command the arguments name, writing to out and err. Returns the exit code: 0 done,
// 1 a file or folder could not be read (a folder that is missing or is a file too), 2 the
// arguments are wrong.
int runCommandLine(const QStringList &arguments, QIODevice &out, QIODevice &err);
