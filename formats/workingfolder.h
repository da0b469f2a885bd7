#pragma once

#include <QString>
#include <QStringList>

// Nocturo reads and writes its files by relative name ("Objects.csv", "cities.csv",
// "defaults.txt", "results.txt") in the current folder. Started from a terminal, that is the
// folder the observer is in. Started from the desktop menu, whose entry passes
// DesktopStartOption, it is a folder of the observer's own, seeded with the shipped catalog
// and cities table on the first start.

inline constexpr char DesktopStartOption[] = "--desktop";

// The per-user folder: "nocturo" in the observer's data folder (~/.local/share/nocturo).
QString defaultUserDataFolder();

// Makes the folder Nocturo works in the current folder and returns it. With
// DesktopStartOption among the arguments after the program name, that is userDataFolder,
// created when missing and given a copy of the catalog and the cities table from
// installedDataFolder where it lacks them; files already there are never replaced.
// Otherwise, or when the per-user folder cannot be created, the current folder stays.
QString enterWorkingFolder(const QStringList &arguments, const QString &installedDataFolder,
                           const QString &userDataFolder);

// How the defaults file names a file the observer chose: by its name alone when it lies in the
// working folder, so that the folder can move with its files, and by its full path elsewhere.
QString nameForDefaults(const QString &chosenPath);
