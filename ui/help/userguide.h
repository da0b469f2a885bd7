#pragma once

#include <QStringList>
#include <QUrl>

// Nocturo's user guide is one HTML page, guide.html, that the build puts beside the program
// and an installation puts into the installed data folder.

inline constexpr char UserGuideFileName[] = "guide.html";

// The file address of the guide in the first of the folders that holds one. When none does,
// the address in the last folder, where an installation would have put it.
QUrl userGuideAddress(const QStringList &folders);
